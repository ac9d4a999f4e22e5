#pragma once

#include "core/settings/PrintFont.h"
#include "core/settings/Settings.h"

#include <QDialog>

#include <functional>

class ColorButton;
class DialogRunner;
class QCheckBox;

// "Configure Cairnly": the printing options, the printing font and the three list colours.
class ConfigureDialog : public QDialog
{
    Q_OBJECT
public:
    struct Fields
    {
        bool totalEachCategory = true;
        bool showGrandTotal = true;
        bool printNotes = true;
        // Coming out, system colours are resolved to the colours they stand for now.
        cairnly::ColorValue background = cairnly::defaultBackColor;
        cairnly::ColorValue alternate = cairnly::defaultAltColor;
        cairnly::ColorValue group = cairnly::defaultGroupColor;
        // There is always one, with a size the settings bounded when they were read.
        cairnly::PrintFont printFont;
    };

    // Called whenever the printing font changes, which takes effect at once, even if the dialog is then
    // cancelled.
    using PrintFontChanged = std::function<void(const cairnly::PrintFont&)>;

    ConfigureDialog(const Fields& initial, PrintFontChanged printFontChanged, DialogRunner& runner,
                    QWidget* parent = nullptr);

    Fields fields() const;

private:
    void choosePrintingFont();

    PrintFontChanged printFontChanged;
    DialogRunner& runner;
    cairnly::PrintFont printFont;
    QCheckBox* totalEachCategoryBox = nullptr;
    QCheckBox* showGrandTotalBox = nullptr;
    QCheckBox* printNotesBox = nullptr;
    ColorButton* backgroundButton = nullptr;
    ColorButton* alternateButton = nullptr;
    ColorButton* groupButton = nullptr;
};
