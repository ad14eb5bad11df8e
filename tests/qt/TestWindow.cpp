#include "TestWindow.h"

#include <gen/qt/GMainPanel.h>

namespace test {

void TestWindow::setup()
{
    setup_node<gen::qt::WindowClazz<"CTestWindow">>();
    ini_standards();
}

void TestWindow::ini()
{
    gen::qt::GMainPanel* pan = create_main_panel(gen::qt::LAYOUT_VERT);
    pan->lisLayout += [this](gen::qt::LayoutEvent* const& ev) { layouts.push_back(*ev); };
    gen::qt::GPanel* row = pan->create_pan_horz();
    btnHello = row->create<gen::qt::GButton>("Hello", "Says hello");
    btnPlanet = row->create<gen::qt::GButton>(":/wb/icons/planet.svg", "Planet");
    create_panel_option_log(row);
    slider = new QSlider(Qt::Horizontal);
    slider->setValue(50);
    pan->add_widget(slider);
    tabs = new QTabBar;
    for (char const* name : {"Earth", "Moon", "Mars"}) {
        tabs->addTab(QString::fromLatin1(name));
    }
    tabs->setCurrentIndex(1);
    pan->add_widget(tabs);
    create_log_view(pan);
}

}  // namespace test
