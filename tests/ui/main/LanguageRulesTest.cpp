// Each language through the running program: a collection written by kolekt-tool sample in the
// language's code page shows, prints and dumps its names exactly, the language's own rules show
// where they belong, and the fonts on screen and on paper have every letter of the names.
#include "MainWindowFixture.h"
#include "PdfText.h"
#include "RecordingSurface.h"
#include "report/CollectionForm.h"
#include "report/PreviewLayout.h"
#include "resources/EntryDialogTemplate.h"
#include "resources/StringTable.h"
#include "ui/common/InterfaceLanguage.h"
#include "ui/common/UiText.h"
#include "ui/entry/ReportEntryDialog.h"

#include <QFontDatabase>
#include <QRawFont>
#include <QRegularExpression>

namespace kolekt::test {
namespace {

using namespace Qt::StringLiterals;

struct LanguageCase {
    const char* code;
    // The second publisher of the language's sample group: as the list shows him, and as
    // captions, the entry dialog and the printed form name him.
    const char* listed;
    const char* named;
    int printCharset;
    bool remarksHeadingMoved;
    const char* aprilInSentence;
    QFontDatabase::WritingSystem script;
};

void PrintTo(const LanguageCase& c, std::ostream* out) {
    *out << c.code;
}

constexpr int kEnglish = report::kDefaultCharset;
constexpr int kEastEurope = report::kEastEuropeCharset;
constexpr auto kLatin = QFontDatabase::Latin;

const LanguageCase kCases[] = {
    {"eng", "Müller, Jürgen", "Jürgen Müller", kEnglish, false, "April", kLatin},
    {"cz", "Dvořák, Antonín", "Dvořák, Antonín", kEastEurope, false, "duben", kLatin},
    {"sk", "Horváth, Ľubomír", "Ľubomír Horváth", kEastEurope, false, "apríl", kLatin},
    {"Polish", "Wójcik, Łukasz", "Łukasz Wójcik", kEastEurope, false, "kwiecień", kLatin},
    {"Turkish", "Kaya, Şükrü", "Şükrü Kaya", report::kTurkishCharset, false, "Nisan", kLatin},
    {"estonian", "Õunapuu, Jüri", "Jüri Õunapuu", report::kBalticCharset, false, "aprill", kLatin},
    {"greek", "Παπαδόπουλος, Γιώργος", "Γιώργος Παπαδόπουλος", kEnglish, true, "Απρίλιος",
     QFontDatabase::Greek},
    {"french", "Lefèvre, Jérôme", "Jérôme Lefèvre", kEnglish, false, "d'avril", kLatin},
    {"german", "Weiß, Jürgen", "Jürgen Weiß", kEnglish, false, "April", kLatin},
    {"spanish", "Martínez, José", "José Martínez", kEnglish, false, "abril", kLatin},
    {"italian", "Bianchi, Niccolò", "Niccolò Bianchi", kEnglish, false, "aprile", kLatin},
    {"portuguese-pt", "Gonçalves, João", "João Gonçalves", kEnglish, false, "abril", kLatin},
    {"portuguese", "Gonçalves, João", "João Gonçalves", kEnglish, false, "abril", kLatin},
    {"dutch", "van den Berg, Sjoerd", "Sjoerd van den Berg", kEnglish, false, "april", kLatin},
};

constexpr int kApril = 3;
constexpr int kRecord = 2;

std::string run(const std::string& arguments) {
    return commandOutput("'" + std::string(KOLEKT_TOOL_PATH) + "' " + arguments + " 2>&1");
}

// Every letter of text is in the font Qt takes for the script, not left to a stand-in box.
QString lettersMissing(const QFont& font, QFontDatabase::WritingSystem script,
                       const QString& text) {
    const QRawFont raw = QRawFont::fromFont(font, script);
    QString missing;
    for (const char32_t c : text.toUcs4()) {
        if (!raw.supportsCharacter(c))
            missing += QString::fromUcs4(&c, 1);
    }
    return missing;
}

class LanguageRulesTest : public MainWindowTest,
                          public ::testing::WithParamInterface<LanguageCase> {
protected:
    void TearDown() override { applyInterfaceLanguage(englishLanguage()); }
};

TEST_P(LanguageRulesTest, ASampleInTheLanguagesCodePageShowsPrintsAndFollowsItsRules) {
    const LanguageCase& c = GetParam();
    const QString listed = QString::fromUtf8(c.listed);
    const QString named = QString::fromUtf8(c.named);
    const std::string path = dir.file("Group3.k09");
    const std::string language = std::string(" --language ") + c.code;
    ASSERT_EQ(run("sample " + path + " --today 2026-05-20" + language), "");

    applyInterfaceLanguage(*findLanguage(c.code));
    open(path);
    CollectionStore& store = dlg->store();
    ASSERT_EQ(store.month(), kApril);
    EXPECT_EQ(store.languageCode(), c.code);

    // On screen: the list puts the last name first in every language; captions follow the
    // language.
    ASSERT_GE(lines().size(), kRecord);
    EXPECT_EQ(lines().at(kRecord - 1).toStdString(), c.listed);
    EXPECT_FALSE(lines().join(QString()).contains(QChar::ReplacementCharacter));
    EXPECT_FALSE(lines().join(QString()).contains(u'?'));
    list()->setCurrentRow(kRecord - 1);
    EXPECT_EQ(text(main_dialog::kPost).toStdString(),
              loadUiText(TextId::PostButton, {named}).toStdString());
    EXPECT_TRUE(dlg->windowTitle().contains(loadUiText(TextId::April)))
        << dlg->windowTitle().toStdString();
    EXPECT_EQ(lettersMissing(list()->font(), c.script, listed).toStdString(), "");

    // The entry dialog names him the same way, the month in a sentence in the language's form.
    const std::size_t hours =
        layout::valueOffset(layout::ValueKind::Hours, layout::slotIndex(kApril, store.yearSlot()));
    layout::writeWord(store.record(kRecord), hours, 5);
    ReportEntryDialog entry(*dlg, dlg.get());
    entry.setRecordIndex(kRecord);
    entry.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&entry));
    EXPECT_EQ(entry.windowTitle().toStdString(), c.named);
    const QString warnings = entry.controlText(entry_id::kWarnings);
    EXPECT_TRUE(warnings.startsWith(
        loadUiText(TextId::AlreadyPosted, {QString::fromUtf8(c.aprilInSentence), named})))
        << warnings.toStdString();
    entry.close();

    // The printed form: his name in the language's order, every font in its character set.
    report::RecordingSurface paper(600, 600, 50);
    report::PrintPageState state;
    report::initPageMetrics(paper, state);
    state.title = report::formTitle(kApril);
    report::printCollection(paper, state, store, kApril);
    bool nameShown = false;
    for (const report::RecordedCall& call : paper.texts()) {
        EXPECT_EQ(call.font.charset, c.printCharset) << call.text;
        if (call.text == c.named) {
            nameShown = true;
            QFont font(QString::fromStdString(call.font.face));
            font.setStyleHint(QFont::SansSerif);
            EXPECT_EQ(lettersMissing(font, c.script, named).toStdString(), "") << call.font.face;
        }
    }
    EXPECT_TRUE(nameShown);

    // The viewer's pane: only Greek moves the "Remarks" heading.
    report::RecordingSurface pane(96, 96, 16);
    report::paintPreview(pane, store, {kApril, 0, 18}, 0, 0, 600, 400);
    const std::string remarks = loadText(TextId::RemarksHeading);
    const std::vector<report::RecordedCall> paneTexts = pane.texts();
    const auto heading = std::find_if(paneTexts.begin(), paneTexts.end(),
                                      [&](const auto& call) { return call.text == remarks; });
    ASSERT_NE(heading, paneTexts.end());
    EXPECT_EQ(heading->x, c.remarksHeadingMoved ? 600 - 600 / 20 : 600 - 600 / 6);

    // kolekt-tool's PDF holds the name as text, in fonts it embeds, and its dump the same.
    const std::string pdf = dir.file("form.pdf");
    ASSERT_EQ(run("pdf " + path + " " + pdf + " --today 2026-05-20" + language), "");
    EXPECT_NE(pdfText(pdf).find(c.named), std::string::npos) << pdfText(pdf);
    const QString fonts = QString::fromStdString(commandOutput("pdffonts '" + pdf + "'"));
    EXPECT_FALSE(fonts.contains(QRegularExpression(u"\\s+no\\s+(yes|no)\\s+(yes|no)\\s+\\d+"_s)))
        << fonts.toStdString();
    EXPECT_NE(run("dump " + path + " --today 2026-05-20" + language).find(c.listed),
              std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(EveryLanguage, LanguageRulesTest, ::testing::ValuesIn(kCases),
                         [](const auto& test) {
                             return std::string(findLanguage(test.param.code)->locale);
                         });

TEST(LanguageRulesTable, CoversEveryLanguage) {
    EXPECT_EQ(std::size(kCases), languages().size());
}

} // namespace
} // namespace kolekt::test
