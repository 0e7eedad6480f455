#include "services/AttachmentCopies.h"

#include "platform/PrivateFolder.h"
#include "platform/UserFolders.h"
#include "resources/PathText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <chrono>
#include <filesystem>

namespace kolekt {

namespace {

namespace fs = std::filesystem;

const std::string kPrefix = "kolekt-mail-";
// makeUniquePrivateFolder() adds six letters or digits.
constexpr std::size_t kUniqueLength = 6;
constexpr auto kKeptFor = std::chrono::hours(24);

fs::path copiesParent() {
    const fs::path runtime = platform::runtimeFolder();
    if (!runtime.empty() &&
        platform::isPrivateFolder(platform::folderStatus(runtime), platform::currentUser()))
        return runtime;
    return toPath(QDir::tempPath());
}

bool isOldCopiesFolder(const fs::directory_entry& entry) {
    const std::string name = entry.path().filename().string();
    if (name.size() != kPrefix.size() + kUniqueLength || !name.starts_with(kPrefix) ||
        !platform::isPrivateFolder(platform::folderStatus(entry.path()), platform::currentUser()))
        return false;
    std::error_code error;
    const fs::file_time_type modified = entry.last_write_time(error);
    return !error && fs::file_time_type::clock::now() - modified > kKeptFor;
}

} // namespace

QString plainFileName(const QString& name) {
    QString plain = name;
    for (QChar& c : plain) {
        if (!c.isLetterOrNumber() && c != QLatin1Char('.') && c != QLatin1Char('-'))
            c = QLatin1Char('_');
    }
    return plain;
}

std::optional<QList<MailAttachment>> copyAttachments(const QList<MailAttachment>& attachments) {
    if (attachments.isEmpty())
        return attachments;
    const fs::path folder = platform::makeUniquePrivateFolder(copiesParent(), kPrefix);
    if (folder.empty())
        return std::nullopt;
    const QDir copies(toQString(folder));
    QList<MailAttachment> copied;
    for (const MailAttachment& attachment : attachments) {
        const QString copy =
            copies.filePath(plainFileName(QFileInfo(attachment.pathName).fileName()));
        if (QFileInfo::exists(copy) || !QFile::copy(attachment.pathName, copy))
            return std::nullopt;
        copied.append({copy, attachment.fileName, attachment.position});
    }
    return copied;
}

void removeOldAttachmentCopies() {
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(copiesParent(), error)) {
        if (!isOldCopiesFolder(entry))
            continue;
        std::error_code ignored;
        for (const fs::directory_entry& copy : fs::directory_iterator(entry.path(), ignored)) {
            if (copy.is_regular_file(ignored) && !copy.is_symlink(ignored))
                fs::remove(copy.path(), ignored);
        }
        fs::remove(entry.path(), ignored);
    }
}

} // namespace kolekt
