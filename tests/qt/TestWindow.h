#pragma once
// A small main window built from the framework alone for the window tests,
// the peer process and the screenshot program; it records its layout passes.

#include <gen/qt/GButton.h>
#include <gen/qt/GMainWindow.h>
#include <gen/qt/GPanelLogView.h>

#include <QSlider>
#include <QTabBar>

#include <vector>

namespace test {

class TestWindow : public gen::qt::GMainWindow {
public:
    void setup() override;
    void ini() override;
    gen::qt::GPanelLogView* log_view() const { return panLog; }

    gen::qt::GButton* btnHello = nullptr;
    gen::qt::GButton* btnPlanet = nullptr;  // themed icon button
    QSlider* slider = nullptr;
    QTabBar* tabs = nullptr;                    // "Earth", "Moon" (current), "Mars"
    std::vector<gen::qt::LayoutEvent> layouts;  // every pass the main panel saw
};

}  // namespace test
