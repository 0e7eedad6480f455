// The session settings in an INI file, section "Last".
#pragma once

#include "ui/main/SessionSettings.h"

#include <utility>

namespace kolekt {

// Section "Options": the language and the code page asked for; empty when not set.
struct LanguageSettings {
    QString language;
    QString codePage;
};

class IniSettings : public SessionSettings {
public:
    explicit IniSettings(QString path) : path_(std::move(path)) {}

    QString location() const override { return path_; }
    LastSession read() const override;
    bool write(const LastSession& values) override;
    QStringList announcedRecoveries() const override;
    bool setAnnouncedRecoveries(const QStringList& names) override;
    MailSettings mailSettings() const override;
    bool storeMailSettings(const MailSettings& mail) override;
    LanguageSettings languageSettings() const;
    bool storeLanguage(const QString& code) override;
    // Section "Window", one key per window, "width x height" in pixels.
    QSize windowSize(const QString& window) const override;
    bool storeWindowSize(const QString& window, const QSize& size) override;

private:
    QString path_;
};

} // namespace kolekt
