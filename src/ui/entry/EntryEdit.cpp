#include "ui/entry/EntryEdit.h"

#include "ui/common/BaseDialog.h"

#include <QKeyEvent>

namespace kolekt {

EntryEdit::EntryEdit(int rightTargetId, QWidget* parent)
    : QLineEdit(parent), rightTarget_(rightTargetId) {}

void EntryEdit::keyPressEvent(QKeyEvent* event) {
    auto* dialog = qobject_cast<CBaseDialog*>(window());
    switch (event->key()) {
    case Qt::Key_Left:
        if (dialog) {
            dialog->moveFocusInTemplateOrder(false);
        }
        return;
    case Qt::Key_Right:
        if (dialog) {
            rightTarget_ == kNoId ? dialog->moveFocusInTemplateOrder(true)
                                  : dialog->focusControl(rightTarget_);
        }
        return;
    // The dialog's own keys and Backspace keep their usual meaning.
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Backspace:
        QLineEdit::keyPressEvent(event);
        return;
    default:
        break;
    }

    const QString text = event->text();
    if (text.isEmpty()) {
        // Keys that type nothing (Home, End, Delete, ...) edit as usual.
        QLineEdit::keyPressEvent(event);
        return;
    }
    if (text == QLatin1String(" ")) {
        replaceWithZero();
        return;
    }
    if (text.size() == 1 && (text[0].isDigit() || text[0] == QLatin1Char('.')) &&
        text[0].unicode() < 0x80) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    // Letters, signs and control characters are dropped.
    event->accept();
}

void EntryEdit::replaceWithZero() {
    selectAll();
    insert(QStringLiteral("0"));
    selectAll();
}

} // namespace kolekt
