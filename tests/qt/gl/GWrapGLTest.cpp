// The widget wrapper of a GL window: layout, margins, minimum size and the
// window's ownership passing to the container.
#include "SceneWindow.h"

#include <gen/qt/GSettings.h>
#include <gen/qt/gl/GWrapGL.h>

#include "support/TempStore.h"

#include <QLayout>
#include <QPointer>
#include <QVBoxLayout>

#include <gtest/gtest.h>

using gen::qt::gl::GWrapGL;

TEST(GWrapGL, HoldsTheWindowContainerWithoutMarginsAndOwnsTheWindow)
{
    test::TempStore settings;
    auto* window = new test::SceneWindow();
    QPointer<QWindow> watch(window);
    {
        GWrapGL wrap(window);
        EXPECT_EQ(wrap.glComponent, window);
        ASSERT_NE(wrap.container, nullptr);
        EXPECT_EQ(wrap.container->parentWidget(), &wrap);
        EXPECT_NE(qobject_cast<QVBoxLayout*>(wrap.layout()), nullptr);
        EXPECT_EQ(wrap.layout()->indexOf(wrap.container), 0);
        EXPECT_EQ(wrap.layout()->contentsMargins(), QMargins(0, 0, 0, 0));
        EXPECT_EQ(wrap.minimumSize(), QSize(50, 50));
        EXPECT_FALSE(watch.isNull());
    }
    EXPECT_TRUE(watch.isNull());  // deleted with its container
}
