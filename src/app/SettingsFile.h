// The settings file read and written so that nothing found at its name is followed or waited
// on for ever: it is read only when it is a regular file, written as a new file that replaces
// it, and its lock is waited for only a moment. QSettings itself follows a link at the name,
// blocks on a pipe there and waits for ever on a lock it cannot take, so it only ever sees a
// private copy.
#pragma once

#include <QString>
#include <chrono>
#include <functional>

class QSettings;

namespace kolekt {

// The lock file beside path that keeps two Kolekts from changing the settings at once.
QString settingsLockPath(const QString& path);

// Calls read with the settings in path; a missing file, or anything at path that is not a
// regular file, reads as no settings.
void readSettingsFile(const QString& path, const std::function<void(QSettings&)>& read);

// Calls change with the settings in path and puts them in its place as a new file. False when
// they could not be stored: the lock not taken within lockWait (held, or blocked by a folder or
// another user's file at its name), a link, a folder or a special file at path, or the new file
// not written (a full disk, a read-only folder).
bool changeSettingsFile(const QString& path, const std::function<void(QSettings&)>& change,
                        std::chrono::milliseconds lockWait = std::chrono::seconds(2));

} // namespace kolekt
