// The values that outlive a run: which collection was open, who was posted
// last, and which recovered collections the user has been told of. The main
// window reads them at start and writes them at exit; where they are kept is
// the application's business.
#pragma once

#include "services/MailSettings.h"

#include <QSize>
#include <QString>
#include <QStringList>

namespace kolekt {

struct LastSession {
    QString loadPath;
    QString post;
};

class SessionSettings {
public:
    virtual ~SessionSettings() = default;
    // Where the settings are kept, for a message saying they could not be stored there.
    virtual QString location() const { return {}; }
    // Missing or unreadable settings read as empty values.
    virtual LastSession read() const = 0;
    // Each store tells whether the values were stored; losing them never keeps the user, but
    // the user is told.
    virtual bool write(const LastSession& values) = 0;
    // The recovered collections the user has been told of, so that each is announced once.
    virtual QStringList announcedRecoveries() const = 0;
    virtual bool setAnnouncedRecoveries(const QStringList& names) = 0;
    // The language chosen from the language menu; it outlasts the run.
    virtual bool storeLanguage(const QString& code) = 0;
    // How mail is sent, read when a mail is about to go out; by default through the
    // desktop's mail program.
    virtual MailSettings mailSettings() const { return {}; }
    virtual bool storeMailSettings(const MailSettings& /*mail*/) { return true; }
    // The size a resizable window ("Main", "Viewer", "GroupYear") was left at; empty when none is
    // kept.
    virtual QSize windowSize(const QString& /*window*/) const { return {}; }
    virtual bool storeWindowSize(const QString& /*window*/, const QSize& /*size*/) { return true; }
};

} // namespace kolekt
