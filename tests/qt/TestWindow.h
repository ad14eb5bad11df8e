#pragma once
// A small main window built only from the framework, shared by the window
// tests, the peer process and the screenshot program: a row of buttons with
// the log tool buttons, a slider, a tab bar and a log panel. It records the
// layout passes it receives.

#include <gen/qt/GMainWindow.h>
#include <gen/qt/WindowClazz.h>

#include <vector>

class QSlider;
class QTabBar;

namespace gen::qt {
class GButton;
class GLabel;
class GPanelLogView;
}  // namespace gen::qt

namespace test {

class TestWindow : public gen::qt::GMainWindow {
public:
    using Clazz = gen::qt::WindowClazz<"CTestWindow">;

    explicit TestWindow(QWidget* parent = nullptr) : GMainWindow(parent) {}

    void setup() override;
    void ini() override;
    QString get_type_name() const override { return QStringLiteral("TestWindow"); }

    gen::qt::GPanelLogView* log_view() const { return panLog; }
    gen::qt::GButton* button_with_tip(QString const& tool_tip) const;

    gen::qt::GButton* btnHello = nullptr;   // logs "TestWindow, hello" (INFO)
    gen::qt::GButton* btnPlanet = nullptr;  // themed icon button
    gen::qt::GLabel* label = nullptr;
    QSlider* slider = nullptr;
    QTabBar* tabs = nullptr;
    std::vector<gen::qt::LayoutEvent> layouts;  // every pass the main panel saw
};

}  // namespace test
