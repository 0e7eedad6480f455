#include "ui/common/ApplicationBusy.h"

#include <QApplication>
#include <QCursor>

namespace kolekt {

ApplicationBusy::ApplicationBusy() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    focus_ = QApplication::focusWidget();
    if (QWidget* active = QApplication::activeWindow()) {
        owner_ = active->window();
        if (owner_->isEnabled()) {
            owner_->setEnabled(false);
        } else {
            owner_ = nullptr;
        }
    }
}

ApplicationBusy::~ApplicationBusy() {
    // Keys and clicks that arrived meanwhile reach the still disabled window and
    // are dropped, instead of running commands after the request.
    QCoreApplication::processEvents();
    if (owner_ != nullptr) {
        owner_->setEnabled(true);
        owner_->activateWindow();
    }
    if (focus_ != nullptr) {
        focus_->setFocus();
    }
    QApplication::restoreOverrideCursor();
}

} // namespace kolekt
