#include "gui/dialogs/WeightUnitsDialog.h"

#include "gui/support/DialogLayout.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

WeightUnitsDialog::WeightUnitsDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("weightUnitsDialog"));
    setWindowTitle(QStringLiteral("Cairnly"));
    setModal(true);

    auto* explanation =
        new QLabel(QStringLiteral("This dialog will appear this one time only.\n\n"
                                  "Please select the way you wish to have your gear weights displayed:\n\n"
                                  "Metric (gm/kg) or Non-Metric (oz/lb).\n\n"
                                  "NOTE: If you have used previous versions of this application, make the selection "
                                  "based on the way your weights ARE CURRENTLY DISPLAYED."),
                   this);
    explanation->setObjectName(QStringLiteral("explanationLabel"));
    explanation->setTextFormat(Qt::PlainText);
    explanation->setWordWrap(true);

    auto* units = new QGroupBox(tr("Display my Gear Weights as"), this);
    metricButton = new QRadioButton(tr("Metric"), units);
    metricButton->setObjectName(QStringLiteral("metricRadioButton"));
    nonMetricButton = new QRadioButton(tr("Non-Metric"), units);
    nonMetricButton->setObjectName(QStringLiteral("nonMetricRadioButton"));
    nonMetricButton->setChecked(true);
    auto* unitsLayout = new QVBoxLayout(units);
    unitsLayout->addWidget(metricButton);
    unitsLayout->addWidget(nonMetricButton);

    QHBoxLayout* buttons = buttonRow({okButton(*this, false)});

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(explanation);
    layout->addSpacing(4);
    layout->addWidget(units);
    layout->addStretch();
    layout->addSpacing(4);
    layout->addLayout(buttons);
    // Wide enough that the long note wraps into a few lines rather than a tall column.
    setMinimumWidth(420);
    fitToWidth(*this);
}

bool WeightUnitsDialog::metricChosen() const
{
    return !nonMetricButton->isChecked();
}
