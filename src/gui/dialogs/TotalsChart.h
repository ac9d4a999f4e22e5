#pragma once

#include "core/reports/Totals.h"
#include "core/reports/TripWeights.h"

#include <QColor>
#include <QWidget>

#include <vector>

// The runs of the Totals lines as horizontal bars, for people who would rather look than read: one row per
// line beside it, in the list's alternating colours, a bar in the group colour on each run's row and the
// heaviest run filling the width. The separator and the grand total lines have empty rows. A bar is split
// into the run's base weight in the group colour, its consumables and its worn gear, each in a colour of
// its own.
class TotalsChart : public QWidget
{
    Q_OBJECT
public:
    struct Colors
    {
        QColor background;
        QColor alternate;
        QColor bar; // the base weight
        QColor consumable = QColor(46, 139, 87);
        QColor worn = QColor(65, 105, 225);
    };
    enum class Part
    {
        Base,
        Consumable,
        Worn
    };

    // splits: one per run; a run without one is all base weight.
    TotalsChart(std::vector<cairnly::CategoryRun> runs, std::vector<cairnly::WeightSplit> splits, bool metric,
                Colors colors, QWidget* parent = nullptr);

    int runCount() const { return static_cast<int>(runs.size()); }
    // The rows take the height of the lines beside them, from the top of the contents rectangle.
    void setRowHeight(int height);
    // The row of a line: a run's, the separator's or the grand total's.
    QRect rowRect(int line) const;
    // The run's bar; empty for a run of no weight.
    QRect barRect(int run) const;
    // The part of the run's bar; empty for a part of no weight.
    QRect partRect(int run, Part part) const;
    // A row of the three colours with their names, to put under the chart.
    static QWidget* legend(const Colors& colors, QWidget* parent);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int lineCount() const { return runCount() + 2; }

    std::vector<cairnly::CategoryRun> runs;
    std::vector<cairnly::WeightSplit> splits;
    Colors colors;
    float heaviest = 0;
    int rowHeight = 16;
};
