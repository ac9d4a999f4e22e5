#pragma once

#include "core/reports/Totals.h"

#include <QColor>
#include <QWidget>

#include <vector>

// The runs of the Totals lines as horizontal bars, for people who would rather look than read: one band
// per run in the list's alternating colours, its name and weight above a bar in the group colour, the
// heaviest run filling the width.
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
    // The run's bar; empty for a run of no weight.
    QRect barRect(int run) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRect bandRect(int run) const;
    int bandHeight() const;

    std::vector<cairnly::CategoryRun> runs;
    bool metric;
    Colors colors;
    float heaviest = 0;
};
