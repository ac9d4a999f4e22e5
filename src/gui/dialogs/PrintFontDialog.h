#pragma once

#include <QDialog>
#include <QFont>

class QLabel;
class QListWidget;
class QSpinBox;

// The printing font's dialog: the fixed-pitch families there are, the sizes the printout allows (8 to 14
// points) and a sample line in the font chosen. Qt's own font dialog offers sizes the printout cannot take.
class PrintFontDialog : public QDialog
{
    Q_OBJECT
public:
    // Opens on the family the current font stands for here, at its size kept within the sizes offered.
    explicit PrintFontDialog(const QFont& current, QWidget* parent = nullptr);

    // The current font with the family and the size chosen; its weight and style stay.
    QFont selectedFont() const;

private:
    void showSample();

    QFont base;
    QListWidget* familyList = nullptr;
    QSpinBox* sizeBox = nullptr;
    QLabel* sample = nullptr;
};
