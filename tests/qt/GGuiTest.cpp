#include <gen/qt/guitools/GGui.h>
#include <gen/qt/themes.h>

#include "support/RecordingSink.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace gq = gen::qt;

namespace {

TEST(GGuiTest, IdsAndPropertiesTolerateNullObjects)
{
    QObject obj;
    EXPECT_FALSE(gq::has_id(&obj));
    EXPECT_FALSE(gq::is_id(&obj, ""));
    gq::set_id(&obj, "btnGo");
    EXPECT_TRUE(gq::has_id(&obj));
    EXPECT_TRUE(gq::has_property(&obj, "id"));
    EXPECT_FALSE(gq::has_icon_res(&obj));
    EXPECT_EQ(gq::get_id(&obj), "btnGo");
    EXPECT_TRUE(gq::is_id(&obj, "btnGo"));
    EXPECT_FALSE(gq::is_id(&obj, "btngo"));
    EXPECT_FALSE(gq::is_id(&obj, ""));

    gq::set_id(nullptr, "x");
    EXPECT_EQ(gq::get_id(nullptr), "");
    EXPECT_FALSE(gq::is_id(nullptr, "x"));
    EXPECT_FALSE(gq::has_id(nullptr));

    QLabel label;
    EXPECT_EQ(gq::get_qtype_name(&label), "QLabel");
    EXPECT_EQ(gq::get_qtype_name(nullptr), "nullptr");
}

TEST(GGuiTest, ResourceExistenceIsLoggedWhenMissing)
{
    test::LogLevelGuard level(4);
    test::RecordingSink sink;
    EXPECT_TRUE(gq::does_res_exist(":/wb/icons/dark/wheel.svg"));
    EXPECT_FALSE(sink.contains("resource does not exist"));
    EXPECT_FALSE(gq::does_res_exist(":/wb/icons/blue/wheel.svg"));
    EXPECT_TRUE(sink.contains("resource does not exist: :/wb/icons/blue/wheel.svg"));
    EXPECT_FALSE(gq::does_res_exist(""));
}

TEST(GGuiTest, SetIconOnPlainQtButtons)
{
    QPushButton button;
    gq::set_icon(&button, ":/wb/icons/copy.svg");
    EXPECT_FALSE(button.icon().isNull());
    EXPECT_EQ(button.property("sIcon").toString(), ":/wb/icons/copy.svg");
    gq::set_icon<QPushButton>(nullptr, ":/wb/icons/copy.svg");
}

TEST(GGuiTest, PixelsThemeAndScreen)
{
    EXPECT_EQ(gq::dp_to_px(10), static_cast<int>(10 * qApp->devicePixelRatio()));
    EXPECT_EQ(gq::get_theme(), gq::themes::get_theme());

    QScreen const* screen = QGuiApplication::primaryScreen();
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(gq::get_max_screen_width(), screen->geometry().width());
    EXPECT_EQ(gq::get_max_screen_height(), screen->geometry().height());

    EXPECT_TRUE(gq::is_pc_desktop());
    EXPECT_FALSE(gq::is_mobile_device());
}

TEST(GGuiTest, BackgroundFillsWithTheColour)
{
    QLabel label;
    gq::set_background(&label, QColor("#192819"));
    EXPECT_TRUE(label.autoFillBackground());
    EXPECT_EQ(label.palette().color(QPalette::Window), QColor("#192819"));
}

TEST(GGuiTest, ClipboardRoundTrip)
{
    gq::copy_to_clipboard("Grüße aus Berlin");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QString::fromUtf8("Grüße aus Berlin"));
    gq::copy_to_clipboard(QString("second"));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "second");
}

TEST(GGuiTest, ToggleFullScreenFlipsTheWidget)
{
    QWidget window;
    window.resize(200, 100);
    window.show();
    EXPECT_FALSE(gq::is_fullscreen(&window));
    gq::toggle_full_screen(&window);
    EXPECT_TRUE(gq::is_fullscreen(&window));
    gq::toggle_full_screen(&window);
    EXPECT_FALSE(gq::is_fullscreen(&window));

    // Without widget: the active window, or nothing at all.
    QApplication::setActiveWindow(&window);
    ASSERT_EQ(QApplication::activeWindow(), &window);
    gq::toggle_full_screen(nullptr);
    EXPECT_TRUE(window.isFullScreen());
    EXPECT_TRUE(gq::is_fullscreen(nullptr));
    gq::toggle_full_screen(nullptr);
    EXPECT_FALSE(window.isFullScreen());
    window.close();
    QApplication::setActiveWindow(nullptr);
    EXPECT_FALSE(gq::is_fullscreen(nullptr));
    gq::toggle_full_screen(nullptr);  // nothing to toggle
}

TEST(GGuiTest, EventHooksRunTheFunctions)
{
    QPushButton button("go");
    int clicks = 0;
    gq::event::clicked(&button, [&]() { ++clicks; });
    gq::event::clicked(nullptr, [&]() { ++clicks; });
    button.show();
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(clicks, 1);

    QSlider slider(Qt::Horizontal);
    slider.setRange(0, 10);
    std::vector<int> values;
    gq::event::val_changed(&slider, [&](int v) { values.push_back(v); });
    slider.show();
    slider.setFocus();
    QTest::keyClick(&slider, Qt::Key_Right);
    QTest::keyClick(&slider, Qt::Key_End);
    EXPECT_EQ(values, (std::vector<int>{1, 10}));
}

TEST(GGuiTest, PaddingReadsAndWritesTheContentPadding)
{
    gq::GPadding pad{1, 2, 3, 4};
    EXPECT_EQ(pad.to_string(), "1,2,3,4");

    QPushButton button("text");
    pad.set_padding(&button);
    EXPECT_EQ(button.styleSheet(),
              "QPushButton { padding-left: 1px; padding-right: 2px; padding-top: 3px; padding-bottom: 4px; };");

    QPushButton measured("measured");
    measured.resize(120, 40);
    gq::GPadding const read = gq::GPadding::from_QWidget(&measured);
    EXPECT_GE(read.left, 0);
    EXPECT_GE(read.top, 0);
    EXPECT_LT(read.left + read.right, 120);

    QComboBox combo;
    combo.resize(120, 30);
    gq::GPadding const comboPad = gq::GPadding::from_QWidget(&combo);
    EXPECT_GT(comboPad.right, comboPad.left);  // the arrow sits on the right

    QLabel label;
    gq::GPadding const none = gq::GPadding::from_QWidget(&label);
    EXPECT_EQ(none.to_string(), "0,0,0,0");
}

TEST(GGuiTest, DroppedFileIsReadAndSizeGrouped)
{
    test::LogLevelGuard level(4);
    test::RecordingSink sink;
    QTemporaryDir dir;
    QString const path = dir.filePath("drop.bin");
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(1234, 'x'));
    }
    QByteArray bytes = path.toUtf8();
    gq::on_file_dropped(bytes.data(), static_cast<unsigned int>(bytes.size()));
    EXPECT_TRUE(sink.contains("on_file_dropped, sPath:" + bytes.toStdString()));
    EXPECT_TRUE(sink.contains("read 1.234 bytes from " + bytes.toStdString()));

    QByteArray missing = dir.filePath("none.bin").toUtf8();
    gq::on_file_dropped(missing.data(), 0);
    EXPECT_TRUE(sink.contains("ERROR opening " + missing.toStdString()));
    gq::on_file_dropped(nullptr, 0);
    EXPECT_TRUE(sink.contains("ERROR opening "));
}

}  // namespace
