#pragma once
// A small main window built from the framework alone for the window tests,
// the peer process and the screenshot program; it records its layout passes.

#include <gen/qt/GButton.h>
#include <gen/qt/GMainPanel.h>
#include <gen/qt/GMainWindow.h>
#include <gen/qt/GPanelLogView.h>

#include <QSlider>
#include <QTabBar>

#include <vector>

namespace test {

class TestWindow : public gen::qt::GMainWindow {
public:
    void setup() override
    {
        setup_node<gen::qt::WindowClazz<"CTestWindow">>();
        ini_standards();
    }
    void ini() override
    {
        gen::qt::GMainPanel* pan = create_main_panel(gen::qt::LAYOUT_VERT);
        pan->lisLayout += [this](gen::qt::LayoutEvent* const& ev) { layouts.push_back(*ev); };
        gen::qt::GPanel* row = pan->create_pan_horz();
        btnHello = row->create<gen::qt::GButton>("Hello", "Says hello");
        btnPlanet = row->create<gen::qt::GButton>(":/wb/icons/planet.svg", "Planet");
        create_panel_option_log(row);
        slider = pan->create<QSlider>(Qt::Horizontal);
        slider->setValue(50);
        tabs = pan->create<QTabBar>();
        for (char const* name : {"Earth", "Moon", "Mars"}) {
            tabs->addTab(QString::fromLatin1(name));
        }
        tabs->setCurrentIndex(1);
        create_log_view(pan);
    }
    gen::qt::GPanelLogView* log_view() const { return panLog; }

    gen::qt::GButton* btnHello = nullptr;
    gen::qt::GButton* btnPlanet = nullptr;  // themed icon button
    QSlider* slider = nullptr;
    QTabBar* tabs = nullptr;                    // "Earth", "Moon" (current), "Mars"
    std::vector<gen::qt::LayoutEvent> layouts;  // every pass the main panel saw
};

}  // namespace test
