// Linking skyvale::res is all a program does to get the bundle: nothing in
// this executable refers to the generated init function, so the bundle can
// only be there if static initialisation registered it before main().
#include <QFile>
#include <QImageReader>

#include <gtest/gtest.h>

TEST(ResourceBundleStartup, RegisteredWithoutAnyCall)
{
    EXPECT_TRUE(QFile::exists(":/wb/img/8k_earth.jpg"));
    EXPECT_TRUE(QFile::exists(":/wb/icons/green/minus1.svg"));
    EXPECT_EQ(QImageReader(":/wb/img/1k_earth.jpg").size(), QSize(1024, 512));
}
