#include "ui/viewer/CYearChart.h"

#include "ui/common/UiText.h"

#include <QPainter>
#include <algorithm>

namespace kolekt {

using namespace Qt::StringLiterals;

CYearChart::CYearChart(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::TabFocus);
    setAccessibleName(loadUiText(TextId::YearChartName));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void CYearChart::setCounts(const QStringList& headings, const std::vector<int>& counts, int total) {
    headings_ = headings;
    counts_ = counts;
    total_ = total;
    QStringList numbers;
    for (std::size_t m = 0; m < counts_.size() && m < static_cast<std::size_t>(headings_.size());
         ++m)
        numbers << headings_[static_cast<qsizetype>(m)] + u": "_s + QString::number(counts_[m]);
    setAccessibleDescription(numbers.join(u", "_s));
    update();
}

QSize CYearChart::sizeHint() const {
    return {480, 6 * fontMetrics().height()};
}

// Drawn in the palette's own colours, so that a dark or high-contrast theme shows it too; the
// count above each bar tells what its height means.
void CYearChart::paintEvent(QPaintEvent*) {
    if (counts_.empty())
        return;
    QPainter painter(this);
    const int line = fontMetrics().height();
    const int columns = static_cast<int>(counts_.size());
    const int width = std::max(1, rect().width() / columns);
    const int barRoom = std::max(1, rect().height() - 2 * line);
    const int total = std::max(1, total_);
    for (int m = 0; m < columns; ++m) {
        const int x = m * width;
        const int bar = barRoom * counts_[static_cast<std::size_t>(m)] / total;
        const QRect barRect(x + width / 5, line + barRoom - bar, width - 2 * (width / 5), bar);
        painter.fillRect(barRect, palette().highlight());
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawRect(barRect);
        painter.drawText(QRect(x, line + barRoom - bar - line, width, line), Qt::AlignCenter,
                         QString::number(counts_[static_cast<std::size_t>(m)]));
        painter.drawText(QRect(x, rect().height() - line, width, line), Qt::AlignCenter,
                         headings_.value(m));
    }
}

} // namespace kolekt
