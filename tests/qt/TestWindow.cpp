#include "TestWindow.h"

#include <gen/log/pp.h>
#include <gen/qt/GButton.h>
#include <gen/qt/GLabel.h>
#include <gen/qt/GMainPanel.h>
#include <gen/qt/GPanelLogView.h>

#include <QSlider>
#include <QTabBar>

namespace test {

void TestWindow::setup()
{
    setup_node<Clazz>();
    ini_standards();
}

void TestWindow::ini()
{
    gen::qt::GMainPanel* pan = create_main_panel(gen::qt::LAYOUT_VERT);
    pan->lisLayout += [this](gen::qt::LayoutEvent* const& ev) { layouts.push_back(*ev); };

    gen::qt::GPanel* row = pan->create_pan_horz();
    btnHello = row->create<gen::qt::GButton>("Hello", "Says hello");
    btnHello->lisClicked += []() { gen::pp_info("TestWindow, hello"); };
    btnPlanet = row->create<gen::qt::GButton>(":/wb/icons/planet.svg", "Planet");
    create_panel_option_log(row);
    label = row->create<gen::qt::GLabel>("Skyvale");

    slider = new QSlider(Qt::Horizontal);
    slider->setRange(0, 100);
    slider->setValue(50);
    pan->add_widget(slider);
    tabs = new QTabBar;
    tabs->addTab(QStringLiteral("Earth"));
    tabs->addTab(QStringLiteral("Moon"));
    tabs->addTab(QStringLiteral("Mars"));
    tabs->setCurrentIndex(1);
    pan->add_widget(tabs);

    create_log_view(pan);
}

gen::qt::GButton* TestWindow::button_with_tip(QString const& tool_tip) const
{
    for (auto* button : find_all<gen::qt::GButton>()) {
        if (button->toolTip() == tool_tip) {
            return button;
        }
    }
    return nullptr;
}

}  // namespace test
