#pragma once

#include "core/reports/Totals.h"
#include "gui/dialogs/TotalsChart.h"

#include <QDialog>

class QListWidget;

// The ticked weight of each run of a category and the grand total: the lines in a fixed-width list box,
// and beside them the same runs as a bar chart.
class TotalsDialog : public QDialog
{
    Q_OBJECT
public:
    TotalsDialog(const cairnly::CategoryTotals& totals, bool metric, TotalsChart::Colors colors,
                 QWidget* parent = nullptr);
};
