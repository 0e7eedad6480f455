#include "ui/main/CMainDlg.h"

#include "collection/AbsolutePath.h"
#include "collection/CollectionPath.h"
#include "collection/RecoveryFolder.h"
#include "resources/Catalogue.h"
#include "resources/MainDialogTemplate.h"
#include "resources/PathText.h"
#include "resources/StringTable.h"
#include "resources/TextTables.h"
#include "ui/common/CGuideWindow.h"
#include "ui/common/InterfaceLanguage.h"
#include "ui/common/MessageBox.h"
#include "ui/common/RecordText.h"
#include "ui/common/UiText.h"
#include "ui/entry/ReportEntryDialog.h"
#include "ui/main/CAboutDlg.h"
#include "ui/main/CPublisherList.h"
#include "ui/main/SessionSettings.h"
#include "ui/viewer/CCollectionViewDlg.h"
#include "ui/viewer/CGroupYearDlg.h"

#include <QActionGroup>
#include <QApplication>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QMenu>
#include <QShortcut>
#include <utility>

#ifdef Q_OS_WIN
#include "platform/SystemMenu.h"
#endif

namespace kolekt {

using namespace main_dialog;

namespace {

// Button captions take '&' as a mnemonic; a name or address put into one must show as it is.
QString asCaption(QString text) {
    return text.replace(QLatin1Char('&'), QLatin1String("&&"));
}

// The about box's command identifier in the system menu.
[[maybe_unused]] constexpr unsigned kAboutCommand = 16;
constexpr QKeyCombination kRemindAllKeys = Qt::CTRL | Qt::Key_M;
// The names the windows' sizes are kept under in the settings.
const QString kMainWindowName = QStringLiteral("Main");
const QString kViewerName = QStringLiteral("Viewer");
const QString kGroupYearName = QStringLiteral("GroupYear");
constexpr QKeyCombination kGroupYearKeys = Qt::CTRL | Qt::Key_Y;

QString tipsText() {
    std::string text;
    for (TextId id : {TextId::TipsSecretary, TextId::TipsOpenFile, TextId::TipsSelectName,
                      TextId::TipsEnterReport, TextId::TipsRemarksAndLate, TextId::TipsReminders,
                      TextId::TipsMailResults, TextId::TipsDeliverFile})
        text += loadText(id);
    return uiText(text);
}

QWidget* createMainControl(const ControlTemplate& control, QWidget* parent) {
    return control.id == kPublisherList ? new CPublisherList(parent) : nullptr;
}

} // namespace

CMainDlg::CMainDlg(SessionSettings& settings, const QString& commandLinePath, Clock clock,
                   QWidget* parent)
    : CBaseDialog(kMainDialogTemplate, parent, createMainControl), settings_(settings),
      commandLinePath_(commandLinePath), clock_(std::move(clock)),
      handOff_(this, [this] { return settings_.mailSettings().rememberPassword; }),
      store_(&messages_) {
    nameSignButtons();
    // Linux gives the program no window menu of its own; the about box is on the context menu,
    // which the keyboard reaches as on the classic desktop.
    for (const QKeySequence& keys :
         {QKeySequence(Qt::Key_Menu), QKeySequence(Qt::SHIFT | Qt::Key_F10)}) {
        connect(new QShortcut(keys, this), &QShortcut::activated, this, [this] {
            QWidget* anchor = QWidget::focusWidget() ? QWidget::focusWidget() : this;
            showContextMenu(anchor->mapToGlobal(anchor->rect().center()));
        });
    }
    connect(new QShortcut(QKeySequence(kRemindAllKeys), this), &QShortcut::activated, this,
            &CMainDlg::remindAllMissing);
    setAcceptDrops(true);
    restoreSize(settings_.windowSize(kMainWindowName));
    connect(new QShortcut(QKeySequence::Undo, this), &QShortcut::activated, this,
            [this] { undoLastPost(); });
    connect(new QShortcut(QKeySequence(kGroupYearKeys), this), &QShortcut::activated, this,
            [this] { showGroupYear(); });
    // The usual keys for opening a file and printing; printing needs a list to print.
    connect(new QShortcut(QKeySequence::Open, this), &QShortcut::activated, this,
            [this] { loadNewList(); });
    connect(new QShortcut(QKeySequence::Print, this), &QShortcut::activated, this, [this] {
        if (isControlShown(kViewReportList))
            viewReportList();
    });
}

void CMainDlg::nameSignButtons() {
    // "> > >" read aloud or seen says nothing about what the button does, nor "Dial" where.
    const QString nextPhone = loadUiText(TextId::NextTelephoneNumber);
    control(kNextPhone)->setAccessibleName(nextPhone);
    control(kNextPhone)->setToolTip(nextPhone);
    control(kDial)->setToolTip(loadUiText(TextId::DialTip));
}

bool CMainDlg::initDialog() {
    offerAboutInSystemMenu();
    const LastSession last = settings_.read();
    const QString path = commandLinePath_.isEmpty() ? last.loadPath : commandLinePath_;
    startDirectory_ = QDir::currentPath();
    store_.initialise(clock_(), loadText(TextId::LanguageCode), codePageOf(currentLanguage()));
    store_.setFilePath(toPath(path));
    // The name remembered is that of the file open last time; another file never shows it.
    if (path == last.loadPath)
        store_.setLastPosted(toRecordText(last.post, store_.codePage()));

    showControl(kCreateReturnFile, false);
    showControl(kViewReportList, false);
    showControl(kLimitToMissing, false);
    setAccessibleCaption(kPublisherList, windowTitle());
    if (isCollectionPath(store_.filePath())) {
        // A file that another Kolekt has open is not read at all, so nothing is ever written
        // to it from here.
        CollectionLock lock = store_.lockForOpening(store_.filePath());
        if (!lock.refusesOpening() &&
            store_.loadCollection(store_.filePath(), clock_(), std::move(lock))) {
            fillList();
            updateStatus();
        }
    }
    if (!statusShown_)
        setControlText(kSummary, summaryText());
    if (!exited_)
        announceRecoveredCollections();
    limitToMissing_ = false;
    focusList();
    return false;
}

QListWidget* CMainDlg::publisherList() const {
    return listBox(kPublisherList);
}

int CMainDlg::selectedRecord() const {
    const QList<QListWidgetItem*> selected = publisherList()->selectedItems();
    return selected.isEmpty() ? 0 : selected.first()->data(Qt::UserRole).toInt();
}

void CMainDlg::focusList() {
    focusControl(kPublisherList);
}

std::string CMainDlg::codePageOf(const Language& language) const {
    return keptCodePage_.empty() ? std::string(language.codePage) : keptCodePage_;
}

QString CMainDlg::recordText(const std::string& bytes) const {
    return fromRecordText(bytes, store_.codePage());
}

void CMainDlg::fillList() {
    QListWidget* list = publisherList();
    // Clearing and refilling moves the selection; the position to restore is the one from before.
    int index = currentIndex_;
    list->clear();
    const int month = store_.month();
    const int slot = store_.yearSlot();
    for (int r = 1; r <= store_.publisherCount(); ++r) {
        if (limitToMissing_ && !store_.isReportMissing(r, month, slot))
            continue;
        auto* item = new QListWidgetItem(recordText(store_.formatName(r, true)));
        item->setData(Qt::UserRole, r);
        markLine(item, r);
        list->addItem(item);
    }
    if (index > list->count() - 1)
        index = 0;
    currentIndex_ = index;
    if (list->count() > 0)
        setListSelection(kPublisherList, index);
    focusList();
    showSelection();
}

void CMainDlg::showSelection() {
    QListWidget* list = publisherList();
    const int record = store_.publisherCount() < 2 ? 0 : selectedRecord();
    if (record == 0) {
        showNoSelection();
        return;
    }
    currentIndex_ = list->currentRow();

    setControlText(kPost, loadUiText(TextId::PostButton,
                                     {asCaption(recordText(store_.formatName(record, false)))}));

    contacts_ = store_.contactNumbers(record);
    phoneIndex_ = 0;
    const bool hasPhone = contacts_.count > 0;
    showPhoneNumber();
    showControl(kPhoneNumber, hasPhone);
    showControl(kDial, hasPhone);
    showControl(kNextPhone, contacts_.count >= 2);

    const bool remind = !contacts_.reminderAddress.empty();
    if (remind)
        setControlText(kSendReminder, loadUiText(TextId::EmailButtonPrefix) +
                                          asCaption(recordText(contacts_.reminderAddress)));
    showControl(kSendReminder, remind);
    showControl(kPreviewReminder, remind);
}

// With no publisher to describe (an empty list, a lone publisher, no selection) nothing may
// still name one from before: a stale number or address would be dialled or mailed.
void CMainDlg::showNoSelection() {
    contacts_ = {};
    phoneIndex_ = 0;
    setControlText(kPost, loadUiText(TextId::PostWithoutName));
    showPhoneNumber();
    setControlText(kSendReminder, QString());
    for (int id : {kPhoneNumber, kDial, kNextPhone, kSendReminder, kPreviewReminder})
        showControl(id, false);
}

void CMainDlg::updateStatus() {
    // A dialog that was open when the program was told to end may still ask after the store.
    if (exited_)
        return;
    statusShown_ = true;
    const int month = store_.month();
    setWindowTitle(uiText(loadText(TextId::ReportCollectionCaption, monthTextId(month)) + " - " +
                          loadText(TextId::Group) + " " + std::to_string(store_.groupNumber()) +
                          " "));
    // The list has no caption beside it; a screen reader names it after the collection.
    setAccessibleCaption(kPublisherList, windowTitle().trimmed());

    int missing = 0;
    for (int r = 1; r <= store_.publisherCount(); ++r) {
        if (store_.isReportMissing(r, month, store_.yearSlot()))
            ++missing;
    }
    const QString countFormat = QStringLiteral("%1 = %2");
    setControlText(kMissingCount,
                   countFormat.arg(loadUiText(TextId::MissingReports, monthTextId(month)),
                                   QString::number(missing)));
    setControlText(kTotalCount, countFormat.arg(loadUiText(TextId::TotalPublishers),
                                                QString::number(store_.publisherCount())));
    setControlText(kLastPosted, lastPostText());
    setControlText(kSummary, summaryText());

    const bool listed = publisherList()->count() > 0;
    showControl(kCreateReturnFile, listed);
    showControl(kViewReportList, listed);
    showControl(kLimitToMissing, store_.publisherCount() != 0);
}

void CMainDlg::onOk() {
    post();
}

void CMainDlg::onCancel() {
    exitAction();
}

void CMainDlg::onListDoubleClicked(int id) {
    if (id == kPublisherList)
        post();
}

void CMainDlg::onListSelectionChanged(int id) {
    if (id == kPublisherList)
        showSelection();
}

void CMainDlg::onCommand(int id) {
    switch (id) {
    case kLoadNewList:
        loadNewList();
        break;
    case kCreateReturnFile:
        createReturnFile();
        break;
    case kViewReportList:
        viewReportList();
        break;
    case kLimitToMissing:
        limitListToMissing();
        break;
    case kDial:
        dial();
        break;
    case kNextPhone:
        nextPhoneNumber();
        break;
    case kHelp:
        showHelp();
        break;
    case kSendReminder:
        sendReminder();
        break;
    case kPreviewReminder:
        previewReminder();
        break;
    default:
        break;
    }
}

void CMainDlg::post() {
    if (publisherList()->count() == 0 || selectedRecord() == 0)
        return;
    if (store_.incomplete()) {
        const std::string text = fillArguments(loadText(TextId::IncompleteNoPosting),
                                               {pathText(absolutePath(store_.filePath()))});
        messageBox(QString::fromStdString(text), MessageButtons::Ok, MessageIcon::Warning, this);
        focusList();
        return;
    }
    currentIndex_ = publisherList()->currentRow();
    const int record = selectedRecord();
    PostUndo::Post before = PostUndo::before(store_, record);
    int postedMonth = -1;
    {
        ReportEntryDialog entry(*this, this);
        entry.setRecordIndex(record);
        entry.runModal();
        postedMonth = entry.postedMonth();
    }
    // A signal or the end of the session may have run the exit action while a dialog was open.
    if (exited_)
        return;
    if (postedMonth >= 0)
        undo_.push(std::move(before), postedMonth);
    // However the dialog ended, a remark it handed to the store may have made the report
    // present: the counts and the selection's contacts are brought up to date either way.
    updateStatus();
    if (limitToMissing_) {
        fillList();
    } else {
        if (QListWidgetItem* line = publisherList()->currentItem())
            markLine(line, record);
        showSelection();
        focusList();
    }
}

void CMainDlg::saveNow() {
    if (!exited_)
        store_.saveBack();
}

void CMainDlg::writeBackBeforeClosing() {
    if (store_.saveBack() != SaveResult::Failed || !store_.hasUnsavedChanges())
        return;
    // With no folder fit for it, the message names the one it should have gone to.
    std::filesystem::path folder = usableRecoveryFolder(store_.filePath());
    if (const std::vector<std::filesystem::path> folders = recoveryFolders(store_.filePath());
        folder.empty() && !folders.empty())
        folder = folders.front();
    store_.saveRecovery(folder, monthName(store_.month()));
}

void CMainDlg::exitAction() {
    if (exited_)
        return;
    exited_ = true;
    // Everything is written before anything is said: a message may wait for ever, and the
    // end of the session or a second signal must not lose what the first one saved.
    DeferredStoreMessages deferred;
    store_.setMessages(&deferred);
    writeBackBeforeClosing();
    store_.setMessages(&messages_);
    if (store_.allocated())
        store_.releaseStore();
    bool stored = settings_.write({toQString(store_.filePath()), recordText(store_.lastPosted())});
    stored = settings_.storeWindowSize(kMainWindowName, size()) && stored;
    for (const StoreEvent& event : deferred.toShow()) {
        if (quietExit_)
            break;
        messages_.notify(event);
    }
    if (!quietExit_)
        settingsStored(stored);
    endDialog(kIdCancel);
}

void CMainDlg::settingsStored(bool stored) {
    if (stored || settingsFailureTold_)
        return;
    settingsFailureTold_ = true;
    messageBox(loadUiText(TextId::SettingsNotStored, {settings_.location()}), MessageButtons::Ok,
               MessageIcon::Warning, this);
}

void CMainDlg::closeModalWindows() {
    if (QWidget* popup = QApplication::activePopupWidget())
        popup->close();
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget* window : windows) {
        auto* dialog = qobject_cast<QDialog*>(window);
        if (dialog && dialog != this && dialog->isVisible() && dialog->isModal())
            dialog->reject();
    }
}

void CMainDlg::requestExit(ExitMessages messages) {
    // A second request while the exit action speaks ends it without another word.
    if (messages == ExitMessages::Quiet || exited_)
        quietExit_ = true;
    closeModalWindows();
    exitAction();
}

void CMainDlg::announceRecoveredCollections() {
    const QStringList announced = settings_.announcedRecoveries();
    QStringList names;
    for (const std::filesystem::path& folder : privateRecoveryFolders()) {
        bool anyNew = false;
        for (const std::filesystem::path& name : recoveredCollections(folder)) {
            names << toQString(name);
            anyNew = anyNew || !announced.contains(names.back());
        }
        if (anyNew) {
            messageBox(QString::fromStdString(fillArguments(
                           loadText(TextId::RecoveredCollectionsFound), {pathText(folder)})),
                       MessageButtons::Ok, MessageIcon::Information, this);
        }
    }
    if (names != announced)
        settingsStored(settings_.setAnnouncedRecoveries(names));
}

void CMainDlg::limitListToMissing() {
    limitToMissing_ = checkBox(kLimitToMissing)->isChecked();
    fillList();
}

void CMainDlg::nextPhoneNumber() {
    if (contacts_.count == 0)
        return;
    phoneIndex_ = (phoneIndex_ + 1) % contacts_.count;
    showPhoneNumber();
    focusList();
}

// The number shown is the one Dial dials, so a screen reader hears it with the button.
void CMainDlg::showPhoneNumber() {
    const QString number =
        phoneIndex_ < contacts_.count
            ? recordText(contacts_.numbers[static_cast<std::size_t>(phoneIndex_)])
            : QString();
    setControlText(kPhoneNumber, number);
    control(kDial)->setAccessibleDescription(number);
}

void CMainDlg::showHelp() {
    if (messageBoxOffering(tipsText(), {loadUiText(TextId::GuideButton)}, this,
                           MessageIcon::Information) == 0)
        CGuideWindow::show("open", this);
    focusList();
}

void CMainDlg::showAbout() {
    CAboutDlg about(this);
    about.runModal();
    focusList();
}

void CMainDlg::offerAboutInSystemMenu() {
#ifdef Q_OS_WIN
    if (const QString text = loadUiText(TextId::AboutMenu); !text.isEmpty())
        platform::setSystemMenuCommand(winId(), kAboutCommand, text.toStdWString());
#endif
}

#ifdef Q_OS_WIN
bool CMainDlg::nativeEvent(const QByteArray& eventType, void* message, qintptr* result) {
    if (platform::isSystemMenuCommand(message, kAboutCommand)) {
        showAbout();
        *result = 0;
        return true;
    }
    return CBaseDialog::nativeEvent(eventType, message, result);
}
#endif

void CMainDlg::contextMenuEvent(QContextMenuEvent* event) {
    showContextMenu(event->globalPos());
}

void CMainDlg::showContextMenu(const QPoint& globalPos) {
    QMenu menu(this);
    QAction* undo = menu.addAction(undoCommandText());
    undo->setShortcut(QKeySequence::Undo);
    undo->setEnabled(!undo_.empty());
    connect(undo, &QAction::triggered, this, [this] { undoLastPost(); });
    QAction* year = menu.addAction(loadUiText(TextId::GroupYearMenu));
    year->setShortcut(QKeySequence(kGroupYearKeys));
    year->setEnabled(store_.publisherCount() > 0);
    connect(year, &QAction::triggered, this, [this] { showGroupYear(); });
    menu.addSeparator();
    const QString aboutText = loadUiText(TextId::AboutMenu);
    QAction* about = aboutText.isEmpty() ? nullptr : menu.addAction(aboutText);
    // Each language in its own name, so that a user who cannot read the current one finds his.
    QAction* remindAll = menu.addAction(loadUiText(TextId::RemindAllMissingMenu));
    remindAll->setShortcut(QKeySequence(kRemindAllKeys));
    remindAll->setVisible(store_.publisherCount() > 1);
    QAction* mailSettings = menu.addAction(loadUiText(TextId::MailSettingsMenu));
    QMenu* languageMenu = menu.addMenu(loadUiText(TextId::LanguageMenu));
    QActionGroup group(languageMenu);
    for (const Language& language : languages()) {
        QAction* action = languageMenu->addAction(QString::fromUtf8(language.nativeName));
        action->setCheckable(true);
        action->setChecked(&language == &currentLanguage());
        action->setActionGroup(&group);
        connect(action, &QAction::triggered, this, [this, &language] { switchLanguage(language); });
    }
    QAction* chosen = menu.exec(globalPos);
    if (!chosen) {
        focusList();
    } else if (chosen == about) {
        showAbout();
    } else if (chosen == remindAll) {
        remindAllMissing();
    } else if (chosen == mailSettings) {
        showMailSettings();
    } else {
        focusList();
    }
}

void CMainDlg::switchLanguage(const Language& language) {
    applyInterfaceLanguage(language);
    const bool stored = settings_.storeLanguage(QString::fromUtf8(language.code));
    store_.setLanguage(loadText(TextId::LanguageCode), codePageOf(language));
    applyTemplateTexts();
    nameSignButtons();
    offerAboutInSystemMenu();
    if (statusShown_) {
        fillList();
        updateStatus();
    } else {
        setAccessibleCaption(kPublisherList, windowTitle());
        setControlText(kSummary, summaryText());
    }
    settingsStored(stored);
}

void CMainDlg::showGroupYear() {
    if (exited_ || store_.publisherCount() == 0)
        return;
    CGroupYearDlg year(store_, this);
    runAtKeptSize(year, kGroupYearName);
}

void CMainDlg::viewReportList() {
    CCollectionViewDlg viewer(*this, this);
    viewer.setMonth(store_.month());
    runAtKeptSize(viewer, kViewerName);
}

template <class Window> void CMainDlg::runAtKeptSize(Window& window, const QString& name) {
    window.restoreSize(settings_.windowSize(name));
    window.exec();
    // A signal or the end of the session may have run the exit action while the window was open.
    if (exited_)
        return;
    settingsStored(settings_.storeWindowSize(name, window.size()));
    focusList();
}

} // namespace kolekt
