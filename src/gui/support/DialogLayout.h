#pragma once

#include <QWidget>

#include <algorithm>

#include <initializer_list>

class QDialog;
class QHBoxLayout;
class QLabel;
class QPushButton;

// Sizes a dialog that holds word-wrapped texts for the width it will have: the default size takes their
// height at a guessed width and leaves gaps or cuts lines once the real width is known.
inline void fitToWidth(QWidget& dialog)
{
    const int width = std::max(dialog.minimumWidth(), dialog.sizeHint().width());
    const int height = dialog.heightForWidth(width);
    dialog.resize(width, height > 0 ? height : dialog.sizeHint().height());
}

// The label names the field, for the keyboard and for screen readers: it becomes the label's buddy, and a
// list, which Qt names by its own accessible name alone, takes the label's text as that name too.
void labelField(QLabel* label, QWidget* field);
// A push button named for tests and the accessibility tree.
QPushButton* namedButton(const QString& text, const char* objectName, QWidget* parent);
// "OK": the default button, accepting the dialog; named okButton. With its glyph where the dialog's
// design gives it one.
QPushButton* okButton(QDialog& dialog, bool withGlyph);
// "Cancel": rejecting the dialog; named cancelButton.
QPushButton* cancelButton(QDialog& dialog, bool withGlyph);
// The buttons in a row, right-aligned.
QHBoxLayout* buttonRow(std::initializer_list<QPushButton*> buttons);
// The row of "OK" and "Cancel".
QHBoxLayout* okCancelButtons(QDialog& dialog, bool withGlyphs = true);
