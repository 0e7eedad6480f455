// The report entry dialog: one publisher's report for one month, entered with
// the keyboard on a private copy of the publisher record that is written back
// in one piece when the report is stored.
#pragma once

#include "collection/FileLayout.h"
#include "ui/common/BaseDialog.h"
#include "ui/entry/ReportDraft.h"

#include <array>
#include <cstdint>

namespace kolekt {

class CollectionStore;
class StoreOwner;

class ReportEntryDialog : public CBaseDialog {
    Q_OBJECT

public:
    ReportEntryDialog(StoreOwner& owner, QWidget* ownerWindow);

    // The publisher's record number (1..N); set before the dialog runs.
    void setRecordIndex(int recordIndex) { recordIndex_ = recordIndex; }
    // The month whose report the dialog stored, -1 when it stored none.
    int postedMonth() const { return postedMonth_; }

protected:
    bool initDialog() override;
    void onOk() override;
    void onCancel() override;
    void onCommand(int id) override;
    void onListDoubleClicked(int id) override;
    void onListSelectionChanged(int id) override;
    void onFocusLost(int id) override;

private:
    QString monthName(int month, bool inSentence) const;
    void applyFieldLayout();
    void loadMonth();
    void showStatusLines();
    void showWarnings();
    void openMonthList();
    void closeMonthList();
    void openRemark();
    void closeRemark();
    void sharedClicked();
    void auxiliaryClicked();
    void updateAddedHours(int hours);
    void showRemarkRoom();
    void endRemarkEntry();
    // A character the file's code page cannot hold is stored as '?': the user is told which
    // before the remark is stored, and answering No leaves the remark open to change them.
    bool remarkTextAccepted();
    void storeReport();
    bool checkHours();
    void commitRecord();

    int slot() const { return layout::slotIndex(editMonth_, yearSlot_); }
    int slotStatus(int month) const;
    int hoursFieldValue() const;
    void showPair(int editId, int captionId, bool visible);

    StoreOwner& owner_;
    CollectionStore& store_;

    entry::ReportDraft draft_;
    // The remark as typed that the user chose to store with its '?'s; not asked about again.
    QString acceptedRemark_;
    int recordIndex_ = 0;
    int postedMonth_ = -1;
    int editMonth_ = 0;
    int yearSlot_ = 0;
    int remarkMode_ = 0;
    std::array<std::uint8_t, layout::kRecordSize> workingRecord_{};
    bool lateReport_ = false;
    bool notIncluded_ = false;
    bool monthListOpen_ = false;
    bool ended_ = false;
};

} // namespace kolekt
