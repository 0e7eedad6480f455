// The numeric entry field of the report entry dialog: digits, '.' and Backspace
// are typed as usual, Space turns the field into a selected "0", every other
// character is dropped, and Left and Right move between the dialog's fields.
#pragma once

#include <QLineEdit>

namespace kolekt {

class EntryEdit : public QLineEdit {
    Q_OBJECT

public:
    // rightTargetId: the control that Right moves to, or kNoId for the next field in
    // template order.
    EntryEdit(int rightTargetId, QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void replaceWithZero();

    int rightTarget_;
};

} // namespace kolekt
