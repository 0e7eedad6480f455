#include "collection/AbsolutePath.h"
#include "collection/AtomicFile.h"
#include "collection/CollectionPath.h"
#include "collection/CollectionStore.h"
#include "collection/ContentHash.h"
#include "collection/FileSystemOps.h"
#include "collection/Scramble.h"
#include "collection/StoreMessages.h"
#include "platform/FileAttributes.h"
#include "platform/LocalTime.h"
#include "platform/PrivateFolder.h"

#include <ctime>
#include <filesystem>
#include <string>

namespace kolekt {

using namespace layout;

namespace {

namespace fs = std::filesystem;

constexpr std::size_t kExtensionLength = 4; // ".k09"

// "2026-12-08 21.15": sorts by time, and holds no character a file name may not.
std::string timeStamp() {
    const std::tm local = platform::localTime(std::time(nullptr));
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H.%M", &local);
    return text;
}

fs::path pathFromUtf8(const std::string& text) {
    return fs::path(std::u8string(text.begin(), text.end()));
}

} // namespace

std::vector<std::uint8_t> CollectionStore::fileImage() const {
    // Scrambled in a copy, so the store stays plain whatever happens. The header's remark
    // count is the store's, which grows as remarks are added.
    const std::size_t recordBytes = (static_cast<std::size_t>(publisherCount_) + 1) * kRecordSize;
    const std::size_t remarkBytes = static_cast<std::size_t>(remarkCount_) * kRemarkRecordSize;
    std::vector<std::uint8_t> image;
    image.reserve(recordBytes + remarkBytes);
    image.insert(image.end(), records_.begin(),
                 records_.begin() + static_cast<std::ptrdiff_t>(recordBytes));
    image.insert(image.end(), remarkPool_.begin(),
                 remarkPool_.begin() + static_cast<std::ptrdiff_t>(remarkBytes));
    writeWord(image.data(), kHeaderRemarkCount, static_cast<std::uint16_t>(remarkCount_));
    for (int n = 1; n <= publisherCount_; ++n) {
        scrambleRecord(image.data() + static_cast<std::size_t>(n) * kRecordSize, +1);
    }
    return image;
}

bool CollectionStore::saveCollection(const fs::path& path, LinkHandling links) {
    if (publisherCount_ < 2) {
        notify({StoreEvent::TooFewPublishers, {}});
        return false;
    }
    if (incomplete_) {
        notify({StoreEvent::IncompleteNotSaved, absolutePath(filePath_)});
        return false;
    }
    const WriteResult result = writeFileAtomically(fileSystem(), path, fileImage(), links);
    if (!result) {
        reportFailedWrite(path, result.error);
        return false;
    }
    reportNarrowedAccess(path, result);
    return true;
}

SaveResult CollectionStore::saveBack() {
    if (!allocated_ || publisherCount_ < 2 || !isCollectionPath(filePath_)) {
        return SaveResult::NotSaved;
    }
    // Said when it was opened; nothing can have been posted to it since.
    if (incomplete_) {
        return SaveResult::Refused;
    }
    if (!inFolderOpened()) {
        reportFailedWrite(filePath_, {platform::ErrorCause::FolderGone, {}});
        return SaveResult::Failed;
    }
    const std::optional<platform::FileIdentity> onDisk = platform::identityOf(filePath_);
    // A file that is gone can be written again at its name without losing anything.
    if (onDisk && diskIdentity_ &&
        (*onDisk != *diskIdentity_ || contentHashOfFile(filePath_) != diskContent_)) {
        return saveBeside();
    }
    if (onDisk && platform::isWriteProtected(replacedFile(filePath_))) {
        reportFailedWrite(filePath_, {platform::ErrorCause::ReadOnly, {}});
        return SaveResult::Failed;
    }
    platform::FileIdentity written;
    const WriteResult result = writeFileAtomically(fileSystem(), filePath_, fileImage(),
                                                   LinkHandling::WriteTarget, &written);
    if (!result) {
        reportFailedWrite(filePath_, result.error);
        return SaveResult::Failed;
    }
    reportNarrowedAccess(filePath_, result);
    rememberSaved(written);
    // While the lock is held no other Kolekt is saving this file, so a temporary file
    // beside it can only be left over from a save that was killed.
    if (lock_.held()) {
        removeStaleTemporaries(fileSystem(), filePath_);
    }
    return SaveResult::Saved;
}

SaveResult CollectionStore::saveBeside() {
    const fs::path original = filePath_;
    const fs::path::string_type name = original.filename().native();
    fs::path stem = name.substr(0, name.size() - kExtensionLength);
    stem += " (Kolekt " + timeStamp() + ")";
    // Kolekt's own file from now on: the user's usual mode, not that of the file it keeps (a
    // read-only copy would make every later save fail).
    const platform::FileMode mode = platform::newFileMode();
    platform::FileIdentity written;
    platform::SystemError failure;
    const fs::path beside = writeUniqueFile(fileSystem(), folderOf(original), stem,
                                            name.substr(name.size() - kExtensionLength),
                                            fileImage(), mode, &written, &failure);
    if (beside.empty()) {
        reportFailedWrite(original, failure);
        return SaveResult::Failed;
    }
    filePath_ = beside;
    rememberSaved(written);
    // A file that has just been made is locked by nobody else.
    lock_ = CollectionLock::take(beside);
    notify({StoreEvent::SavedBeside, absolutePath(original), absolutePath(beside)});
    return SaveResult::Saved;
}

bool CollectionStore::inFolderOpened() const {
    if (!folderIdentity_) {
        return true;
    }
    const std::optional<platform::FileIdentity> folder =
        platform::identityOf(folderOf(replacedFile(filePath_)));
    return folder && folder->device == folderIdentity_->device &&
           folder->inode == folderIdentity_->inode;
}

void CollectionStore::rememberSaved(const platform::FileIdentity& identity) {
    diskIdentity_ = identity;
    savedImage_ = fileImage();
    diskContent_ = contentHash(savedImage_);
}

bool CollectionStore::hasUnsavedChanges() const {
    return allocated_ && fileImage() != savedImage_;
}

fs::path CollectionStore::saveRecovery(const fs::path& folder, const std::string& monthName) {
    // Checked at the moment of use: another user may have made or changed the folder since.
    if (!platform::makePrivateFolder(folder)) {
        notify({StoreEvent::RecoveryFailed, absolutePath(filePath_), folder});
        return {};
    }
    std::string month = monthName;
    for (char& c : month) {
        if (c == '/') {
            c = '-';
        }
    }
    const fs::path stem = pathFromUtf8("Group" + std::to_string(groupNumber_) + " " + month +
                                       " (Kolekt " + timeStamp() + ")");
    const fs::path recovered =
        writeUniqueFile(fileSystem(), folder, stem, ".k09", fileImage(), 0600);
    if (recovered.empty()) {
        notify({StoreEvent::RecoveryFailed, absolutePath(filePath_), folder});
    } else {
        StoreEvent event{StoreEvent::Recovered, absolutePath(filePath_), recovered};
        event.error = lastWriteError_;
        notify(event);
    }
    return recovered;
}

void CollectionStore::reportFailedWrite(const fs::path& path, const platform::SystemError& error) {
    lastWriteError_ = error;
    StoreEvent event{StoreEvent::CannotCreateFile, absolutePath(path)};
    event.error = error;
    notify(event);
}

void CollectionStore::reportNarrowedAccess(const fs::path& path, const WriteResult& result) {
    // Once per file: every later save of it is the same.
    const fs::path absolute = absolutePath(replacedFile(path));
    if (result.accessNarrowed && narrowedFiles_.insert(absolute).second) {
        notify({StoreEvent::AccessNarrowed, absolute});
    }
}

} // namespace kolekt
