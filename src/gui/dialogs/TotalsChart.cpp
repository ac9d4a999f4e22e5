#include "gui/dialogs/TotalsChart.h"

#include "gui/support/Text.h"

#include <QPainter>

#include <algorithm>

namespace {

constexpr int margin = 6;
constexpr int barHeight = 10;

} // namespace

TotalsChart::TotalsChart(std::vector<cairnly::CategoryRun> runs, bool metric, Colors colors, QWidget* parent)
    : QWidget(parent), runs(std::move(runs)), metric(metric), colors(colors)
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
            painter.fillRect(bar, colors.bar);
            painter.setPen(colors.bar.darker(160));
            painter.drawRect(bar.adjusted(0, 0, -1, -1));
        }
    }
}
