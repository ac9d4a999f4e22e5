#include "gui/support/Icons.h"

#include <QString>

void initIcons()
{
    Q_INIT_RESOURCE(cairnly);
}

QIcon cairnlyIcon(const char* name)
{
    return QIcon(QStringLiteral(":/icons/%1.xpm").arg(QString::fromLatin1(name)));
}
