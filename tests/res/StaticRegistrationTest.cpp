// Linking skyvale::res is all a program does to get the bundle: nothing here
// refers to the generated init function, so static initialisation did it.
#include <QFile>
#include <QImageReader>

#include <gtest/gtest.h>

TEST(ResourceBundleStartup, RegisteredWithoutAnyCall)
{
    EXPECT_EQ(QImageReader(":/wb/img/1k_earth.jpg").size(), QSize(1024, 512));
    EXPECT_TRUE(QFile::exists(":/wb/icons/green/minus1.svg"));
}
