// The group's year: every publisher down in the list's order, the last twelve months across,
// what each reported, the counts of each month and a small chart of them; printed or saved as a
// PDF like the form. Nothing in the collection changes.
#pragma once

#include <QDialog>

class QTableWidget;

namespace kolekt {

class CollectionStore;
class CYearChart;

class CGroupYearDlg : public QDialog {
    Q_OBJECT

public:
    CGroupYearDlg(const CollectionStore& store, QWidget* owner);

    QTableWidget* table() const { return table_; }
    CYearChart* chart() const { return chart_; }

    // A size kept from an earlier run, no larger than the screen and no smaller than the least
    // the window needs; an empty size keeps the default.
    void restoreSize(const QSize& size);

    // On the current printer, as the viewer prints the form.
    void print();
    void printSetup();
    // Asks where, then writes the PDF in one piece.
    void saveAsPdf();

private:
    void fill();
    QString suggestedPdfPath() const;

    const CollectionStore& store_;
    QTableWidget* table_ = nullptr;
    CYearChart* chart_ = nullptr;
};

} // namespace kolekt
