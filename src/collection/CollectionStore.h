// The loaded collection file in memory: header and publisher records in the
// file layout (texts plain), the remark pool, and the fields derived from the
// header and the calendar. The only way other parts read or change records.
#pragma once

#include "collection/FileLayout.h"
#include "collection/LocalDate.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace kolekt {

class StoreMessages;
struct StoreEvent;
class FileSystemOps;

struct RemarkLookup {
    int number = 0;
    std::string text; // code-page bytes, unchanged
};

struct ContactNumbers {
    int count = 0;
    std::array<std::string, 3> numbers; // code-page bytes
    std::string reminderAddress;        // empty when no reminder applies
};

class CollectionStore {
public:
    explicit CollectionStore(StoreMessages* messages = nullptr);

    void setMessages(StoreMessages* messages) { messages_ = messages; }
    // Tests inject write or sync failures through this; null restores the real file system.
    void setFileSystem(FileSystemOps* fs);

    // Start-up initialisation from the current local date. languageCode is the code of the
    // language the program speaks; it chooses the record texts' code page and name order.
    void initialise(const LocalDate& today, const std::string& languageCode);

    bool loadCollection(const std::string& path, const LocalDate& today);
    bool saveCollection(const std::string& path);
    bool allocateStore();
    void releaseStore();
    void scrambleRecords(int direction);

    std::string formatName(int n, bool lastFirst) const;
    bool isReportMissing(int n, int month, int yearSlot) const;
    std::uint16_t reportValue(int n, int month, int yearSlot, layout::ValueKind kind) const;
    // The remark linked to the report slot; number 0 and no text when the slot has none, or
    // links a number outside the pool in use.
    RemarkLookup remarkFor(int n, int month, int yearSlot) const;
    // A new remark number, not yet linked to any slot; 0 when none can be had (the limit of
    // 254 is reported as OutOfSpaceForRemarks, a pool that cannot grow as LowMemory).
    int reserveRemarkNumber();
    bool storeRemark(int n, int month, int yearSlot, int number, const std::string& text);
    void setLateFlag(int n, int month);
    bool hasLateFlag(int n, int month) const;
    ContactNumbers contactNumbers(int n) const;
    std::string contactText(int n, bool second) const;
    static bool hasValidEmail(const std::string& address);

    // Whole records, 816 bytes each: 0 is the header, 1..N the publishers.
    std::uint8_t* record(int n);
    const std::uint8_t* record(int n) const;
    // Remark record number (1-based) of the pool; 48 bytes. Null outside the pool.
    std::uint8_t* remarkRecord(int number);
    const std::uint8_t* remarkRecord(int number) const;
    std::string secretaryAddress() const;

    int publisherCount() const { return publisherCount_; }
    int groupNumber() const { return groupNumber_; }
    int remarkCount() const { return remarkCount_; }
    void setRemarkCount(int count);
    int month() const { return month_; }
    int defaultMonth() const { return defaultMonth_; }
    int reportYear() const { return reportYear_; }
    int yearSlot() const { return yearSlot_; }
    bool allocated() const { return allocated_; }
    const std::string& filePath() const { return filePath_; }
    void setFilePath(const std::string& path) { filePath_ = path; }
    const std::string& languageCode() const { return languageCode_; }
    void setLanguageCode(const std::string& code) { languageCode_ = code; }
    const std::string& lastPosted() const { return lastPosted_; }
    void setLastPosted(const std::string& name) { lastPosted_ = name; }

private:
    void notify(const StoreEvent& event) const;
    void reportFailedWrite(const std::string& path) const;
    FileSystemOps& fileSystem() const;
    // The pool grows as reservations need it, up to the limit of 254 remarks.
    bool ensureRemarkRoom(int count);

    StoreMessages* messages_ = nullptr;
    FileSystemOps* fs_ = nullptr;
    std::vector<std::uint8_t> records_;
    std::vector<std::uint8_t> remarkPool_;
    int publisherCount_ = 0;
    int groupNumber_ = 0;
    int remarkCount_ = 0;
    int month_ = 0;
    int defaultMonth_ = 0;
    int reportYear_ = 0;
    int yearSlot_ = 0;
    std::string filePath_;
    std::string languageCode_;
    std::string lastPosted_;
    bool allocated_ = false;
};

} // namespace kolekt
