#include <gen/qt/event/Event.h>

#include "support/Fatal.h"

#include <gtest/gtest.h>

#include <QPointingDevice>


namespace ev = gen::qt::event;

namespace {

QMouseEvent mouse(Qt::MouseButtons buttons, Qt::KeyboardModifiers mods = Qt::NoModifier,
                  QPointF pos = QPointF(12, 34), QEvent::Type type = QEvent::MouseMove)
{
    return QMouseEvent(type, pos, pos, Qt::NoButton, buttons, mods);
}

QWheelEvent wheel(QPoint angleDelta, Qt::KeyboardModifiers mods = Qt::NoModifier)
{
    return QWheelEvent(QPointF(5, 5), QPointF(5, 5), QPoint(), angleDelta, Qt::NoButton, mods, Qt::NoScrollPhase,
                       false);
}

}  // namespace

TEST(EventModifiers, EachModifierIsSeenAndNamedInFixedOrder)
{
    auto none = mouse(Qt::NoButton);
    EXPECT_FALSE(ev::mod::is_any_meta(&none));
    EXPECT_EQ(ev::mod::to_string(&none), "");

    auto all = mouse(Qt::NoButton, Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier);
    EXPECT_TRUE(ev::mod::is_alt(&all));
    EXPECT_TRUE(ev::mod::is_ctrl(&all));
    EXPECT_TRUE(ev::mod::is_shift(&all));
    EXPECT_EQ(ev::mod::to_string(&all), "ALT | SHIFT | CTRL");

    auto ctrl = mouse(Qt::NoButton, Qt::ControlModifier);
    EXPECT_TRUE(ev::mod::is_any_meta(&ctrl));
    EXPECT_FALSE(ev::mod::is_alt(&ctrl));
    EXPECT_EQ(ev::mod::to_string(&ctrl), "CTRL");

    // Meta alone is not one of the three.
    auto meta = mouse(Qt::NoButton, Qt::MetaModifier);
    EXPECT_FALSE(ev::mod::is_any_meta(&meta));
}

TEST(EventWheel, ForwardWhenEitherAxisTurnsPositive)
{
    auto up = wheel(QPoint(0, 120));
    auto right = wheel(QPoint(120, 0));
    auto down = wheel(QPoint(0, -120));
    auto still = wheel(QPoint(0, 0));
    EXPECT_TRUE(ev::wheel::is_forward(&up));
    EXPECT_TRUE(ev::wheel::is_forward(&right));
    EXPECT_FALSE(ev::wheel::is_forward(&down));
    EXPECT_FALSE(ev::wheel::is_forward(&still));
    EXPECT_EQ(ev::wheel::to_string(&up), "QWheelEvent, FORWARD");
    EXPECT_EQ(ev::wheel::to_string(&down), "QWheelEvent, BACKWARD");
}

TEST(EventMouse, ButtonsAreTheHeldOnesNotTheOneThatChanged)
{
    auto left = mouse(Qt::LeftButton);
    EXPECT_TRUE(ev::mouse::is_left(&left));
    EXPECT_FALSE(ev::mouse::is_right(&left));
    EXPECT_TRUE(ev::mouse::is_any_button(&left));

    auto middle = mouse(Qt::MiddleButton);
    EXPECT_TRUE(ev::mouse::is_middle(&middle));
    EXPECT_TRUE(ev::mouse::is_any_button(&middle));

    // Releasing the left button: the event names it, but it is no longer held.
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(1, 1), QPointF(1, 1), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    EXPECT_FALSE(ev::mouse::is_left(&release));
    EXPECT_FALSE(ev::mouse::is_any_button(&release));

    // Buttons other than the three do not count.
    auto back = mouse(Qt::BackButton);
    EXPECT_FALSE(ev::mouse::is_any_button(&back));
}

TEST(EventMouse, TextListsButtonsModifiersAndPosition)
{
    auto plain = mouse(Qt::NoButton, Qt::NoModifier, QPointF(0, 0));
    EXPECT_EQ(ev::mouse::to_string(&plain), "QMouseEvent, {}, {}, at 0,0");

    auto busy = mouse(Qt::LeftButton | Qt::RightButton | Qt::MiddleButton, Qt::ShiftModifier | Qt::ControlModifier,
                      QPointF(12.6, -3.2));
    EXPECT_EQ(ev::mouse::to_string(&busy), "QMouseEvent, {LEFT | RIGHT | MIDDLE}, {SHIFT | CTRL}, at 13,-3");
}

TEST(EventMouse, FormatterRendersMouseEventsAndPointersToThem)
{
    auto event = mouse(Qt::RightButton, Qt::AltModifier, QPointF(4, 5));
    QMouseEvent const* missing = nullptr;
    EXPECT_EQ(gen::str::xprintF(0, "e:$", &event), "e:QMouseEvent, {RIGHT}, {ALT}, at 4,5");
    EXPECT_EQ(gen::str::xprintF(0, "e:$", event), "e:QMouseEvent, {RIGHT}, {ALT}, at 4,5");
    EXPECT_EQ(gen::str::xprintF(0, "e:$", missing), "e:nullptr");
}

TEST(EventKey, ModifierKeysAndSequenceText)
{
    QKeyEvent shift(QEvent::KeyPress, Qt::Key_Shift, Qt::ShiftModifier);
    QKeyEvent meta(QEvent::KeyPress, Qt::Key_Meta, Qt::MetaModifier);
    QKeyEvent letter(QEvent::KeyPress, Qt::Key_S, Qt::ControlModifier);
    QKeyEvent f5(QEvent::KeyRelease, Qt::Key_F5, Qt::NoModifier);
    EXPECT_TRUE(ev::key::is_mod(&shift));
    EXPECT_TRUE(ev::key::is_mod(&meta));
    EXPECT_FALSE(ev::key::is_mod(&letter));
    EXPECT_EQ(ev::key::to_string(&letter), "Ctrl+S");
    EXPECT_EQ(ev::key::to_string(&f5), "F5");
}

TEST(EventDeathTest, NullEventIsFatalWithTheExpressionAndSource)
{
    QMouseEvent const* event = nullptr;
    EXPECT_FATAL_EXIT(ev::mouse::is_left(event), "nullptr:event == NULL\nsrc/gen/qt/event/Event.cpp\nLINE:");
}
