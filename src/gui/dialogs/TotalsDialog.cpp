#include "gui/dialogs/TotalsDialog.h"

#include "gui/support/DialogLayout.h"
#include "gui/support/Text.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {

// Fixed-width, so the columns of the lines stand under each other.
QListWidget* linesBox(const std::vector<std::string>& texts, const char* name, QWidget* parent)
{
    auto* lines = new QListWidget(parent);
    lines->setObjectName(QString::fromLatin1(name));
    QFont courier(QStringLiteral("Courier New"), 8, QFont::Normal);
    courier.setStyleHint(QFont::TypeWriter);
    lines->setFont(courier);
    lines->setSelectionMode(QAbstractItemView::NoSelection);
    for (const std::string& line : texts)
        lines->addItem(fromCp1252(line));
    lines->setMinimumWidth(lines->sizeHintForColumn(0) + 2 * lines->frameWidth() + 24);
    return lines;
}

} // namespace

TotalsDialog::TotalsDialog(const cairnly::CategoryTotals& totals, const cairnly::WeightSplit& tripWeights,
                           std::vector<cairnly::WeightSplit> runSplits, bool metric, TotalsChart::Colors colors,
                           QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("totalsDialog"));
    setWindowTitle(tr("Totals"));
    setModal(true);

    auto* caption = new QLabel(tr("Totals by Category"), this);
    caption->setObjectName(QStringLiteral("captionLabel"));

    QListWidget* lines = linesBox(cairnly::totalsLines(totals, metric), "totalsListWidget", this);

    // The five weights a trip is planned by, under the lines of the categories.
    auto* tripBox = new QGroupBox(tr("Trip Weights"), this);
    tripBox->setObjectName(QStringLiteral("tripWeightsGroupBox"));
    QListWidget* tripLines = linesBox(cairnly::tripWeightLines(tripWeights, metric), "tripWeightsListWidget", tripBox);
    tripLines->setFixedHeight(tripLines->sizeHintForRow(0) * tripLines->count() + 2 * tripLines->frameWidth());
    auto* tripLayout = new QVBoxLayout(tripBox);
    tripLayout->addWidget(tripLines);

    auto* chart = new TotalsChart(totals.runs, std::move(runSplits), metric, colors);
    auto* chartArea = new QScrollArea(this);
    chartArea->setObjectName(QStringLiteral("chartScrollArea"));
    chartArea->setWidget(chart);
    chartArea->setWidgetResizable(true);
    chartArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    chartArea->setMinimumWidth(260);

    auto* left = new QVBoxLayout;
    left->addWidget(lines, 1);
    left->addWidget(tripBox);
    auto* right = new QVBoxLayout;
    right->addWidget(chartArea, 1);
    right->addWidget(TotalsChart::legend(colors, this));
    auto* body = new QHBoxLayout;
    body->addLayout(left, 3);
    body->addLayout(right, 2);

    QPushButton* ok = okButton(*this, true);
    QHBoxLayout* buttons = buttonRow({ok});

    ok->setFocus(); // the list's focus frame would look like a selection

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(caption);
    layout->addLayout(body, 1);
    layout->addLayout(buttons);
    resize(sizeHint().width(), 300);
}
