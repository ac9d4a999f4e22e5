#pragma once

#include "core/reports/Totals.h"
#include "core/reports/TripWeights.h"

#include <QColor>
#include <QWidget>

#include <vector>

// The runs of the Totals lines as horizontal bars, for people who would rather look than read: one band
// per run in the list's alternating colours, its name and weight above a bar, the heaviest run filling
// the width. A bar is split into the run's base weight in the group colour, its consumables and its worn
// gear, each in a colour of its own.
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
    // The run's bar; empty for a run of no weight.
    QRect barRect(int run) const;
    // The part of the run's bar; empty for a part of no weight.
    QRect partRect(int run, Part part) const;
    // A row of the three colours with their names, to put beside the chart.
    static QWidget* legend(const Colors& colors, QWidget* parent);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRect bandRect(int run) const;
    int bandHeight() const;

    std::vector<cairnly::CategoryRun> runs;
    std::vector<cairnly::WeightSplit> splits;
    bool metric;
    Colors colors;
    float heaviest = 0;
};
