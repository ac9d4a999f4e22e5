#pragma once

#include <QWidget>

#include <algorithm>

class QDialog;
class QHBoxLayout;

// Sizes a dialog that holds word-wrapped texts for the width it will have: the default size takes their
// height at a guessed width and leaves gaps or cuts lines once the real width is known.
inline void fitToWidth(QWidget& dialog)
{
    const int width = std::max(dialog.minimumWidth(), dialog.sizeHint().width());
    const int height = dialog.heightForWidth(width);
    dialog.resize(width, height > 0 ? height : dialog.sizeHint().height());
}

// The row of "OK" (the default button, accepting) and "Cancel" (rejecting), right-aligned, with their
// glyphs; the buttons are named okButton and cancelButton.
QHBoxLayout* okCancelButtons(QDialog& dialog);
