// The loaded collection file in memory: header and publisher records in the
// file layout (texts plain), the remark pool, and the fields derived from the
// header and the calendar. The only way other parts read or change records.
#pragma once

#include "collection/AtomicFile.h"
#include "collection/CollectionLock.h"
#include "collection/FileLayout.h"
#include "collection/LocalDate.h"
#include "platform/FileIdentity.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <set>
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

// How writing the store back to its own file went.
enum class SaveResult {
    Saved,    // written to its file, or beside it when the file had changed on disk
    NotSaved, // nothing to write: no collection file, or fewer than two publishers
    Refused,  // the file was incomplete when it was opened and is never written
    Failed,   // it could not be written; what is on disk is unchanged
};

class CollectionStore {
public:
    explicit CollectionStore(StoreMessages* messages = nullptr);

    void setMessages(StoreMessages* messages) { messages_ = messages; }
    // Tests inject write or sync failures through this; null restores the real file system.
    void setFileSystem(FileSystemOps* fs);

    // Start-up initialisation from the current local date. languageCode is the code of the
    // language the program speaks, which chooses the name order; codePage is the one the record
    // texts are written in ("CP1250"), which the edges convert them from and to.
    void initialise(const LocalDate& today, const std::string& languageCode,
                    const std::string& codePage);

    // Reads path. When it holds publishers, path becomes filePath and lock (taken with
    // lockForOpening) becomes the store's; otherwise the store keeps no lock.
    bool loadCollection(const std::filesystem::path& path, const LocalDate& today,
                        CollectionLock lock = {});
    // The lock for opening path next: the store's own when it already has that file open.
    // When another process holds it, or it cannot be taken because something other than a lock
    // file is at its name, says so; nothing may then be loaded from path.
    CollectionLock lockForOpening(const std::filesystem::path& path);
    // Writes the store in the collection layout to any path (the return file, a test's copy).
    bool saveCollection(const std::filesystem::path& path,
                        LinkHandling links = LinkHandling::WriteTarget);
    // The one way the store goes back to filePath. A file that is no longer the one loaded or
    // last saved (replaced or changed by another program) is not overwritten: the store goes
    // to a new file beside it, which becomes filePath. A file the user may not write is not
    // replaced. Stale temporary files of earlier saves are removed after a save.
    SaveResult saveBack();
    // Writes the store to a new file in folder, named after the group, month and time, when it
    // cannot go to its own file; monthName is UTF-8. The folder is made if missing and used only
    // while no other user may change it. Returns the file's path, empty when that failed too.
    std::filesystem::path saveRecovery(const std::filesystem::path& folder,
                                       const std::string& monthName);
    // Posted reports or remarks that are not in filePath yet.
    bool hasUnsavedChanges() const;
    // The file ended before its header's last record: it is shown, never written.
    bool incomplete() const { return incomplete_; }
    bool allocateStore();
    // Gives back the records, the remark pool and the file's lock; the store is then empty.
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
    // A plain local@domain: one '@' after the first character, a '.' after it, no white space,
    // control characters, scheme, quotes, brackets or the characters that add fields to a mail
    // link ('?', '&', '%'), and no leading '-'. The one rule for every address mailed to.
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
    const std::filesystem::path& filePath() const { return filePath_; }
    void setFilePath(const std::filesystem::path& path) { filePath_ = path; }
    const std::string& languageCode() const { return languageCode_; }
    const std::string& codePage() const { return codePage_; }
    // The records keep their bytes; only how they are shown and converted changes.
    void setLanguage(const std::string& languageCode, const std::string& codePage);
    const std::string& lastPosted() const { return lastPosted_; }
    void setLastPosted(const std::string& name) { lastPosted_ = name; }

private:
    void notify(const StoreEvent& event) const;
    std::vector<std::uint8_t> fileImage() const;
    SaveResult saveBeside();
    bool inFolderOpened() const;
    void rememberSaved(const platform::FileIdentity& identity);
    void reportFailedWrite(const std::filesystem::path& path, const platform::SystemError& error);
    void reportNarrowedAccess(const std::filesystem::path& path, const WriteResult& result);
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
    std::filesystem::path filePath_;
    std::string languageCode_;
    std::string codePage_;
    std::string lastPosted_;
    bool allocated_ = false;
    bool incomplete_ = false;
    CollectionLock lock_;
    // What filePath was when it was loaded or last saved (identity and content), and what the
    // store wrote there.
    std::optional<platform::FileIdentity> diskIdentity_;
    std::uint64_t diskContent_ = 0;
    // The folder the file was opened in: a stick unmounted under Kolekt leaves an empty folder
    // of the same name on the system disk, where a save must not go.
    std::optional<platform::FileIdentity> folderIdentity_;
    std::vector<std::uint8_t> savedImage_;
    // Why the last write failed, for the recovery file's message.
    platform::SystemError lastWriteError_;
    // The files whose narrowed access has been told this session.
    std::set<std::filesystem::path> narrowedFiles_;
};

} // namespace kolekt
