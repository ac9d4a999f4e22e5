#pragma once

#include <QWidget>

#include <algorithm>

// Sizes a dialog that holds word-wrapped texts for the width it will have: the default size takes their
// height at a guessed width and leaves gaps or cuts lines once the real width is known.
inline void fitToWidth(QWidget& dialog)
{
    const int width = std::max(dialog.minimumWidth(), dialog.sizeHint().width());
    const int height = dialog.heightForWidth(width);
    dialog.resize(width, height > 0 ? height : dialog.sizeHint().height());
}
