#include "app/SettingsFile.h"

#include "collection/AtomicFile.h"
#include "collection/FileSystemOps.h"
#include "platform/File.h"
#include "platform/FileAttributes.h"
#include "platform/LockFile.h"
#include "platform/PathKind.h"
#include "resources/PathText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <memory>
#include <optional>
#include <span>
#include <thread>

namespace kolekt {

namespace {

constexpr auto kLockRetry = std::chrono::milliseconds(50);

// The bytes of the regular file at path, empty when nothing is there; none when they cannot
// be read. Anything but a regular file (a link, a device planted at the name) is never read
// through, and reads as nothing.
std::optional<QByteArray> regularFileBytes(const std::filesystem::path& path) {
    if (platform::entryKind(path) != platform::PathKind::RegularFile)
        return QByteArray();
    platform::OpenedFile opened = platform::openForReading(path);
    if (!opened.file.isOpen())
        return std::nullopt;
    QByteArray bytes;
    std::uint8_t chunk[16384];
    for (;;) {
        const std::size_t read = opened.file.readUpTo(chunk, sizeof chunk);
        bytes.append(reinterpret_cast<const char*>(chunk), static_cast<qsizetype>(read));
        if (read < sizeof chunk)
            return bytes;
    }
}

// The settings of path, copied into a folder of the user's own for QSettings to read and
// change.
class PrivateCopy {
public:
    explicit PrivateCopy(const QString& path)
        : path_(folder_.filePath(QStringLiteral("kolekt.ini"))) {
        const std::optional<QByteArray> bytes = regularFileBytes(toPath(path));
        QFile copy(path_);
        valid_ = bytes && folder_.isValid() && copy.open(QIODevice::WriteOnly) &&
                 copy.write(*bytes) == bytes->size() && copy.flush();
    }

    bool isValid() const { return valid_; }
    const QString& path() const { return path_; }
    QByteArray bytes() const {
        QFile copy(path_);
        return copy.open(QIODevice::ReadOnly) ? copy.readAll() : QByteArray();
    }

private:
    QTemporaryDir folder_;
    QString path_;
    bool valid_ = false;
};

std::shared_ptr<platform::HeldLock> takeLock(const QString& path, std::chrono::milliseconds wait) {
    const auto deadline = std::chrono::steady_clock::now() + wait;
    for (;;) {
        platform::LockAttempt attempt =
            platform::lockFile(toPath(settingsLockPath(path)), platform::newFileMode());
        if (attempt.outcome == platform::LockOutcome::Held)
            return attempt.lock;
        if (attempt.outcome != platform::LockOutcome::HeldElsewhere ||
            std::chrono::steady_clock::now() >= deadline)
            return nullptr;
        std::this_thread::sleep_for(kLockRetry);
    }
}

} // namespace

QString settingsLockPath(const QString& path) {
    return path + QStringLiteral(".lock");
}

void readSettingsFile(const QString& path, const std::function<void(QSettings&)>& read) {
    const PrivateCopy copy(path);
    QSettings settings(copy.path(), QSettings::IniFormat);
    read(settings);
}

bool changeSettingsFile(const QString& path, const std::function<void(QSettings&)>& change,
                        std::chrono::milliseconds lockWait) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    const std::shared_ptr<platform::HeldLock> lock = takeLock(path, lockWait);
    if (!lock)
        return false;
    const std::filesystem::path target = toPath(path);
    const platform::PathKind kind = platform::entryKind(target);
    if (kind != platform::PathKind::Missing &&
        (kind != platform::PathKind::RegularFile || platform::isWriteProtected(target)))
        return false;
    const PrivateCopy copy(path);
    if (!copy.isValid())
        return false;
    {
        QSettings settings(copy.path(), QSettings::IniFormat);
        change(settings);
        settings.sync();
        if (settings.status() != QSettings::NoError)
            return false;
    }
    const QByteArray bytes = copy.bytes();
    return writeFileAtomically(FileSystemOps::real(), target,
                               std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                         static_cast<std::size_t>(bytes.size())),
                               LinkHandling::ReplaceName)
        .written;
}

} // namespace kolekt
