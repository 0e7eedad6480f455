// A real main window on a collection file made for the test, with the message box
// and file dialog scripted and the settings kept in memory.
#pragma once

#include "CollectionFiles.h"
#include "ScriptedDialogs.h"
#include "TempDir.h"
#include "resources/MainDialogTemplate.h"
#include "ui/main/CMainDlg.h"
#include "ui/main/SessionSettings.h"

#include <QHash>
#include <QListWidget>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace kolekt::test {

class MemorySettings : public SessionSettings {
public:
    LastSession read() const override { return values; }
    MailSettings mailSettings() const override { return mail; }
    bool storeMailSettings(const MailSettings& stored) override {
        mail = stored;
        return storable;
    }
    bool write(const LastSession& written) override {
        values = written;
        ++writes;
        return storable;
    }

    QString location() const override { return QStringLiteral("/home/u/.config/kolekt.ini"); }
    QStringList announcedRecoveries() const override { return announced; }
    bool setAnnouncedRecoveries(const QStringList& names) override {
        announced = names;
        return storable;
    }
    bool storeLanguage(const QString& code) override {
        language = code;
        return storable;
    }
    QSize windowSize(const QString& window) const override { return sizes.value(window); }
    bool storeWindowSize(const QString& window, const QSize& size) override {
        sizes[window] = size;
        return storable;
    }

    LastSession values;
    QStringList announced;
    QString language;
    QHash<QString, QSize> sizes;
    int writes = 0;
    MailSettings mail;
    // False: every store fails, as on a full disk.
    bool storable = true;
};

class MainWindowTest : public ::testing::Test {
protected:
    // 15 March 2026: the collection month defaults to February, the report year is 26, so the
    // reports being collected sit in year slot 0.
    static LocalDate today() { return {2026, 2, 15}; }
    static constexpr int kMonth = 1;
    static constexpr int kSlot = 0;

    // Opens the window as the program does at start, with commandLinePath as the file named
    // on the command line (empty for none).
    CMainDlg& open(const std::string& commandLinePath = {});

    std::string write(const CollectionBuilder& builder, const std::string& name = "Group3.k09");
    // A group of publishers in this order, none of whom has reported.
    static CollectionBuilder group(std::initializer_list<std::pair<const char*, const char*>> names,
                                   int groupNumber = 3);
    // What the report entry dialog does on commit: the slot gets the shared flag.
    void markReported(int record);

    QListWidget* list() const { return dlg->listBox(main_dialog::kPublisherList); }
    QStringList lines() const;
    QString text(int id) const { return dlg->controlText(id); }
    bool shown(int id) const { return dlg->isControlShown(id); }
    void key(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier);
    // Presses Enter on the list and cancels every dialog it opens (the report entry dialog);
    // returns how many opened.
    int pressEnter();
    void click(int id);

    TempDir dir;
    MemorySettings settings;
    ScriptedMessageBox messages;
    ScriptedFileDialog files;
    std::unique_ptr<CMainDlg> dlg;
};

} // namespace kolekt::test
