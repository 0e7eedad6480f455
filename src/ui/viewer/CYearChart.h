// A small bar chart of how many publishers reported in each of the twelve months. A screen
// reader gets the numbers from its description, since the bars say nothing to it.
#pragma once

#include <QStringList>
#include <QWidget>
#include <vector>

namespace kolekt {

class CYearChart : public QWidget {
    Q_OBJECT

public:
    explicit CYearChart(QWidget* parent = nullptr);

    // One heading and one count per month, oldest first, out of total publishers.
    void setCounts(const QStringList& headings, const std::vector<int>& counts, int total);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QStringList headings_;
    std::vector<int> counts_;
    int total_ = 0;
};

} // namespace kolekt
