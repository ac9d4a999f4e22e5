#pragma once

#include "core/settings/Settings.h"

#include <QPushButton>

class DialogRunner;

// A button drawn as a rectangle of its colour; a click offers the colour dialog to choose another, after
// which the button keeps a white frame. A screen reader hears its label and its colour.
class ColorButton : public QPushButton
{
    Q_OBJECT
public:
    ColorButton(cairnly::ColorValue color, DialogRunner& runner, QWidget* parent = nullptr);

    // The colour as it was given (possibly a system colour) or as chosen.
    cairnly::ColorValue color() const { return value; }
    // The text of the label beside the button, which its accessible name begins with.
    void setLabelText(const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void chooseColor();
    void updateName();

    cairnly::ColorValue value;
    DialogRunner& runner;
    QString labelText;
    bool framed = false;
};
