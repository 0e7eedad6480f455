// The store's operations on loaded records: names, reports, remarks, contacts.
#include "collection/CollectionStore.h"

#include "CollectionFiles.h"
#include "RecordingMessages.h"
#include "TempDir.h"

#include <gtest/gtest.h>

namespace kolekt {
namespace {

using namespace layout;

constexpr LocalDate kToday{2026, 11, 8}; // collects November, cell 0
constexpr int kMonth = 10;

class CollectionStoreTest : public ::testing::Test {
protected:
    void load(CollectionBuilder& b) {
        b.setMonth(kMonth);
        test::writeCollection(b, dir.file("g.k09"));
        store.initialise(kToday, "eng", "CP1252");
        ASSERT_TRUE(store.loadCollection(dir.file("g.k09"), kToday));
    }

    test::TempDir dir;
    test::RecordingMessages messages;
    CollectionStore store{&messages};
};

TEST_F(CollectionStoreTest, FormatNameFollowsTheLanguage) {
    CollectionBuilder b;
    b.addPublisher("Anna", "Berg");
    load(b);
    EXPECT_EQ(store.formatName(1, false), "Anna Berg");
    EXPECT_EQ(store.formatName(1, true), "Berg, Anna");
    store.setLanguage("cz", "CP1250");
    EXPECT_EQ(store.formatName(1, false), "Berg, Anna");
}

TEST_F(CollectionStoreTest, ReportValuesAndMissingReports) {
    CollectionBuilder b;
    const int shared = b.addPublisher("Anna", "Berg");
    const int remarked = b.addPublisher("Ben", "Cole");
    const int missing = b.addPublisher("Cleo", "Dunn");
    b.setReport(shared, kMonth, 0, {.shared = true, .hours = 12, .studies = 3});
    b.record(shared)[valueOffset(ValueKind::Studies, slotIndex(kMonth, 0)) + 1] |= 0xF4;
    b.addRemark(remarked, kMonth, 0, "Was ill");
    b.setReport(missing, kMonth, 1, {.shared = true}); // the other year's cell
    load(b);

    EXPECT_FALSE(store.isReportMissing(shared, kMonth, 0));
    EXPECT_FALSE(store.isReportMissing(remarked, kMonth, 0));
    EXPECT_TRUE(store.isReportMissing(missing, kMonth, 0));
    EXPECT_FALSE(store.isReportMissing(missing, kMonth, 1));
    EXPECT_EQ(store.reportValue(shared, kMonth, 0, ValueKind::Hours), 12);
    EXPECT_EQ(store.reportValue(shared, kMonth, 0, ValueKind::Studies), 3);
}

TEST_F(CollectionStoreTest, LateFlagsOfTheSecondHalfLiveInBytes161To166) {
    CollectionBuilder b;
    b.addPublisher("Anna", "Berg");
    b.addPublisher("Ben", "Cole");
    load(b);
    store.setLateFlag(1, 0);
    store.setLateFlag(1, 5);
    store.setLateFlag(1, 6);
    store.setLateFlag(1, 11);
    EXPECT_EQ(store.record(1)[152], 1);
    EXPECT_EQ(store.record(1)[157], 1);
    EXPECT_EQ(store.record(1)[161], 1);
    EXPECT_EQ(store.record(1)[166], 1);
    EXPECT_EQ(store.record(1)[158], 0);
    EXPECT_TRUE(store.hasLateFlag(1, 11));
    EXPECT_FALSE(store.hasLateFlag(1, 7));
    store.record(1)[lateFlagOffset(7)] = 2; // only the value 1 counts
    EXPECT_FALSE(store.hasLateFlag(1, 7));

    // Flags survive a save and a load.
    ASSERT_TRUE(store.saveCollection(dir.file("g.k09")));
    ASSERT_TRUE(store.loadCollection(dir.file("g.k09"), kToday));
    for (int m : {0, 5, 6, 11}) {
        EXPECT_TRUE(store.hasLateFlag(1, m)) << m;
    }
    EXPECT_FALSE(store.hasLateFlag(1, 1));
}

TEST_F(CollectionStoreTest, RemarkLookupAndReservationUntil254) {
    CollectionBuilder b;
    b.addPublisher("Anna", "Berg");
    const int pointsPastTheEnd = b.addPublisher("Ben", "Cole");
    b.addRemark(1, kMonth, 0, "Was ill");
    writeWord(b.record(pointsPastTheEnd), remarkNumberOffset(slotIndex(kMonth, 0)), 9);
    load(b);

    EXPECT_EQ(store.remarkFor(1, kMonth, 0).number, 1);
    EXPECT_EQ(store.remarkFor(1, kMonth, 0).text, "Was ill");
    EXPECT_EQ(store.remarkFor(pointsPastTheEnd, kMonth, 0).number, 0);
    EXPECT_EQ(store.remarkFor(1, kMonth, 1).number, 0);
    EXPECT_EQ(store.remarkCount(), 1);
    // Every reservation counts, linked or not.
    EXPECT_EQ(store.reserveRemarkNumber(), 2);
    EXPECT_EQ(store.reserveRemarkNumber(), 3);
    EXPECT_EQ(store.remarkCount(), 3);

    // The pool holds R + 100 records at first and grows beyond that.
    for (int expected = 4; expected <= 254; ++expected) {
        ASSERT_EQ(store.reserveRemarkNumber(), expected);
    }
    EXPECT_TRUE(messages.events.empty());
    EXPECT_EQ(store.reserveRemarkNumber(), 0);
    EXPECT_EQ(store.remarkCount(), 254);
    EXPECT_EQ(messages.events, (std::vector<StoreEvent>{{StoreEvent::OutOfSpaceForRemarks, {}}}));
}

TEST_F(CollectionStoreTest, StoreRemarkWritesThePoolAndLinksTheNewestNumber) {
    CollectionBuilder b;
    b.addPublisher("Anna", "Berg");
    b.addPublisher("Ben", "Cole");
    b.addRemark(2, kMonth, 0, "Old text");
    load(b);
    const int slot = slotIndex(kMonth, 0);

    // A fresh reservation: text stored, slot linked, remarkCount not raised again.
    const int number = store.reserveRemarkNumber();
    ASSERT_EQ(number, 2);
    EXPECT_TRUE(store.storeRemark(1, kMonth, 0, number, "Helped out, 100% (%d %s)"));
    EXPECT_EQ(store.remarkCount(), 2);
    EXPECT_EQ(readWord(store.record(1), remarkNumberOffset(slot)), 2);
    EXPECT_EQ(store.remarkFor(1, kMonth, 0).text, "Helped out, 100% (%d %s)");

    // An older number is rewritten in place; the store leaves the link to the dialog.
    EXPECT_TRUE(store.storeRemark(2, kMonth, 0, 1, std::string(40, 'x')));
    EXPECT_EQ(store.remarkFor(2, kMonth, 0).text, std::string(36, 'x'));
    EXPECT_EQ(store.remarkRecord(1)[36], 0);

    // A text that begins with a blank, or none, removes the slot's link.
    EXPECT_FALSE(store.storeRemark(2, kMonth, 0, 1, " x"));
    EXPECT_EQ(readWord(store.record(2), remarkNumberOffset(slot)), 0);
    EXPECT_TRUE(store.isReportMissing(2, kMonth, 0));
    EXPECT_FALSE(store.storeRemark(1, kMonth, 0, 2, ""));
    EXPECT_EQ(readWord(store.record(1), remarkNumberOffset(slot)), 0);

    // Numbers outside the pool in use are refused.
    EXPECT_FALSE(store.storeRemark(1, kMonth, 0, 3, "x"));
    EXPECT_FALSE(store.storeRemark(1, kMonth, 0, 0, "x"));
}

TEST_F(CollectionStoreTest, StoreRemarkIsRefusedWithoutRemarksOrAtTheLimit) {
    CollectionBuilder b;
    b.addPublisher("Anna", "Berg");
    b.addPublisher("Ben", "Cole");
    load(b);
    EXPECT_FALSE(store.storeRemark(1, kMonth, 0, 1, "x"));
    store.setRemarkCount(254);
    EXPECT_FALSE(store.storeRemark(1, kMonth, 0, 254, "x"));
    EXPECT_TRUE(messages.events.empty());
}

TEST_F(CollectionStoreTest, RemarkInAGrownPoolIsSavedAndReadBack) {
    CollectionBuilder b;
    b.addPublisher("Anna", "Berg");
    b.addPublisher("Ben", "Cole");
    load(b);
    int number = 0;
    for (int i = 0; i < 150; ++i) {
        number = store.reserveRemarkNumber();
    }
    ASSERT_EQ(number, 150);
    ASSERT_TRUE(store.storeRemark(1, kMonth, 0, number, "Number 150"));
    ASSERT_TRUE(store.saveCollection(dir.file("g.k09")));
    ASSERT_TRUE(store.loadCollection(dir.file("g.k09"), kToday));
    EXPECT_EQ(store.remarkCount(), 150);
    EXPECT_EQ(store.remarkFor(1, kMonth, 0).text, "Number 150");
}

TEST_F(CollectionStoreTest, ContactNumbersKeepNumbersOfSixCharactersOrMore) {
    CollectionBuilder b;
    const int n = b.addPublisher("Anna", "Berg");
    b.setPhone(n, 0, "12345").setPhone(n, 2, "555-0123");
    const int full = b.addPublisher("Ben", "Cole");
    b.setPhone(full, 0, "0171 5550").setPhone(full, 1, "+1 212 555 0147"); // 15 bytes, no 0
    load(b);

    ContactNumbers contact = store.contactNumbers(n);
    EXPECT_EQ(contact.count, 1);
    EXPECT_EQ(contact.numbers[0], "555-0123");
    EXPECT_EQ(store.contactText(n, false), "555-0123");
    EXPECT_EQ(store.contactText(n, true), "");

    contact = store.contactNumbers(full);
    ASSERT_EQ(contact.count, 2);
    EXPECT_EQ(contact.numbers[1], "+1 212 555 0147");
    EXPECT_EQ(store.contactText(full, true), "+1 212 555 0147");
}

TEST_F(CollectionStoreTest, ReminderAddressOnlyForMissingReportsWithAValidAddress) {
    CollectionBuilder b;
    const int missing = b.addPublisher("Anna", "Berg");
    b.setEmail(missing, "  anna@example.org\t");
    const int reported = b.addPublisher("Ben", "Cole");
    b.setEmail(reported, "ben@example.org").setReport(reported, kMonth, 0, {.shared = true});
    const int invalid = b.addPublisher("Cleo", "Dunn");
    b.setEmail(invalid, "cleo@localhost");
    load(b);
    EXPECT_EQ(store.contactNumbers(missing).reminderAddress, "anna@example.org");
    EXPECT_EQ(store.contactNumbers(reported).reminderAddress, "");
    EXPECT_EQ(store.contactNumbers(invalid).reminderAddress, "");
}

TEST(HasValidEmail, OnlyAPlainLocalAtDomain) {
    struct Case {
        const char* address;
        bool valid;
    };
    const Case cases[] = {
        {"a@b.c", true},
        {"first.last+group3@example.org", true},
        {"o'brien@example.org", false},
        {"j\xf8rgen@example.dk", true}, // a letter of the code page
        {"example.org", false},
        {"@example.org", false},
        {"first.last@example", false},
        {"", false},
        {"-x@y.z", false},
        {"a@b@c.d", false},
        {"mailto:a@b.c", false},
        {"a@b.c?bcc=x@y.z", false},
        {"a@b.c&cc=x@y.z", false},
        {"a%40b@c.d", false},
        {"a b@c.d", false},
        {"a@b.c\tx", false},
        {"a@b.c\n", false},
        {"a\x7f@b.c", false},
        {"\"a\"@b.c", false},
        {"<a@b.c>", false},
        {"a@b.c,x@y.z", false},
        {"a@b.c;x@y.z", false},
        {"a(x)@b.c", false},
        {"a@[127.0.0.1].c", false},
        {"a\\b@c.d", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CollectionStore::hasValidEmail(c.address), c.valid) << c.address;
    }
}

} // namespace
} // namespace kolekt
