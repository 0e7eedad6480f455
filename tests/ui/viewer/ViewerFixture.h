// A viewer over a loaded store, with the printer access replaced for the test.
#pragma once

#include "FormFixture.h"
#include "ui/common/StoreOwner.h"
#include "ui/viewer/PrinterAccess.h"

#include <QPrinter>
#include <memory>

namespace kolekt::test {

class StoreOwnerStub : public StoreOwner {
public:
    CollectionStore& store() override { return store_; }
    void updateStatus() override {}
    void saveNow() override {}

private:
    CollectionStore store_;
};

// Prints into a PDF file of the test's choice, or reports that there is no printer.
class PrinterStub : public PrinterSeam {
public:
    PrinterStub() { setPrinterSeam(this); }
    ~PrinterStub() override { setPrinterSeam(nullptr); }

    void printToFile(const QString& path) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer_->setOutputFormat(QPrinter::PdfFormat);
        printer_->setOutputFileName(path);
    }
    void removePrinter() { printer_.reset(); }

    QPrinter* currentPrinter() override { return printer_.get(); }
    void printSetup(QWidget*) override { ++setups; }

    int setups = 0;

private:
    std::unique_ptr<QPrinter> printer_;
};

} // namespace kolekt::test
