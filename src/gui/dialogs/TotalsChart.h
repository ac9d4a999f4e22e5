#pragma once

#include "core/reports/Totals.h"

#include <QColor>
#include <QWidget>

#include <vector>

// The runs of the Totals lines as horizontal bars, for people who would rather look than read: one row per
// line beside it, in the list's alternating colours, a bar in the group colour on each run's row and the
// heaviest run filling the width. The separator and the grand total lines have empty rows.
class TotalsChart : public QWidget
{
    Q_OBJECT
public:
    struct Colors
    {
        QColor background;
        QColor alternate;
        QColor bar;
    };

    TotalsChart(std::vector<cairnly::CategoryRun> runs, bool metric, Colors colors, QWidget* parent = nullptr);

    int runCount() const { return static_cast<int>(runs.size()); }
    // The rows take the height of the lines beside them, from the top of the contents rectangle.
    void setRowHeight(int height);
    // The row of a line: a run's, the separator's or the grand total's.
    QRect rowRect(int line) const;
    // The run's bar; empty for a run of no weight.
    QRect barRect(int run) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int lineCount() const { return runCount() + 2; }

    std::vector<cairnly::CategoryRun> runs;
    Colors colors;
    float heaviest = 0;
    int rowHeight = 16;
};
