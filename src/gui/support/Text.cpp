#include "gui/support/Text.h"

#include "core/text/Cp1252.h"

#include <QLineEdit>

QValidator::State Cp1252Validator::validate(QString& input, int&) const
{
    for (const char32_t c : input.toStdU32String()) {
        if (!cairnly::hasCp1252Form(c))
            return Invalid;
    }
    return Acceptable;
}

QLineEdit* cp1252Edit(const char* objectName, int maxLength, QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(objectName));
    edit->setMaxLength(maxLength);
    edit->setValidator(new Cp1252Validator(edit));
    return edit;
}
