#include "gui/support/Icons.h"

#include <QIcon>
#include <QImage>
#include <QPixmap>

#include <gtest/gtest.h>

TEST(Icons, EveryButtonIconLoadsAt24By24WithATransparentBackground)
{
    initIcons();
    for (const char* name : iconNames) {
        const QImage image(QStringLiteral(":/icons/%1.xpm").arg(QString::fromLatin1(name)));
        ASSERT_FALSE(image.isNull()) << name;
        EXPECT_EQ(image.size(), QSize(24, 24)) << name;
        EXPECT_TRUE(image.hasAlphaChannel()) << name;
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << name;
    }
}

TEST(Icons, CairnlyIconNamesItsResource)
{
    initIcons();
    EXPECT_FALSE(cairnlyIcon("add").isNull());
    EXPECT_EQ(cairnlyIcon("add").availableSizes(), QList<QSize>{QSize(24, 24)});
    EXPECT_TRUE(cairnlyIcon("no-such-icon").pixmap(24, 24).isNull());
}
