// The reminders to publishers whose report is missing: the templates filled in the interface
// language, and a series of them, one message to each publisher.
#include "services/Reminder.h"

#include "ScriptedHandOffHost.h"
#include "SmtpTestServer.h"
#include "resources/Catalogue.h"
#include "resources/Languages.h"

#include <QJsonArray>
#include <gtest/gtest.h>

namespace kolekt {

using namespace Qt::StringLiterals;
namespace {

const ReminderFacts kAnna{u"Anna"_s, 2, 2026, 3};

TEST(Reminder, FillsTheLanguagesTemplatesOnceAndSignsWithTheOverseersName) {
    struct Case {
        const char* language;
        MailSettings settings;
        ReminderFacts facts;
        QString subject, text;
    };
    MailSettings own;
    own.reminderSubjects.insert(u"en"_s, u"%GROUP%: %MONTH%"_s);
    own.reminderTexts.insert(u"en"_s, u"%NAME% / %YEAR% / %OTHER%"_s);
    own.reminderTexts.insert(u"de"_s, u"Hallo %NAME%"_s);
    const Case cases[] = {
        {"eng",
         {},
         kAnna,
         u"Field service report for March 2026"_s,
         u"Dear Anna,\n\nPlease submit your report for March 2026.\nThank you."_s},
        {"eng",
         {.overseerName = u"Tom Reed"_s},
         kAnna,
         u"Field service report for March 2026"_s,
         u"Dear Anna,\n\nPlease submit your report for March 2026.\nThank you.\n\nTom Reed"_s},
        // A name is never read as a placeholder, and an unknown one stays as typed.
        {"eng", own, {u"%YEAR%"_s, 11, 2025, 7}, u"7: December"_s, u"%YEAR% / 2025 / %OTHER%"_s},
        {"german", own, kAnna, u"Predigtdienstbericht für März 2026"_s, u"Hallo Anna"_s},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.language);
        ASSERT_TRUE(useLanguage(*findLanguage(c.language)));
        const MailDraft draft = reminderMail(u"anna@example.org"_s, c.facts, c.settings);
        EXPECT_EQ(draft.to, u"anna@example.org"_s);
        EXPECT_EQ(draft.subject, c.subject);
        EXPECT_EQ(draft.body, c.text);
    }
    useLanguage(englishLanguage());
}

TEST(Reminder, ASeriesGoesAsOneMessageToEachPublisherInOneLogOn) {
    test::SmtpTestServer server(u"pw"_s);
    ASSERT_TRUE(server.isRunning());
    test::ScriptedHandOffHost prompt(u"pw"_s);
    const MailSettings settings{.smtpUrl = server.url(),
                                .from = u"overseer@example.org"_s,
                                .user = u"overseer"_s,
                                .allowPlainText = true};
    QList<MailDraft> drafts;
    for (const QString& name : {u"Anna"_s, u"Ben"_s, u"Cleo"_s})
        drafts << reminderMail(name.toLower() + u"@example.org"_s, {name, 2, 2026, 3}, settings);

    const BatchOutcome outcome = sendDrafts(drafts, settings, prompt);

    EXPECT_EQ(outcome.result.kind, HandOffResult::Kind::Handed);
    EXPECT_EQ(outcome.sent, 3);
    EXPECT_EQ(prompt.asked(), 1);
    EXPECT_EQ(server.logOnAttempts(), 1);
    ASSERT_EQ(server.receivedCount(), 3);
    for (int i = 0; i < 3; ++i) {
        const QJsonObject message = server.received(i);
        EXPECT_EQ(message[u"rcptTos"_s].toArray(), QJsonArray{drafts[i].to});
        EXPECT_EQ(message[u"to"_s].toString(), drafts[i].to);
        EXPECT_EQ(message[u"body"_s].toString().replace(u"\r\n"_s, u"\n"_s), drafts[i].body);
    }
}

} // namespace
} // namespace kolekt
