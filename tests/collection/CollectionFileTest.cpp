// Reading and writing collection files: what comes back out, byte for byte.
#include "CollectionFiles.h"
#include "RecordingMessages.h"
#include "TempDir.h"
#include "collection/CollectionStore.h"
#include "collection/PostUndo.h"
#include "collection/Scramble.h"

#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>
#include <random>
#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace kolekt {
namespace {

using namespace layout;
using test::readBytes;
using test::writeBytes;
using test::writeCollection;
using Bytes = std::vector<std::uint8_t>;

constexpr LocalDate kToday{2026, 11, 8};

class CollectionFileTest : public ::testing::Test {
protected:
    CollectionFileTest() { store.initialise(kToday, "eng", "CP1252"); }

    bool load(const std::string& path) { return store.loadCollection(path, kToday); }

    test::TempDir dir;
    test::RecordingMessages messages;
    CollectionStore store{&messages};
};

// A text of printable bytes (which never scramble to 0) with random bytes after its end.
void fillField(std::mt19937& random, std::uint8_t* field, std::size_t size, std::size_t maxLength) {
    const std::size_t length = std::uniform_int_distribution<std::size_t>(0, maxLength)(random);
    for (std::size_t i = 0; i < size; ++i) {
        field[i] = static_cast<std::uint8_t>(
            i < length ? std::uniform_int_distribution<unsigned>(0x20, 0x7E)(random) : random());
    }
    field[length] = 0;
}

// A file as the secretary's program could write it, with every byte that Kolekt
// does not interpret set at random.
Bytes randomCollection(std::uint32_t seed, int publishers, int remarks) {
    std::mt19937 random(seed);
    Bytes file(kRecordSize * (static_cast<std::size_t>(publishers) + 1) +
               kRemarkRecordSize * static_cast<std::size_t>(remarks));
    for (auto& byte : file) {
        byte = static_cast<std::uint8_t>(random());
    }
    file[kHeaderPublisherCount] = static_cast<std::uint8_t>(publishers);
    writeWord(file.data(), kHeaderRemarkCount, static_cast<std::uint16_t>(remarks));
    file[kHeaderMonth] = static_cast<std::uint8_t>(seed % 12);
    for (int n = 1; n <= publishers; ++n) {
        std::uint8_t* r = file.data() + kRecordSize * static_cast<std::size_t>(n);
        fillField(random, r + kFirstName, kNameSize, 20);
        fillField(random, r + kLastName, kNameSize, 20);
        fillField(random, r + kEmail, kEmailSize, 62);
        fillField(random, r + kPhone1, kPhoneSize, 14);
        fillField(random, r + kPhone2, kPhoneSize, 14);
        fillField(random, r + kPhone3, kPhoneSize, 14);
        for (std::size_t i = 0; i < kLateFlagAreaSize; ++i) {
            r[kLateFlagsFirstHalf + i] = random() % 2;
            r[kLateFlagsSecondHalf + i] = random() % 2;
        }
        r[kFirstName + 1] = 204; // kept as it is by the scrambling
        r[kFirstName + 2] = 'x';
        scrambleRecord(r, +1);
    }
    return file;
}

TEST_F(CollectionFileTest, EveryByteSurvivesLoadAndSave) {
    for (std::uint32_t seed : {1u, 2u, 3u}) {
        const Bytes original = randomCollection(seed, 40, 30);
        Bytes withTrailer = original;
        withTrailer.insert(withTrailer.end(), {1, 2, 3}); // ignored when reading
        const std::string path = dir.file("Group.k09");
        writeBytes(path, withTrailer);
        ASSERT_TRUE(load(path));
        ASSERT_EQ(store.publisherCount(), 40);
        ASSERT_TRUE(store.saveCollection(path));
        EXPECT_EQ(readBytes(path), original) << "seed " << seed;
    }
    // Said when it opens, as the save will drop them.
    const StoreEvent dropped{StoreEvent::ExtraBytesIgnored, dir.file("Group.k09"), {}, 3};
    EXPECT_EQ(messages.events, (std::vector<StoreEvent>{dropped, dropped, dropped}));
}

// Posts as the entry dialog makes them (values, a late flag, added hours, a new remark), the
// same publisher twice, then undone one by one: the file is what it was, but for the remarks the
// posts added to the pool.
TEST_F(CollectionFileTest, UndoingEveryPostGivesBackTheFileButTheRemarkPool) {
    const Bytes original = randomCollection(4, 12, 5);
    const std::string path = dir.file("Group.k09");
    writeBytes(path, original);
    ASSERT_TRUE(load(path));
    const std::size_t recordsEnd = kRecordSize * 13;
    PostUndo undo;
    const auto post = [&](int n, int month, std::uint16_t hours, const char* remark) {
        PostUndo::Post before = PostUndo::before(store, n);
        const int slot = slotIndex(month, store.yearSlot());
        writeWord(store.record(n), valueOffset(ValueKind::Hours, slot), hours);
        writeWord(store.record(n), addedHoursOffset(slot), 7);
        store.setLateFlag(n, month);
        const int number = store.reserveRemarkNumber();
        ASSERT_TRUE(store.storeRemark(n, month, store.yearSlot(), number, remark));
        writeWord(store.record(n), remarkNumberOffset(slot), static_cast<std::uint16_t>(number));
        store.setLastPosted(store.formatName(n, false));
        undo.push(std::move(before), month);
        ASSERT_TRUE(store.saveBack() == SaveResult::Saved);
    };
    post(3, 1, 12, "first");
    post(3, 2, 30, "again");
    post(7, 11, 5, "other");
    const Bytes posted = readBytes(path);
    ASSERT_NE(Bytes(posted.begin(), posted.begin() + recordsEnd),
              Bytes(original.begin(), original.begin() + recordsEnd));

    for (const int expected : {7, 3, 3}) {
        ASSERT_FALSE(undo.empty());
        EXPECT_EQ(undo.undo(store).record, expected);
        ASSERT_TRUE(store.saveBack() == SaveResult::Saved);
    }
    EXPECT_TRUE(undo.empty());
    EXPECT_EQ(store.lastPosted(), "");
    Bytes saved = readBytes(path);
    ASSERT_GE(saved.size(), recordsEnd);
    EXPECT_EQ(readWord(saved.data(), kHeaderRemarkCount), 8);
    writeWord(saved.data(), kHeaderRemarkCount, 5);
    EXPECT_EQ(Bytes(saved.begin(), saved.begin() + recordsEnd),
              Bytes(original.begin(), original.begin() + recordsEnd));
}

TEST_F(CollectionFileTest, LoadUnscramblesAndReadsTheHeader) {
    CollectionBuilder b;
    b.setGroup(7).setMonth(4).setSecretary("sec@example.org");
    b.addPublisher("Anna", "Berg");
    b.addPublisher("Ben", "\xC9vora");
    b.addRemark(2, 4, 0, "Was ill");
    writeCollection(b, dir.file("g.k09"));

    ASSERT_TRUE(load(dir.file("g.k09")));
    EXPECT_EQ(store.publisherCount(), 2);
    EXPECT_EQ(store.groupNumber(), 7);
    EXPECT_EQ(store.month(), 4);
    EXPECT_EQ(store.remarkCount(), 1);
    EXPECT_EQ(store.secretaryAddress(), "sec@example.org");
    EXPECT_EQ(store.filePath(), dir.file("g.k09"));
    EXPECT_EQ(store.formatName(2, true), "\xC9vora, Ben");
    EXPECT_EQ(store.formatName(1, false), "Anna Berg");
    EXPECT_EQ(store.remarkFor(2, 4, 0).text, "Was ill");
}

TEST_F(CollectionFileTest, SavedFileHasForcedZerosAndTheStoresRemarkCount) {
    CollectionBuilder b;
    b.addPublisher("Anna", "Berg");
    b.addPublisher("Ben", "Cole");
    Bytes file = b.fileBytes();
    file[kRecordSize + 121] = 0x55; // telephone 1's terminator, set by some other writer
    writeBytes(dir.file("g.k09"), file);

    ASSERT_TRUE(load(dir.file("g.k09")));
    EXPECT_EQ(store.reserveRemarkNumber(), 1);
    ASSERT_TRUE(store.saveCollection(dir.file("g.k09")));

    Bytes expected = file;
    expected[kRecordSize + 121] = 0;
    writeWord(expected.data(), kHeaderRemarkCount, 1);
    expected.resize(expected.size() + kRemarkRecordSize, 0); // the reserved, empty remark
    EXPECT_EQ(readBytes(dir.file("g.k09")), expected);
}

TEST_F(CollectionFileTest, ShortFileIsShownButNeverWritten) {
    CollectionBuilder b;
    b.addPublisher("Anna", "Berg");
    b.addPublisher("Ben", "Cole");
    b.setPrivilege(2, 2);
    b.addPublisher("Cleo", "Dunn");
    b.addRemark("gone");
    const Bytes full = b.fileBytes();
    // Cut inside record 2, after its names but before its privilege byte.
    const std::string cut = dir.file("cut.k09");
    const Bytes cutBytes(full.begin(), full.begin() + 2 * kRecordSize + 100);
    writeBytes(cut, cutBytes);

    ASSERT_TRUE(load(cut));
    ASSERT_EQ(store.publisherCount(), 3);
    EXPECT_EQ(store.formatName(2, false), "Ben Cole");
    EXPECT_EQ(store.record(2)[kPrivilege], 0);
    EXPECT_EQ(store.formatName(3, false), " ");
    EXPECT_EQ(store.remarkFor(1, 0, 0).number, 0);
    EXPECT_EQ(
        std::memcmp(store.remarkRecord(1), Bytes(kRemarkRecordSize, 0).data(), kRemarkRecordSize),
        0);
    EXPECT_EQ(messages.events,
              (std::vector<StoreEvent>{{StoreEvent::RecordsMissing, cut, {}, 2, 3}}));

    // Neither the file itself nor a return file is written from it: the missing records would
    // come back as blank publishers.
    messages.events.clear();
    EXPECT_TRUE(store.incomplete());
    EXPECT_EQ(store.saveBack(), SaveResult::Refused);
    EXPECT_FALSE(store.saveCollection(dir.file("cut.k19")));
    EXPECT_EQ(readBytes(cut), cutBytes);
    EXPECT_FALSE(std::filesystem::exists(dir.file("cut.k19")));
    EXPECT_EQ(messages.events, (std::vector<StoreEvent>{{StoreEvent::IncompleteNotSaved, cut}}));

    // Only the remarks cut off.
    messages.events.clear();
    writeBytes(cut, Bytes(full.begin(), full.end() - 1));
    ASSERT_TRUE(load(cut));
    EXPECT_TRUE(store.incomplete());
    EXPECT_EQ(messages.events,
              (std::vector<StoreEvent>{{StoreEvent::RemarksMissing, cut, {}, 1, 1}}));
}

TEST_F(CollectionFileTest, WhatCannotBeOpenedIsNamedWithItsReasonAndLeavesTheStoreEmpty) {
    store.setFilePath("chosen.k09");
    CollectionBuilder b;
    b.setGroup(5).addPublisher("Anna", "Berg");
    writeBytes(dir.file("empty.k09"), {});
    const Bytes full = b.fileBytes();
    writeBytes(dir.file("tiny.k09"), Bytes(full.begin(), full.begin() + 200));
    CollectionBuilder none;
    writeCollection(none, dir.file("none.k09"));
    std::filesystem::create_directory(dir.file("folder.k09"));
#ifdef _WIN32
    // A device name reaches the device in any folder and with any extension.
    const char* special = "CON.k09";
#else
    // Refused at once: reading it would wait for a writer for ever.
    ASSERT_EQ(::mkfifo(dir.file("fifo.k09").c_str(), 0600), 0);
    const char* special = "fifo.k09";
#endif

    const struct {
        const char* name;
        std::vector<StoreEvent::Kind> events;
    } cases[] = {
        {"empty.k09", {StoreEvent::NotACollectionFile}},
        {"tiny.k09", {StoreEvent::NotACollectionFile}},
        {"absent.k09", {StoreEvent::FileMissing}},
        {"folder.k09", {StoreEvent::NotARegularFile}},
        {special, {StoreEvent::NotARegularFile}},
        {"none.k09", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        messages.events.clear();
        EXPECT_TRUE(load(dir.file(c.name)));
        EXPECT_EQ(store.publisherCount(), 0);
        EXPECT_EQ(store.filePath(), "chosen.k09");
        std::vector<StoreEvent> expected;
        for (StoreEvent::Kind kind : c.events)
            expected.push_back({kind, dir.file(c.name)});
        EXPECT_EQ(messages.events, expected);
    }
}

TEST_F(CollectionFileTest, RefusesHeadersThatIndexPastTheRecordsOrSlots) {
    CollectionBuilder b;
    b.setMonth(3).addPublisher("Anna", "Berg");
    b.addPublisher("Ben", "Cole");
    writeCollection(b, dir.file("good.k09"));
    ASSERT_TRUE(load(dir.file("good.k09")));

    Bytes negativeCount = b.fileBytes();
    negativeCount[kHeaderPublisherCount] = 0x80;
    Bytes badMonth = b.fileBytes();
    badMonth[kHeaderMonth] = 12;
    for (const Bytes& bytes : {negativeCount, badMonth}) {
        messages.events.clear();
        writeBytes(dir.file("bad.k09"), bytes);
        EXPECT_TRUE(load(dir.file("bad.k09")));
        EXPECT_EQ(store.publisherCount(), 0);
        EXPECT_EQ(store.remarkCount(), 0);
        EXPECT_FALSE(store.allocated());
        EXPECT_EQ(store.month(), 3);
        EXPECT_EQ(store.filePath(), dir.file("good.k09"));
        EXPECT_EQ(messages.events,
                  (std::vector<StoreEvent>{{StoreEvent::NotACollectionFile, dir.file("bad.k09")}}));
        // Nothing can be written to it.
        EXPECT_FALSE(store.saveCollection(dir.file("bad.k09")));
        EXPECT_EQ(readBytes(dir.file("bad.k09")), bytes);
    }
}

TEST_F(CollectionFileTest, YearSlotFollowsTheCalendar) {
    CollectionBuilder december;
    december.setMonth(11).addPublisher("Anna", "Berg");
    writeCollection(december, dir.file("dec.k09"));
    CollectionBuilder january;
    january.setMonth(0).addPublisher("Anna", "Berg");
    writeCollection(january, dir.file("jan.k09"));

    // Started in March 2026: February 2026 is collected, cell 0.
    const LocalDate march{2026, 2, 10};
    store.initialise(march, "eng", "CP1252");
    EXPECT_EQ(store.defaultMonth(), 1);
    EXPECT_EQ(store.reportYear(), 26);
    EXPECT_EQ(store.yearSlot(), 0);
    EXPECT_EQ(store.languageCode(), "eng");
    store.loadCollection(dir.file("dec.k09"), march);
    EXPECT_EQ(store.month(), 11);
    EXPECT_EQ(store.yearSlot(), 0);

    // Started in January 2027: December 2026 is the default, a January file uses 2027.
    const LocalDate january2027{2027, 0, 5};
    store.initialise(january2027, "eng", "CP1252");
    EXPECT_EQ(store.defaultMonth(), 11);
    EXPECT_EQ(store.reportYear(), 26);
    EXPECT_EQ(store.yearSlot(), 0);
    store.loadCollection(dir.file("jan.k09"), january2027);
    EXPECT_EQ(store.yearSlot(), 1);
}

} // namespace
} // namespace kolekt
