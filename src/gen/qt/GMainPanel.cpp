#include <gen/qt/GMainPanel.h>

namespace gen::qt {

GMainPanel::GMainPanel() = default;

GMainPanel::GMainPanel(GLAYOUT layout) : GPanel(layout)
{
    set_margins(2);
}

}  // namespace gen::qt
