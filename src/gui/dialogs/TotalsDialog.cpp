#include "gui/dialogs/TotalsDialog.h"

#include "gui/support/DialogLayout.h"
#include "gui/support/Text.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

TotalsDialog::TotalsDialog(const cairnly::CategoryTotals& totals, bool metric, TotalsChart::Colors colors,
                           QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("totalsDialog"));
    setWindowTitle(tr("Totals"));
    setModal(true);

    auto* caption = new QLabel(tr("Totals by Category"), this);
    caption->setObjectName(QStringLiteral("captionLabel"));

    auto* lines = new QListWidget(this);
    lines->setObjectName(QStringLiteral("totalsListWidget"));
    // Fixed-width, so the columns of the lines stand under each other.
    QFont courier(QStringLiteral("Courier New"), 8, QFont::Normal);
    courier.setStyleHint(QFont::TypeWriter);
    lines->setFont(courier);
    lines->setSelectionMode(QAbstractItemView::NoSelection);
    for (const std::string& line : cairnly::totalsLines(totals, metric))
        lines->addItem(fromCp1252(line));
    lines->setMinimumWidth(lines->sizeHintForColumn(0) + 2 * lines->frameWidth() + 24);

    auto* chart = new TotalsChart(totals.runs, metric, colors);
    auto* chartArea = new QScrollArea(this);
    chartArea->setObjectName(QStringLiteral("chartScrollArea"));
    chartArea->setWidget(chart);
    chartArea->setWidgetResizable(true);
    chartArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    chartArea->setMinimumWidth(260);

    auto* body = new QHBoxLayout;
    body->addWidget(lines, 3);
    body->addWidget(chartArea, 2);

    QPushButton* ok = okButton(*this, true);
    QHBoxLayout* buttons = buttonRow({ok});

    ok->setFocus(); // the list's focus frame would look like a selection

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(caption);
    layout->addLayout(body, 1);
    layout->addLayout(buttons);
    resize(sizeHint().width(), 300);
}
