#include "gui/dialogs/TotalsDialog.h"

#include "gui/support/DialogLayout.h"
#include "gui/support/Text.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// Lines only to be read, each shown whole in a fixed-width font so their columns stand under each other:
// no scroll bar, and no line can be highlighted, made current or take the focus.
QListWidget* linesShownWhole(const std::vector<std::string>& texts, QWidget* parent)
{
    auto* lines = new QListWidget(parent);
    QFont courier(QStringLiteral("Courier New"), 8, QFont::Normal);
    courier.setStyleHint(QFont::TypeWriter);
    lines->setFont(courier);
    lines->setSelectionMode(QAbstractItemView::NoSelection);
    lines->setFocusPolicy(Qt::NoFocus);
    lines->setUniformItemSizes(true);
    lines->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lines->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (const std::string& text : texts) {
        auto* item = new QListWidgetItem(fromCp1252(text), lines);
        item->setFlags(Qt::ItemIsEnabled);
    }
    const int frame = lines->frameWidth();
    lines->setFixedHeight(lines->count() * lines->sizeHintForRow(0) + 2 * frame);
    lines->setMinimumWidth(lines->sizeHintForColumn(0) + 2 * frame + 24);
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

    // The lines and the chart stand side by side in one scrolled area, so they scroll together: the lines
    // show whole, and the chart has a row beside each of them.
    auto* area = new QScrollArea(this);
    area->setObjectName(QStringLiteral("totalsScrollArea"));
    area->setWidgetResizable(true);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* body = new QWidget;
    body->setObjectName(QStringLiteral("totalsBody"));

    auto* lines = linesShownWhole(cairnly::totalsLines(totals, metric), body);
    lines->setObjectName(QStringLiteral("totalsListWidget"));
    labelField(caption, lines);
    caption->setBuddy(area); // the area takes the focus, to scroll by the keyboard
    const int rowHeight = lines->sizeHintForRow(0);
    const int frame = lines->frameWidth();

    auto* chart = new TotalsChart(totals.runs, std::move(runSplits), metric, colors, body);
    chart->setContentsMargins(0, frame, 0, frame); // its rows level with the lines inside the list's frame
    chart->setRowHeight(rowHeight);

    auto* bodyLayout = new QHBoxLayout(body);
    bodyLayout->setContentsMargins(0, 0, 0, 0);
    bodyLayout->addWidget(lines, 3, Qt::AlignTop);
    bodyLayout->addWidget(chart, 2, Qt::AlignTop);
    area->setWidget(body);
    // Never taller than the lines: no empty band below them.
    area->setMaximumHeight(body->sizeHint().height() + 2 * area->frameWidth());
    area->setMinimumWidth(body->minimumSizeHint().width() + 2 * area->frameWidth() +
                          area->style()->pixelMetric(QStyle::PM_ScrollBarExtent));

    // The five weights a trip is planned by, under the lines of the categories.
    auto* tripBox = new QGroupBox(tr("Trip Weights"), this);
    tripBox->setObjectName(QStringLiteral("tripWeightsGroupBox"));
    auto* tripLines = linesShownWhole(cairnly::tripWeightLines(tripWeights, metric), tripBox);
    tripLines->setObjectName(QStringLiteral("tripWeightsListWidget"));
    tripLines->setAccessibleName(tripBox->title());
    auto* tripLayout = new QHBoxLayout(tripBox);
    tripLayout->addWidget(tripLines, 3);
    tripLayout->addWidget(TotalsChart::legend(colors, tripBox), 2, Qt::AlignTop);

    QPushButton* ok = okButton(*this, true);
    QHBoxLayout* buttons = buttonRow({ok});
    ok->setFocus();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(caption);
    layout->addWidget(area, 1);
    layout->addWidget(tripBox);
    layout->addLayout(buttons);

    // Tall enough for every line, up to the height of the screen with room for the window's frame.
    const int wanted =
        sizeHint().height() - area->sizeHint().height() + body->sizeHint().height() + 2 * area->frameWidth();
    const QScreen* shownOn = parent ? parent->screen() : screen();
    const int available = shownOn->availableGeometry().height() - 2 * style()->pixelMetric(QStyle::PM_TitleBarHeight);
    resize(sizeHint().width(), std::min(wanted, available));
}
