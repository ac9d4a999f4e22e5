#include "gui/dialogs/TotalsChart.h"

#include "gui/support/Text.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QStringList>

#include <algorithm>
#include <utility>

namespace {

constexpr int margin = 6;

} // namespace

TotalsChart::TotalsChart(std::vector<cairnly::CategoryRun> runs, std::vector<cairnly::WeightSplit> splits, bool metric,
                         Colors colors, QWidget* parent)
    : QWidget(parent), runs(std::move(runs)), splits(std::move(splits)), colors(colors)
{
    setObjectName(QStringLiteral("totalsChart"));
    QStringList description;
    for (const cairnly::CategoryRun& run : this->runs) {
        heaviest = std::max(heaviest, run.weight);
        description << tr("%1: %2").arg(fromCp1252(run.category),
                                        QString::fromStdString(cairnly::weightLabel(run.weight, metric)));
    }
    // What a screen reader says of the bars: the runs as the lines read.
    setAccessibleName(tr("Bar chart of the totals"));
    setAccessibleDescription(description.join(QLatin1Char('\n')));
}

void TotalsChart::setRowHeight(int height)
{
    rowHeight = std::max(height, 1);
    updateGeometry();
    update();
}

QRect TotalsChart::rowRect(int line) const
{
    const QRect area = contentsRect();
    return QRect(area.left(), area.top() + line * rowHeight, area.width(), rowHeight);
}

QRect TotalsChart::barRect(int run) const
{
    if (run < 0 || run >= runCount() || heaviest <= 0 || runs[static_cast<std::size_t>(run)].weight <= 0)
        return {};
    const QRect row = rowRect(run);
    const int fullWidth = row.width() - 2 * margin;
    const auto length = static_cast<int>(fullWidth * (runs[static_cast<std::size_t>(run)].weight / heaviest) + 0.5f);
    const int inset = std::min(2, (row.height() - 1) / 2);
    return QRect(row.left() + margin, row.top() + inset, std::max(length, 1), row.height() - 2 * inset);
}

QRect TotalsChart::partRect(int run, Part part) const
{
    const QRect bar = barRect(run);
    if (bar.isEmpty())
        return {};
    cairnly::WeightSplit split;
    if (run < static_cast<int>(splits.size()))
        split = splits[static_cast<std::size_t>(run)];
    else
        split.base = runs[static_cast<std::size_t>(run)].weight;
    const double sum = split.skinOut();
    if (sum <= 0)
        return part == Part::Base ? bar : QRect();
    // The parts end at rounded fractions of the bar, so they meet without a gap and fill it.
    auto end = [&](double upTo) { return bar.left() + static_cast<int>(bar.width() * (upTo / sum) + 0.5); };
    const int ends[] = {bar.left(), end(split.base), end(split.pack()), bar.left() + bar.width()};
    const auto index = static_cast<std::size_t>(part);
    return QRect(ends[index], bar.top(), ends[index + 1] - ends[index], bar.height());
}

QWidget* TotalsChart::legend(const Colors& colors, QWidget* parent)
{
    auto* row = new QWidget(parent);
    row->setObjectName(QStringLiteral("chartLegend"));
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    const std::pair<QColor, QString> entries[] = {
        {colors.bar, tr("Base")}, {colors.consumable, tr("Consumable")}, {colors.worn, tr("Worn")}};
    for (const auto& [color, name] : entries) {
        auto* swatch = new QLabel(row);
        QPixmap filled(10, 10);
        filled.fill(color);
        swatch->setPixmap(filled);
        layout->addWidget(swatch);
        layout->addWidget(new QLabel(name, row));
        layout->addSpacing(8);
    }
    layout->addStretch(1);
    return row;
}

QSize TotalsChart::sizeHint() const
{
    const QMargins margins = contentsMargins();
    return QSize(260, lineCount() * rowHeight + margins.top() + margins.bottom());
}

QSize TotalsChart::minimumSizeHint() const
{
    return QSize(120, sizeHint().height());
}

void TotalsChart::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), colors.background);
    for (int i = 0; i < runCount(); ++i) {
        // The first row in the alternate colour, as the list's first row.
        painter.fillRect(rowRect(i), i % 2 == 0 ? colors.alternate : colors.background);
        const QRect bar = barRect(i);
        if (!bar.isEmpty()) {
            painter.fillRect(partRect(i, Part::Base), colors.bar);
            painter.fillRect(partRect(i, Part::Consumable), colors.consumable);
            painter.fillRect(partRect(i, Part::Worn), colors.worn);
            painter.setPen(colors.bar.darker(160));
            painter.drawRect(bar.adjusted(0, 0, -1, -1));
        }
    }
}
