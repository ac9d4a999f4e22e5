#include "gui/support/DialogLayout.h"

#include "gui/support/Icons.h"

#include <QAbstractItemView>
#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>

void labelField(QLabel* label, QWidget* field)
{
    label->setBuddy(field);
    if (qobject_cast<QAbstractItemView*>(field))
        field->setAccessibleName(QString(label->text()).remove(QRegularExpression(QStringLiteral("&(?!&)"))));
}

QPushButton* namedButton(const QString& text, const char* objectName, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(objectName));
    return button;
}

QPushButton* okButton(QDialog& dialog, bool withGlyph)
{
    auto* ok = new QPushButton(withGlyph ? cairnlyIcon("ok") : QIcon(), QObject::tr("OK"), &dialog);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    return ok;
}

QPushButton* cancelButton(QDialog& dialog, bool withGlyph)
{
    auto* cancel = new QPushButton(withGlyph ? cairnlyIcon("cancel") : QIcon(), QObject::tr("Cancel"), &dialog);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
    return cancel;
}

QHBoxLayout* buttonRow(std::initializer_list<QPushButton*> buttons)
{
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (QPushButton* button : buttons)
        row->addWidget(button);
    return row;
}

QHBoxLayout* okCancelButtons(QDialog& dialog, bool withGlyphs)
{
    return buttonRow({okButton(dialog, withGlyphs), cancelButton(dialog, withGlyphs)});
}
