#include "ui/viewer/PrinterAccess.h"

#include "ui/common/MessageBox.h"
#include "ui/common/UiText.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <memory>

namespace kolekt {

namespace {

// Print Setup's choice lives here until the program ends; without one every job asks the
// print system for its default printer afresh.
class ApplicationPrinter : public PrinterSeam {
public:
    QPrinter* currentPrinter() override {
        if (chosen_)
            return chosen_.get();
        const QPrinterInfo info = QPrinterInfo::defaultPrinter();
        if (info.isNull())
            return nullptr;
        systemDefault_ = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
        return systemDefault_.get();
    }

    void printSetup(QWidget* parent) override {
        std::unique_ptr<QPrinter> candidate;
        if (!chosen_) {
            const QPrinterInfo info = QPrinterInfo::defaultPrinter();
            candidate = info.isNull() ? std::make_unique<QPrinter>(QPrinter::HighResolution)
                                      : std::make_unique<QPrinter>(info, QPrinter::HighResolution);
        }
        QPrinter& printer = chosen_ ? *chosen_ : *candidate;
        QPrintDialog dialog(&printer, parent);
        dialog.setWindowTitle(loadUiText(TextId::PrintSetupTitle));
        // Every job prints all pages, so only the printer, its settings and printing to a PDF
        // file are offered.
        dialog.setOptions(QAbstractPrintDialog::PrintToFile |
                          QAbstractPrintDialog::PrintShowPageSize);
        // Setting up prints nothing, so the button that confirms the choice does not say Print.
        if (auto* buttons = dialog.findChild<QDialogButtonBox*>()) {
            if (QPushButton* confirm = buttons->button(QDialogButtonBox::Ok))
                confirm->setText(loadUiText(TextId::PrintSetupConfirm));
        }
        if (dialog.exec() == QDialog::Accepted && candidate)
            chosen_ = std::move(candidate);
    }

private:
    std::unique_ptr<QPrinter> chosen_;
    std::unique_ptr<QPrinter> systemDefault_;
};

PrinterSeam* installed = nullptr;
ApplicationPrinter* application = nullptr;

// Printers are given back while the application object still exists.
void releaseApplicationPrinter() {
    delete application;
    application = nullptr;
}

} // namespace

PrinterSeam& printerAccess() {
    if (installed)
        return *installed;
    if (!application) {
        application = new ApplicationPrinter;
        qAddPostRoutine(releaseApplicationPrinter);
    }
    return *application;
}

void setPrinterSeam(PrinterSeam* seam) {
    installed = seam;
}

void printOnCurrentPrinter(QWidget* owner, const std::function<QString(QPrinter&)>& job) {
    QPrinter* printer = printerAccess().currentPrinter();
    if (!printer) {
        messageBox(loadUiText(TextId::NoPrinter), MessageButtons::Ok, MessageIcon::None, owner);
        return;
    }
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const QString failure = job(*printer);
    QGuiApplication::restoreOverrideCursor();
    if (!failure.isEmpty())
        messageBox(failure, MessageButtons::Ok, MessageIcon::Warning, owner);
}

} // namespace kolekt
