#pragma once

#include <QDialog>

class QRadioButton;

// The one-time choice of weight units at the first start. "Non-Metric" is selected when it opens.
class WeightUnitsDialog : public QDialog
{
    Q_OBJECT
public:
    explicit WeightUnitsDialog(QWidget* parent = nullptr);

    // The units flag the choice gives: true for grams and kilograms.
    bool metricChosen() const;

private:
    QRadioButton* metricButton = nullptr;
    QRadioButton* nonMetricButton = nullptr;
};
