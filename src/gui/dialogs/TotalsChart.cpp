#include "gui/dialogs/TotalsChart.h"

#include "gui/support/Text.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>

#include <algorithm>
#include <utility>

namespace {

constexpr int margin = 6;
constexpr int barHeight = 10;

} // namespace

TotalsChart::TotalsChart(std::vector<cairnly::CategoryRun> runs, std::vector<cairnly::WeightSplit> splits, bool metric,
                         Colors colors, QWidget* parent)
    : QWidget(parent), runs(std::move(runs)), splits(std::move(splits)), metric(metric), colors(colors)
{
    setObjectName(QStringLiteral("totalsChart"));
    for (const cairnly::CategoryRun& run : this->runs)
        heaviest = std::max(heaviest, run.weight);
}

int TotalsChart::bandHeight() const
{
    return fontMetrics().height() + barHeight + 3 * margin / 2;
}

QRect TotalsChart::bandRect(int run) const
{
    return QRect(0, run * bandHeight(), width(), bandHeight());
}

QRect TotalsChart::barRect(int run) const
{
    if (run < 0 || run >= runCount() || heaviest <= 0 || runs[static_cast<std::size_t>(run)].weight <= 0)
        return {};
    const QRect band = bandRect(run);
    const int fullWidth = band.width() - 2 * margin;
    const auto length = static_cast<int>(fullWidth * (runs[static_cast<std::size_t>(run)].weight / heaviest) + 0.5f);
    return QRect(margin, band.top() + margin / 2 + fontMetrics().height(), std::max(length, 1), barHeight);
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
    return QSize(260, std::max(1, runCount()) * bandHeight());
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
        const cairnly::CategoryRun& run = runs[static_cast<std::size_t>(i)];
        const QRect band = bandRect(i);
        // The first band in the alternate colour, as the list's first row.
        painter.fillRect(band, i % 2 == 0 ? colors.alternate : colors.background);
        const QRect label(margin, band.top() + margin / 2, band.width() - 2 * margin, fontMetrics().height());
        painter.setPen(Qt::black);
        painter.drawText(label, Qt::AlignLeft | Qt::AlignVCenter, fromCp1252(run.category));
        painter.drawText(label, Qt::AlignRight | Qt::AlignVCenter,
                         QString::fromStdString(cairnly::weightLabel(run.weight, metric)));
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
