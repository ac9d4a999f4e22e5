#pragma once

#include "core/settings/Settings.h"

#include <QPushButton>

class DialogRunner;

// A button drawn as a rectangle of its colour; a click offers the colour dialog to choose another.
class ColorButton : public QPushButton
{
    Q_OBJECT
public:
    ColorButton(cairnly::ColorValue color, DialogRunner& runner, QWidget* parent = nullptr);

    // The colour as it was given (possibly a system colour) or as chosen.
    cairnly::ColorValue color() const { return value; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void chooseColor();

    cairnly::ColorValue value;
    DialogRunner& runner;
};
