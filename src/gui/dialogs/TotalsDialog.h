#pragma once

#include "core/reports/Totals.h"
#include "core/reports/TripWeights.h"
#include "gui/dialogs/TotalsChart.h"

#include <QDialog>

#include <vector>

class QListWidget;

// The ticked weight of each run of a category and the grand total: the lines in a fixed-width list box,
// under them the trip weights, and beside them the same runs as a bar chart split by the trip weights.
class TotalsDialog : public QDialog
{
    Q_OBJECT
public:
    // tripWeights: of the whole list; runSplits: of each run, as tripWeightsByRun gives them.
    TotalsDialog(const cairnly::CategoryTotals& totals, const cairnly::WeightSplit& tripWeights,
                 std::vector<cairnly::WeightSplit> runSplits, bool metric, TotalsChart::Colors colors,
                 QWidget* parent = nullptr);
};
