#include <gen/qt/GStyles.h>

#include <QSlider>

#include "support/Fatal.h"

#include <gtest/gtest.h>


namespace styles = gen::qt::styles;

namespace {

QString const kDarkHorizontal =
    "QSlider::handle:horizontal {    background: #6FA8C9;    width: 30px;    height: 40px;    margin: -10px -10px;    border-radius: 10px;}"
    "QSlider::groove:horizontal {    border: 1px solid #555;    background: #2b2b2b;    height: 10px;    margin: 0px;}";
QString const kDarkVertical =
    "QSlider::handle:vertical {    background: #6FA8C9;    width: 40px;    height: 30px;    margin: -10px -10px;    border-radius: 10px;}"
    "QSlider::groove:vertical {    border: 1px solid #555;    background: #2b2b2b;    width: 10px;    margin: 0px;}";
QString const kNormalHorizontal =
    "QSlider::handle:horizontal {    background: #4A7B9B;    width: 30px;    height: 40px;    margin: -10px -10px;    border-radius: 10px;}"
    "QSlider::groove:horizontal {    border: 1px solid #bbb;    background: #eee;    height: 10px;    margin: 0px;}";
QString const kNormalVertical =
    "QSlider::handle:vertical {    background: #4A7B9B;    width: 40px;    height: 30px;    margin: -10px -10px;    border-radius: 10px;}"
    "QSlider::groove:vertical {    border: 1px solid #bbb;    background: #eee;    width: 10px;    margin: 0px;}";

TEST(GStylesTest, SliderSheetsFollowThemeAndOrientation)
{
    QSlider slider;
    styles::set_slider_handle(&slider, Qt::Horizontal, 1);
    EXPECT_EQ(slider.styleSheet(), kDarkHorizontal);
    styles::set_slider_handle(&slider, Qt::Vertical, 2);
    EXPECT_EQ(slider.styleSheet(), kDarkVertical);
    styles::set_slider_handle(&slider, Qt::Horizontal, 0);
    EXPECT_EQ(slider.styleSheet(), kNormalHorizontal);
    // Themes other than 1 and 2 count as normal.
    styles::set_slider_handle(&slider, Qt::Vertical, 3);
    EXPECT_EQ(slider.styleSheet(), kNormalVertical);
}

// Takes five seconds: the fatal handler pauses before it exits.
TEST(GStylesDeathTest, NullSliderEndsTheProgramWithItsName)
{
    EXPECT_FATAL_EXIT(styles::set_slider_handle(nullptr, Qt::Horizontal, 0), "nullptr:slider == NULL\nsrc/gen/qt/GStyles");
}

}  // namespace
