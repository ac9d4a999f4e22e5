#pragma once

#include "core/settings/Settings.h"

#include <QGroupBox>

class QRadioButton;

// "Alignment:" with the radio buttons Left, Center and Right, for a user column.
class AlignmentBox : public QGroupBox
{
    Q_OBJECT
public:
    explicit AlignmentBox(QWidget* parent = nullptr);

    cairnly::ColumnFormat format() const;
    void setFormat(cairnly::ColumnFormat format);

private:
    void updateTabStop();

    QRadioButton* left = nullptr;
    QRadioButton* center = nullptr;
    QRadioButton* right = nullptr;
};
