#include "ui/viewer/CPreviewPane.h"

#include "report/QtSurface.h"

#include <QPaintEvent>
#include <QPainter>

namespace kolekt {

CPreviewPane::CPreviewPane(QWidget* parent) : QAbstractButton(parent) {
    setFocusPolicy(Qt::NoFocus);
}

void CPreviewPane::paintEvent(QPaintEvent* event) {
    if (event->region().isEmpty() || !handler_)
        return;
    // Measured once for each size the pane is given.
    if (!sizeKnown_) {
        paneRect_ = rect();
        sizeKnown_ = true;
    }
    QPainter painter(this);
    report::QtSurface surface(painter, nullptr);
    handler_(surface, paneRect_.left(), paneRect_.top(), paneRect_.width(), paneRect_.height());
}

void CPreviewPane::resizeEvent(QResizeEvent* event) {
    QAbstractButton::resizeEvent(event);
    sizeKnown_ = false;
}

} // namespace kolekt
