#pragma once

#include "printout/QtText.h"

#include <QValidator>

class QLineEdit;
class QWidget;

// An edit field that holds at most maxLength characters, each with a Windows-1252 form.
QLineEdit* cp1252Edit(const char* objectName, int maxLength, QWidget* parent);

// Refuses characters that have no Windows-1252 form, so what is shown is what is stored.
class Cp1252Validator : public QValidator
{
    Q_OBJECT
public:
    using QValidator::QValidator;
    State validate(QString& input, int& position) const override;
};
