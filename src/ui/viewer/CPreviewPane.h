// The viewer's preview: an owner-drawn button whose only job is painting the
// dialog's current view.
#pragma once

#include <QAbstractButton>
#include <functional>

namespace kolekt {

namespace report {
class Surface;
}

class CPreviewPane : public QAbstractButton {
    Q_OBJECT

public:
    // Draws into the rectangle with top-left (x, y), width w and height h.
    using PaintHandler = std::function<void(report::Surface&, int x, int y, int w, int h)>;

    explicit CPreviewPane(QWidget* parent);

    void setPaintHandler(PaintHandler handler) { handler_ = std::move(handler); }
    // Forgets the measured size; the next paint measures the pane again.
    void clearSizeKnown() { sizeKnown_ = false; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    PaintHandler handler_;
    bool sizeKnown_ = false;
    QRect paneRect_;
};

} // namespace kolekt
