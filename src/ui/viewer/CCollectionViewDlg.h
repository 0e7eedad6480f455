// The viewer of the report collection list: 18 publishers at a time on
// screen, paging, printing the whole form and the application's Print Setup.
#pragma once

#include "ui/common/BaseDialog.h"

namespace kolekt {

class CPreviewPane;
class StoreOwner;

namespace report {
class Surface;
}

class CCollectionViewDlg : public CBaseDialog {
    Q_OBJECT

public:
    CCollectionViewDlg(StoreOwner& owner, QWidget* ownerWindow);

    // The collection month, 0 = January; set before the dialog runs.
    void setMonth(int month) { month_ = month; }
    int month() const { return month_; }

    // The current view: publishers first + 1 .. first + min(end - first, 18) of total.
    int total() const { return total_; }
    int first() const { return first_; }
    int end() const { return end_; }
    CPreviewPane* pane() const { return pane_; }

    void paintPreview(int x, int y, int w, int h, report::Surface& surface);

    void onNextPage();
    void onPrevPage();
    // Prints every page of the form on the current printer, whatever the view shows.
    void onPrint();
    void onPrintSetup();

protected:
    bool initDialog() override;
    void onCommand(int id) override;

private:
    void updatePageButtons();

    StoreOwner& owner_;
    int month_ = 0;
    CPreviewPane* pane_ = nullptr;
    int total_ = 0;
    int first_ = 0;
    int end_ = 0;
};

} // namespace kolekt
