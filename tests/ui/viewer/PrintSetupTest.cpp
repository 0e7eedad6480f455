// Print Setup's "Print to File (PDF)" choice: how a user without a printer gets the form.
#include "ModalScript.h"
#include "PdfText.h"
#include "ScriptedDialogs.h"
#include "ViewerFixture.h"
#include "resources/ViewerDialogTemplate.h"
#include "ui/viewer/CCollectionViewDlg.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <gtest/gtest.h>

namespace kolekt::test {

using namespace Qt::StringLiterals;

namespace {

TEST(PrintSetupTest, PrintToFileChoiceHoldsForLaterPrints) {
    TempDir dir;
    // No print system answers here, so the only choice is the PDF file.
    setenv("CUPS_SERVER", dir.file("no-cupsd.sock").c_str(), 1);
    CollectionBuilder builder;
    addPublishers(builder, 20);
    StoreOwnerStub owner;
    loadStore(owner.store(), builder, dir);
    ScriptedMessageBox messages;
    CCollectionViewDlg dialog(owner, nullptr);
    dialog.setMonth(kMonth);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));

    dialog.button(viewer_id::kPrint)->click();
    EXPECT_EQ(messages.texts(), QStringList{u"No Printer"_s});

    const std::string pdf = dir.file("form.pdf");
    bool chosen = false;
    QString confirm;
    const auto ran = onNextModal(
        [&](QWidget* modal) {
            auto* printDialog = qobject_cast<QPrintDialog*>(modal);
            auto* printers = modal->findChild<QComboBox*>(u"printers"_s);
            auto* fileName = modal->findChild<QLineEdit*>(u"filename"_s);
            if (auto* buttons =
                    modal->findChild<QDialogButtonBox*>(QString(), Qt::FindDirectChildrenOnly)) {
                confirm = buttons->button(QDialogButtonBox::Ok)->text();
            }
            if (printDialog && printers && fileName) {
                const int pdfEntry = printers->findText(u"PDF"_s, Qt::MatchContains);
                printers->setCurrentIndex(pdfEntry);
                fileName->setText(QString::fromStdString(pdf));
                chosen = pdfEntry >= 0;
                printDialog->accept();
            } else {
                modal->close();
            }
        },
        &dialog);
    dialog.button(viewer_id::kPrintSetup)->click();
    ASSERT_TRUE(*ran);
    ASSERT_TRUE(chosen);
    // Setting up prints nothing, so its button does not say Print.
    EXPECT_EQ(confirm, u"OK"_s);
    EXPECT_FALSE(std::filesystem::exists(pdf));

    messages.clear();
    dialog.button(viewer_id::kPrint)->click();
    EXPECT_TRUE(messages.texts().isEmpty()) << messages.texts().join(u"; "_s).toStdString();
    EXPECT_EQ(pdfPageCount(pdf), 1);
    EXPECT_NE(pdfText(pdf).find("First20 Last20"), std::string::npos);

    std::filesystem::remove(pdf);
    dialog.button(viewer_id::kPrint)->click();
    EXPECT_EQ(pdfPageCount(pdf), 1);
}

} // namespace
} // namespace kolekt::test
