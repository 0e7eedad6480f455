// The main window: the group's publishers in a list, the counts, the filter
// and the commands. It owns the collection store for its whole life and is the
// one place where the collection is written back and the settings stored.
#pragma once

#include "collection/CollectionStore.h"
#include "collection/LocalDate.h"
#include "collection/PostUndo.h"
#include "services/MailDraft.h"
#include "ui/common/BaseDialog.h"
#include "ui/common/GuiStoreMessages.h"
#include "ui/common/StoreOwner.h"
#include "ui/main/DesktopHandOff.h"

#include <QString>
#include <functional>
#include <string>

class QListWidget;
class QListWidgetItem;

namespace kolekt {

class SessionSettings;
struct Language;

class CMainDlg : public CBaseDialog, public StoreOwner {
    Q_OBJECT

public:
    using Clock = std::function<LocalDate()>;

    // commandLinePath is the collection file named when the program was started, empty when none.
    CMainDlg(SessionSettings& settings, const QString& commandLinePath,
             Clock clock = &LocalDate::today, QWidget* parent = nullptr);

    CollectionStore& store() override { return store_; }
    void updateStatus() override;
    void saveNow() override;

    void fillList();
    void showSelection();

    // The collection's texts are read in codePage whatever the language, as asked on the
    // command line or in the settings; otherwise the code page follows the language.
    void keepCodePage(const std::string& codePage) { keptCodePage_ = codePage; }
    // Speaks language from now on and remembers it for the next start. The open collection
    // stays as it is in memory; its names are shown again in the language's order and code page.
    void switchLanguage(const Language& language);

    enum class ExitMessages {
        Shown, // a signal: what the exit action has to say is shown
        Quiet, // the end of the session: nothing may keep it waiting
    };
    // Ends the program through the exit action when something other than the user ends it
    // (a signal, the end of the session). Dialogs open over this window are closed first,
    // since they work on the store that the exit action releases. Asked again while the exit
    // action shows a message, it closes the message and ends the program: what could be
    // saved was written before any message was shown.
    void requestExit(ExitMessages messages = ExitMessages::Shown);
    bool hasExited() const { return exited_; }

protected:
    bool initDialog() override;
    void onOk() override;
    void onCancel() override;
    void onCommand(int id) override;
    void onListDoubleClicked(int id) override;
    void onListSelectionChanged(int id) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
#ifdef Q_OS_WIN
    // The about box's command in the system menu.
    bool nativeEvent(const QByteArray& eventType, void* message, qintptr* result) override;
#endif
    // A collection file dropped on the window is loaded as "Load New List" loads one.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    QListWidget* publisherList() const;
    // Record number of the selected line, 0 when nothing is selected.
    int selectedRecord() const;
    void focusList();
    QString recordText(const std::string& bytes) const;
    void showNoSelection();
    // The selected publisher's address when a reminder applies to them now, else empty.
    QString reminderAddress() const;
    std::string codePageOf(const Language& language) const;
    void nameSignButtons();

    void post();
    // Puts the newest post of this session back as it was before, and saves at once.
    void undoLastPost();
    // The context menu's undo entry, naming what it undoes.
    QString undoCommandText() const;
    QString lastPostText() const;
    void selectRecord(int record);
    void exitAction();
    // Writes the open collection back before it is closed, and to a recovery file when that
    // fails while it holds reports that are not on disk.
    void writeBackBeforeClosing();
    void announceRecoveredCollections();
    // Tells the user, the first time in this run that stored is false, that the settings could
    // not be stored; once is enough, as every later store fails the same way.
    void settingsStored(bool stored);
    void closeModalWindows();
    void limitListToMissing();
    void nextPhoneNumber();
    void showPhoneNumber();
    void loadNewList();
    void loadListFrom(const std::filesystem::path& path);
    // The icon, tooltip and accessible text of the line of record.
    void markLine(QListWidgetItem* item, int record) const;
    // The month, the reports in, the pioneers' hours and the studies, and what to do next;
    // with no collection, how to open one.
    QString summaryText() const;
    QStringList missingNames() const;
    QString monthText(int month) const;
    void showHelp();
    void showAbout();
    // Windows gives the window a system menu; the about box's command goes there.
    void offerAboutInSystemMenu();
    void showContextMenu(const QPoint& globalPos);
    void viewReportList();
    // Every publisher's last twelve months; the window's size is kept for the next time.
    void showGroupYear();
    // Opens window at the size it was left at, and keeps its size for the next time.
    template <class Window> void runAtKeptSize(Window& window, const QString& name);
    void createReturnFile();
    void dial();
    void sendReminder();
    void previewReminder();
    void remindAllMissing();
    // The reminder for the collection month to the publisher of record at address.
    MailDraft reminderTo(int record, const QString& address) const;
    void showMailSettings();
    void offerReturnFile(const QString& path);
    // Sends draft; when it reaches no one, offers to copy it and to show its file.
    void sendOrOffer(const MailDraft& draft);
    void showResult(const HandOffResult& result);

    SessionSettings& settings_;
    QString commandLinePath_;
    Clock clock_;
    GuiStoreMessages messages_;
    DesktopHandOff handOff_;
    CollectionStore store_;
    PostUndo undo_;
    bool limitToMissing_ = false;
    int currentIndex_ = 0;
    QString startDirectory_;
    // The selected publisher's telephone numbers and reminder address, and the number shown.
    ContactNumbers contacts_;
    int phoneIndex_ = 0;
    std::string keptCodePage_;
    // The title and counts describe a loaded collection (else the template's title stands).
    bool statusShown_ = false;
    bool exited_ = false;
    bool quietExit_ = false;
    bool settingsFailureTold_ = false;
};

} // namespace kolekt
