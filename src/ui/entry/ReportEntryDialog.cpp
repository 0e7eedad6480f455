#include "ui/entry/ReportEntryDialog.h"

#include "collection/CollectionStore.h"
#include "collection/MonthOverview.h"
#include "resources/EntryDialogTemplate.h"
#include "resources/TextTables.h"
#include "ui/common/IntegerExchange.h"
#include "ui/common/MessageBox.h"
#include "ui/common/RecordText.h"
#include "ui/common/StandardControls.h"
#include "ui/common/StoreOwner.h"
#include "ui/common/UiText.h"
#include "ui/entry/EntryEdit.h"
#include "ui/entry/EntryRules.h"
#include "ui/entry/HistoryLines.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <algorithm>
#include <iterator>

namespace kolekt {

namespace {

using namespace entry_id;

constexpr int kMaxStudies = 63;
constexpr long long kMaxHours = 0xFFFF;
// A month has at most 31 days of 24 hours.
constexpr long long kMaxMonthHours = 744;

enum RemarkMode { kNoRemark = 0, kRemarkOpen = 1, kRemarkJustEnded = 2 };

constexpr int kValueEdits[] = {kPlacements, kVideos, kHours, kReturnVisits, kStudies};
constexpr int kValueCaptions[] = {kPlacementsCaption, kVideosCaption, kHoursCaption,
                                  kReturnVisitsCaption, kStudiesCaption};
constexpr TextId kValueCaptionTexts[] = {TextId::PlacementsHeading, TextId::VideosHeading,
                                         TextId::HoursHeading, TextId::ReturnVisitsHeading,
                                         TextId::StudiesHeading};

QWidget* createEntryControl(const ControlTemplate& control, QWidget* parent) {
    if (std::find(std::begin(kValueEdits), std::end(kValueEdits), control.id) ==
        std::end(kValueEdits)) {
        return nullptr;
    }
    // "Shared in Ministry" stands left of the hours field on screen, so Right leads back to it.
    return new EntryEdit(control.id == kHours ? kShared : kNoId, parent);
}

QString fromText(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

} // namespace

ReportEntryDialog::ReportEntryDialog(StoreOwner& owner, QWidget* ownerWindow)
    : CBaseDialog(kEntryDialogTemplate, ownerWindow, createEntryControl), owner_(owner),
      store_(owner.store()) {
    setHelpSection("posting");
    // A click on Cancel must not first take the focus from an open remark field: losing the
    // focus ends the remark and stores it, and Cancel is to store nothing. Tab still reaches it.
    button(kCancel)->setFocusPolicy(Qt::TabFocus);
    // The remark field has no caption of its own; the button that opens it names it.
    control(kRemarkField)->setAccessibleName(withoutMnemonic(controlText(kRemarks)));
    // The field takes no more than a remark record holds, and says how much room is left.
    auto* remarkField = edit(kRemarkField);
    remarkField->setMaxLength(static_cast<int>(layout::kRemarkTextSize));
    connect(remarkField, &QLineEdit::textChanged, this, [this] { showRemarkRoom(); });
}

QString ReportEntryDialog::monthName(int month, bool inSentence) const {
    return fromText(kolekt::monthName(month, inSentence, store_.languageCode()));
}

int ReportEntryDialog::slotStatus(int month) const {
    return workingRecord_[layout::monthStatusOffset(layout::slotIndex(month, yearSlot_))] &
           layout::kStatusMask;
}

int ReportEntryDialog::hoursFieldValue() const {
    return static_cast<int>(leadingNumber(controlText(kHours), kMaxHours + 1));
}

void ReportEntryDialog::showPair(int editId, int captionId, bool visible) {
    showControl(editId, visible);
    showControl(captionId, visible);
}

bool ReportEntryDialog::initDialog() {
    editMonth_ = store_.month();
    yearSlot_ = store_.yearSlot();

    const QString name = fromRecordText(store_.formatName(recordIndex_, false), store_.codePage());
    setWindowTitle(name);
    setControlText(kName, name);

    QListWidget* months = listBox(kMonthList);
    {
        const QSignalBlocker quiet(months);
        months->clear();
        // Oldest first, ending at the collection month: the months after it in the calendar
        // are those of the year before, and each line says which year it stands for.
        const int year = collectionYear(store_);
        const int collectionMonth = store_.month();
        for (int row = 0; row < 12; ++row) {
            const int month = (collectionMonth + 1 + row) % 12;
            auto* line =
                new QListWidgetItem(monthName(month, false) + u' ' +
                                    QString::number(month > collectionMonth ? year - 1 : year));
            line->setData(Qt::UserRole, month);
            months->addItem(line);
        }
        months->setCurrentRow(11);
    }
    showControl(kMonthList, false);
    showControl(kCloseMonthList, false);
    showControl(kRemarkField, false);
    showControl(kRemarkRoom, false);

    QListWidget* history = listBox(kHistory);
    history->addItems(historyLines(store_, recordIndex_));
    history->setAccessibleName(loadUiText(TextId::HistoryCaption));

    workingRecord_.fill(0);
    std::copy_n(store_.record(recordIndex_), layout::kRecordSize, workingRecord_.begin());

    const QFont variablePitch = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    control(kChangeMonth)->setFont(variablePitch);
    setControlText(kChangeMonth, loadUiText(TextId::ChangeMonthButton));

    control(kShared)->setToolTip(loadUiText(TextId::SharedTip));

    loadMonth();

    focusControl(kShared);
    return false;
}

void ReportEntryDialog::applyFieldLayout() {
    for (std::size_t i = 0; i < std::size(kValueEdits); ++i) {
        showPair(kValueEdits[i], kValueCaptions[i], false);
    }
    const bool shared = checkBox(kShared)->isChecked();
    showPair(kHours, kHoursCaption, shared && draft_.hoursOffered);
    showPair(kStudies, kStudiesCaption, shared);
    showControl(kUnderOneHour, false);
    showControl(kShared, true);
}

void ReportEntryDialog::loadMonth() {
    const QFont variablePitch = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    for (std::size_t i = 0; i < std::size(kValueCaptions); ++i) {
        control(kValueCaptions[i])->setFont(variablePitch);
        setControlText(kValueCaptions[i], loadUiText(kValueCaptionTexts[i]));
    }
    setControlText(kMonthName, monthName(editMonth_, false));

    draft_ = {};
    draft_.fields = entry::readSlot(workingRecord_.data(), slot());
    const entry::SlotFields& fields = draft_.fields;
    draft_.hoursOffered = fields.status != 0 || fields.hours != 0;

    // Only an existing remark is read here; a number is reserved when a remark is actually typed.
    const RemarkLookup lookup = store_.remarkFor(recordIndex_, editMonth_, yearSlot_);
    draft_.remarkNumber = lookup.number;
    draft_.remark = entry::trimmed(lookup.text);

    updateAddedHours(fields.hours);

    setInt(kVideos, fields.videos);
    setInt(kPlacements, fields.placements);
    setInt(kReturnVisits, fields.returnVisits);
    setInt(kStudies, fields.studies);
    setInt(kHours, fields.hours);
    // Hours or studies are stored as shared in any case; the box says so and the fields show
    // them, whichever month is shown.
    draft_.fields.shared = fields.shared || fields.hours != 0 || fields.studies != 0;
    checkBox(kShared)->setChecked(draft_.fields.shared);
    applyFieldLayout();

    showStatusLines();
    showWarnings();
}

void ReportEntryDialog::showStatusLines() {
    const int status = slotStatus(editMonth_);
    setControlText(kPioneerStatus, loadUiText(pioneerStatusText(status)));
    if (status <= layout::AuxiliaryPioneer) {
        checkBox(kAuxiliaryPioneer)->setChecked(status == layout::AuxiliaryPioneer);
        showControl(kAuxiliaryPioneer, true);
        showControl(kPioneerStatus, false);
    }
    const int privilege = workingRecord_[layout::kPrivilege] & layout::kPrivilegeMask;
    setControlText(kPrivilege, loadUiText(privilegeText(privilege)));
    const auto group = static_cast<std::int8_t>(workingRecord_[layout::kPublisherGroup]);
    setControlText(kGroup, loadUiText(TextId::Group) + QLatin1Char(' ') + QString::number(group));
    showControl(kAddedHours, status == layout::RegularPioneer);
}

void ReportEntryDialog::showWarnings() {
    entry::WarningFacts facts;
    facts.collectionMonth = store_.month();
    facts.editMonth = editMonth_;
    facts.posted = !store_.isReportMissing(recordIndex_, editMonth_, yearSlot_);
    facts.collectionStatus = slotStatus(store_.month());
    facts.editStatus = slotStatus(editMonth_);
    facts.monthListOpen = monthListOpen_;
    facts.lateFlag = store_.hasLateFlag(recordIndex_, editMonth_);
    facts.languageCode = store_.languageCode();
    facts.publisherName =
        fromRecordText(store_.formatName(recordIndex_, false), store_.codePage()).toStdString();

    const entry::WarningPanel panel = entry::composeWarnings(facts);
    lateReport_ = panel.lateReport;
    notIncluded_ = panel.notIncluded;
    control(kWarnings)->setFont(QFontDatabase::systemFont(QFontDatabase::GeneralFont));
    setControlText(kWarnings, fromText(panel.text));
}

void ReportEntryDialog::onCommand(int id) {
    switch (id) {
    case kShared:
        sharedClicked();
        break;
    case kAuxiliaryPioneer:
        auxiliaryClicked();
        break;
    case kChangeMonth:
        openMonthList();
        break;
    case kCloseMonthList:
        closeMonthList();
        break;
    case kRemarks:
        openRemark();
        break;
    default:
        CBaseDialog::onCommand(id);
        break;
    }
}

// Unticking only hides the fields: what they show or what was typed comes back with the tick,
// and storing without it stores zeros.
void ReportEntryDialog::sharedClicked() {
    draft_.fields.shared = checkBox(kShared)->isChecked();
    applyFieldLayout();
    remarkMode_ = kNoRemark;
}

void ReportEntryDialog::auxiliaryClicked() {
    draft_.hoursOffered = checkBox(kAuxiliaryPioneer)->isChecked();
    sharedClicked();
}

void ReportEntryDialog::openMonthList() {
    monthListOpen_ = true;
    showControl(kMonthList, true);
    showControl(kCloseMonthList, true);
    button(kCloseMonthList)->setDefault(false);
    // The list takes the focus before the buttons around it disappear, so that hiding a focused
    // button does not hand the focus to some other field first.
    focusControl(kMonthList);
    for (const int id : {kRemarks, kAddedHours, kOk, kCancel, kChangeMonth, kGroup}) {
        showControl(id, false);
    }
}

void ReportEntryDialog::closeMonthList() {
    if (!monthListOpen_) {
        return;
    }
    monthListOpen_ = false;
    for (const int id : {kRemarks, kOk, kCancel, kChangeMonth, kGroup}) {
        showControl(id, true);
    }
    focusControl(kShared);
    showControl(kMonthList, false);
    showControl(kCloseMonthList, false);
    loadMonth();
}

void ReportEntryDialog::onListSelectionChanged(int id) {
    if (id != kMonthList || !monthListOpen_) {
        return;
    }
    const QListWidgetItem* line = listBox(kMonthList)->currentItem();
    if (!line) {
        return;
    }
    editMonth_ = line->data(Qt::UserRole).toInt();
    loadMonth();
}

void ReportEntryDialog::onListDoubleClicked(int id) {
    if (id == kMonthList) {
        closeMonthList();
    }
}

void ReportEntryDialog::onFocusLost(int id) {
    // Once the dialog has ended nothing more is handed to the store.
    if (ended_) {
        return;
    }
    if (id == kMonthList) {
        closeMonthList();
    } else if (id == kRemarkField) {
        closeRemark();
    } else if (id == kHours) {
        updateAddedHours(hoursFieldValue());
    }
}

void ReportEntryDialog::openRemark() {
    remarkMode_ = kRemarkOpen;
    showControl(kChangeMonth, false);
    showControl(kRemarkField, true);
    showControl(kRemarkRoom, true);
    setControlText(kRemarkField, fromRecordText(draft_.remark, store_.codePage()));
    showRemarkRoom();
    focusControl(kRemarkField);
}

void ReportEntryDialog::showRemarkRoom() {
    const auto left = static_cast<int>(layout::kRemarkTextSize) -
                      static_cast<int>(controlText(kRemarkField).size());
    const QString room = loadUiText(TextId::RemarkRoomLeft, {QString::number(left)});
    setControlText(kRemarkRoom, room);
    control(kRemarkField)->setAccessibleDescription(room);
}

void ReportEntryDialog::closeRemark() {
    if (!isControlShown(kRemarkField) || !remarkTextAccepted()) {
        return;
    }
    const QString text = controlText(kRemarkField);
    showControl(kRemarkField, false);
    showControl(kRemarkRoom, false);
    showControl(kChangeMonth, true);

    std::string& remark = draft_.remark;
    int& remarkNumber = draft_.remarkNumber;
    remark = toRecordText(text, store_.codePage(), layout::kRemarkTextSize);
    const bool storable = !remark.empty() && remark.front() != ' ';
    if (storable && remarkNumber == 0) {
        remarkNumber = store_.reserveRemarkNumber();
    }
    bool stored = false;
    // Without a number (all are in use, message already shown) there is nowhere to put the text.
    if (remarkNumber != 0 || !storable) {
        stored = store_.storeRemark(recordIndex_, editMonth_, yearSlot_, remarkNumber, remark);
        // The store takes no text once all numbers are handed out, the last one included: say
        // so rather than let the typed remark vanish without a word.
        if (storable && !stored) {
            messageBox(loadUiText(TextId::OutOfSpaceForRemarks), MessageButtons::Ok,
                       MessageIcon::Warning, this);
        }
    }
    layout::writeWord(workingRecord_.data(), layout::remarkNumberOffset(slot()),
                      static_cast<std::uint16_t>(stored ? remarkNumber : 0));
    if (text.trimmed().isEmpty()) {
        draft_.fields.addedHours = 0;
    }
    updateAddedHours(hoursFieldValue());
    onOk();
}

bool ReportEntryDialog::remarkTextAccepted() {
    const QString text = controlText(kRemarkField);
    const QString notHeld = charactersNotHeld(text, store_.codePage());
    if (notHeld.isEmpty() || text == acceptedRemark_) {
        return true;
    }
    const QString question = loadUiText(TextId::RemarkCharactersNotHeld,
                                        {notHeld, QString::fromStdString(store_.codePage())});
    if (messageBox(question, MessageButtons::YesNo, MessageIcon::Warning, this) ==
        MessageAnswer::Yes) {
        acceptedRemark_ = text;
        return true;
    }
    remarkMode_ = kRemarkOpen;
    focusControl(kRemarkField);
    return false;
}

void ReportEntryDialog::updateAddedHours(int hours) {
    if (slotStatus(editMonth_) != layout::RegularPioneer) {
        return;
    }
    int& added = draft_.fields.addedHours;
    added = entry::updateAddedHours(hours, added, draft_.remark,
                                    toRecordText(loadUiText(TextId::Hours), store_.codePage()));
    setControlText(kAddedHours, fromText(entry::addedHoursCaption(added)));
}

void ReportEntryDialog::endRemarkEntry() {
    if (!remarkTextAccepted()) {
        return;
    }
    remarkMode_ = kRemarkJustEnded;
    updateAddedHours(hoursFieldValue());
    layout::writeWord(workingRecord_.data(), layout::addedHoursOffset(slot()),
                      static_cast<std::uint16_t>(draft_.fields.addedHours));
    // Leaving the field closes it; closing it here too covers a window that has no focus events.
    focusControl(kShared);
    closeRemark();
}

void ReportEntryDialog::onOk() {
    if (remarkMode_ == kRemarkJustEnded) {
        remarkMode_ = kNoRemark;
        return;
    }
    if (remarkMode_ == kRemarkOpen) {
        endRemarkEntry();
        return;
    }
    const int focused = focusedId();
    if (focused != kOk && focused != kStudies) {
        moveFocusInTemplateOrder(true);
        return;
    }
    storeReport();
}

void ReportEntryDialog::storeReport() {
    // Placements, videos and return visits are never shown: they carry their stored values
    // through as they are, so a value out of range cannot block storing.
    entry::SlotFields& fields = draft_.fields;
    fields.shared = checkBox(kShared)->isChecked();
    if (fields.shared) {
        if (!exchangeInt(kStudies, fields.studies, 0, kMaxStudies) || !checkHours()) {
            return;
        }
    } else {
        fields.hours = 0;
        fields.studies = 0;
    }
    fields.shared = entry::storeFields(workingRecord_.data(), slot(), fields, fields.shared,
                                       checkBox(kAuxiliaryPioneer)->isChecked());
    commitRecord();
    ended_ = true;
    endDialog(kIdOk);
}

bool ReportEntryDialog::checkHours() {
    // Hours go into a 16-bit word and no month has more than 744; a larger number already in
    // the file is the secretary's and is kept as it is.
    const long long hours = leadingNumber(controlText(kHours), kMaxHours + 1);
    const int stored = entry::readSlot(workingRecord_.data(), slot()).hours;
    if (hours > kMaxMonthHours && hours != stored) {
        refuseOutOfRange(kHours, 0, kMaxMonthHours);
        return false;
    }
    draft_.fields.hours = static_cast<int>(hours);
    return true;
}

void ReportEntryDialog::commitRecord() {
    std::copy(workingRecord_.begin(), workingRecord_.end(), store_.record(recordIndex_));
    if (lateReport_ && !notIncluded_) {
        store_.setLateFlag(recordIndex_, editMonth_);
    }
    store_.setLastPosted(store_.formatName(recordIndex_, false));
    postedMonth_ = editMonth_;
    // Written to disk at once, so that nothing posted is lost if the program dies later.
    owner_.saveNow();
    owner_.updateStatus();
}

void ReportEntryDialog::onCancel() {
    ended_ = true;
    CBaseDialog::onCancel();
}

} // namespace kolekt
