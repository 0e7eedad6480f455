#include "ui/viewer/CCollectionViewDlg.h"

#include "collection/CollectionStore.h"
#include "report/PreviewLayout.h"
#include "resources/ViewerDialogTemplate.h"
#include "ui/common/StoreOwner.h"
#include "ui/common/UiText.h"
#include "ui/viewer/CPreviewPane.h"
#include "ui/viewer/FormPrinting.h"
#include "ui/viewer/PrinterAccess.h"

#include <QPushButton>
#include <algorithm>

namespace kolekt {

namespace {

using namespace viewer_id;
using report::kPreviewRows;

QWidget* createPane(const ControlTemplate& control, QWidget* parent) {
    return control.id == kPane ? new CPreviewPane(parent) : nullptr;
}

constexpr QLatin1StringView kForward("> > >");
constexpr QLatin1StringView kBack("< < <");

} // namespace

CCollectionViewDlg::CCollectionViewDlg(StoreOwner& owner, QWidget* ownerWindow)
    : CBaseDialog(kViewerDialogTemplate, ownerWindow, createPane), owner_(owner) {
    pane_ = controlAs<CPreviewPane>(kPane);
    setHelpSection("printing");
    button(kNextPage)->setAccessibleName(loadUiText(TextId::NextPage));
    button(kNextPage)->setToolTip(loadUiText(TextId::NextPage));
    pane_->setPaintHandler([this](report::Surface& surface, int x, int y, int w, int h) {
        paintPreview(x, y, w, h, surface);
    });
}

bool CCollectionViewDlg::initDialog() {
    pane_->clearSizeKnown();
    setWindowTitle(loadUiText(TextId::ReportCollectionCaption, monthTextId(month_)));
    pane_->setAccessibleName(windowTitle());
    total_ = owner_.store().publisherCount();
    first_ = 0;
    end_ = std::min(total_, kPreviewRows);
    updatePageButtons();
    return true;
}

void CCollectionViewDlg::onCommand(int id) {
    switch (id) {
    case kNextPage:
        onNextPage();
        break;
    case kPrevPage:
        onPrevPage();
        break;
    case kPrintSetup:
        onPrintSetup();
        break;
    case kPrint:
        onPrint();
        break;
    default:
        CBaseDialog::onCommand(id);
    }
}

// On the first view button 1004 is the only page button and leads forward, so it reads "> > >".
void CCollectionViewDlg::updatePageButtons() {
    if (total_ < kPreviewRows + 1) {
        showControl(kPrevPage, false);
        showControl(kNextPage, false);
        return;
    }
    setControlText(kPrevPage, first_ == 0 ? kForward : kBack);
    // Read aloud or seen, the arrows say nothing; the names say where the button leads.
    const QString leadsTo = loadUiText(first_ == 0 ? TextId::NextPage : TextId::PreviousPage);
    button(kPrevPage)->setAccessibleName(leadsTo);
    button(kPrevPage)->setToolTip(leadsTo);
    showControl(kNextPage, first_ > 0 && end_ < total_);
}

void CCollectionViewDlg::onNextPage() {
    end_ = total_ - end_ > kPreviewRows ? end_ + kPreviewRows : total_;
    first_ = std::max(end_ - kPreviewRows, 0);
    updatePageButtons();
    pane_->update();
}

// Going back does not retrace the forward steps: it counts 18 back from the first row shown.
void CCollectionViewDlg::onPrevPage() {
    if (first_ == 0) {
        onNextPage();
        return;
    }
    first_ = first_ > kPreviewRows ? first_ - kPreviewRows : 0;
    end_ = std::min(first_ + kPreviewRows, total_);
    updatePageButtons();
    pane_->update();
}

void CCollectionViewDlg::paintPreview(int x, int y, int w, int h, report::Surface& surface) {
    report::paintPreview(surface, owner_.store(), report::PreviewView{month_, first_, end_}, x, y,
                         w, h);
}

void CCollectionViewDlg::onPrint() {
    printOnCurrentPrinter(
        this, [this](QPrinter& printer) { return printForm(printer, owner_.store(), month_); });
}

void CCollectionViewDlg::onPrintSetup() {
    printerAccess().printSetup(this);
}

} // namespace kolekt
