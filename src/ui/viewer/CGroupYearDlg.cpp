#include "ui/viewer/CGroupYearDlg.h"

#include "collection/CollectionStore.h"
#include "collection/MonthOverview.h"
#include "report/FormDocument.h"
#include "report/GroupYearPage.h"
#include "ui/common/CGuideWindow.h"
#include "ui/common/FileDialog.h"
#include "ui/common/HistoryText.h"
#include "ui/common/KeptWindowSize.h"
#include "ui/common/MessageBox.h"
#include "ui/common/RecordText.h"
#include "ui/common/UiText.h"
#include "ui/viewer/CYearChart.h"
#include "ui/viewer/FormPrinting.h"
#include "ui/viewer/PrinterAccess.h"

#include <QDir>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStandardPaths>
#include <QTableWidget>
#include <QVBoxLayout>

namespace kolekt {

namespace {

using namespace Qt::StringLiterals;

QPushButton* addButton(QHBoxLayout* row, TextId text) {
    auto* button = new QPushButton(loadUiText(text));
    button->setAutoDefault(false);
    row->addWidget(button);
    return button;
}

} // namespace

CGroupYearDlg::CGroupYearDlg(const CollectionStore& store, QWidget* owner)
    : QDialog(owner), store_(store) {
    setWindowTitle(uiText(report::groupYearTitle(store_.groupNumber())));
    setSizeGripEnabled(true);

    auto* layout = new QVBoxLayout(this);
    auto* legend = new QLabel(loadUiText(TextId::YearLegend));
    layout->addWidget(legend);
    table_ = new QTableWidget(this);
    table_->setAccessibleName(windowTitle());
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setSelectionBehavior(QAbstractItemView::SelectItems);
    table_->setTabKeyNavigation(false);
    table_->setWordWrap(false);
    // One line of text a row, so that many publishers fit the window.
    table_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() +
                                                    fontMetrics().height() / 2);
    layout->addWidget(table_, 1);
    chart_ = new CYearChart(this);
    layout->addWidget(chart_);

    auto* buttons = new QHBoxLayout;
    QPushButton* print = addButton(buttons, TextId::PrintButton);
    QPushButton* setup = addButton(buttons, TextId::PrintSetupButton);
    QPushButton* pdf = addButton(buttons, TextId::SavePdfButton);
    buttons->addStretch(1);
    QPushButton* close = addButton(buttons, TextId::CloseButton);
    layout->addLayout(buttons);
    connect(print, &QPushButton::clicked, this, &CGroupYearDlg::print);
    connect(setup, &QPushButton::clicked, this, &CGroupYearDlg::printSetup);
    connect(pdf, &QPushButton::clicked, this, &CGroupYearDlg::saveAsPdf);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(new QShortcut(QKeySequence(Qt::Key_F1), this), &QShortcut::activated, this,
            [this] { CGuideWindow::show("year", this); });

    fill();

    // Wide enough for the twelve months where the screen allows, and no larger than it.
    const QSize wanted(table_->verticalHeader()->sizeHint().width() +
                           table_->horizontalHeader()->length() + 60,
                       32 * fontMetrics().height());
    const QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
    const QSize room = screen ? screen->availableSize() * 9 / 10 : wanted;
    resize(wanted.boundedTo(room));
}

void CGroupYearDlg::restoreSize(const QSize& size) {
    resizeToKeptSize(*this, size, minimumSizeHint());
}

void CGroupYearDlg::fill() {
    const GroupYear year = groupYear(store_);
    const int publishers = static_cast<int>(year.publishers.size());
    const int months = static_cast<int>(year.months.size());
    const std::string language = store_.languageCode();
    table_->setRowCount(publishers + 1);
    table_->setColumnCount(months);

    QStringList headings;
    QStringList spoken;
    for (const YearMonth& month : year.months) {
        headings << uiText(report::monthHeading(month));
        spoken << monthAndYear(month.month, month.year, language);
    }
    table_->setHorizontalHeaderLabels(headings);

    QStringList names;
    for (int n = 1; n <= publishers; ++n) {
        const QString name = fromRecordText(store_.formatName(n, true), store_.codePage());
        names << name;
        const std::vector<HistoryMonth>& history = year.publishers[static_cast<std::size_t>(n - 1)];
        for (int m = 0; m < months; ++m) {
            const HistoryMonth& month = history[static_cast<std::size_t>(m)];
            auto* cell = new QTableWidgetItem(uiText(report::yearCellText(month)));
            cell->setData(
                Qt::AccessibleTextRole,
                loadUiText(TextId::YearCellDescription, {name, spoken[m], reportedText(month)}));
            if (month.remarkNumber != 0) {
                cell->setToolTip(fromRecordText(
                    store_.remarkFor(n, month.month, month.yearSlot).text, store_.codePage()));
            }
            if (month.missing) {
                QFont font = cell->font();
                font.setItalic(true);
                cell->setFont(font);
            }
            table_->setItem(n - 1, m, cell);
        }
    }
    const QString reportedRow = loadUiText(TextId::YearReportedRow);
    names << reportedRow;
    table_->setVerticalHeaderLabels(names);

    const QString total = QString::number(publishers);
    for (int m = 0; m < months; ++m) {
        const QString count = QString::number(year.reported[static_cast<std::size_t>(m)]);
        auto* cell = new QTableWidgetItem(count + u'/' + total);
        cell->setData(Qt::AccessibleTextRole,
                      loadUiText(TextId::YearCellDescription,
                                 {reportedRow, spoken[m],
                                  loadUiText(TextId::YearReportedOf, {count, total})}));
        QFont font = cell->font();
        font.setBold(true);
        cell->setFont(font);
        table_->setItem(publishers, m, cell);
    }
    table_->resizeColumnsToContents();
    chart_->setCounts(headings, year.reported, publishers);

    // The newest month of the first publisher: where the overseer looks first.
    table_->setCurrentCell(0, months - 1);
    table_->setFocus();
}

void CGroupYearDlg::print() {
    printOnCurrentPrinter(this,
                          [this](QPrinter& printer) { return printGroupYear(printer, store_); });
}

void CGroupYearDlg::printSetup() {
    printerAccess().printSetup(this);
}

QString CGroupYearDlg::suggestedPdfPath() const {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString name = loadUiText(TextId::GroupYearTitle) + u' ' +
                         QString::number(store_.groupNumber()) + u".pdf"_s;
    return folder.isEmpty() ? name : QDir(folder).filePath(name);
}

void CGroupYearDlg::saveAsPdf() {
    QString path = getSaveFileName(this, {loadUiText(TextId::SavePdfTitle), suggestedPdfPath(),
                                          loadUiText(TextId::PdfFiles), u"pdf"_s});
    if (path.isEmpty())
        return;
    // A name that ends otherwise, such as that of a collection file, gets the ending added:
    // a PDF never takes the place of the secretary's file.
    if (!path.endsWith(u".pdf"_s, Qt::CaseInsensitive))
        path += u".pdf"_s;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const bool written = report::writeGroupYearPdf(store_, path, report::defaultPaper());
    QGuiApplication::restoreOverrideCursor();
    if (!written) {
        messageBox(loadUiText(TextId::PdfNotWritten, {path, loadUiText(TextId::PdfFolderProblem)}),
                   MessageButtons::Ok, MessageIcon::Warning, this);
    }
}

} // namespace kolekt
