#include "helper.h"

#include "GLPlanet.h"
#include "MultiFuncState.h"

#include <gen/qt/GButton.h>

namespace orrin {

void set_mode_and_gui(MultiFuncState const& state, GLPlanet* planet, gen::qt::GButton* button)
{
    struct Label {
        bool applies;
        char const* text;
        char const* toolTip;
    };
    Label const labels[] = {
        {state.is_rotation_planet(), "R", "Mode:\nRotate Planet"},
        {state.is_rotation_planet_Z(), "RZ", "Mode:\nRotate Planet around Z"},
        {state.is_rotation_light(), "L", "Mode:\nMove Light Source"},
        {state.is_rotation_cam() && state.is_light_follow_cam(), "CL", "Mode:\nRotate Camera\nLight Follow Camera"},
        {state.is_rotation_cam(), "C", "Mode:\nRotate Camera"},
        {state.is_rotation_cam_Z(), "CZ", "Mode:\nRotate Camera Z"},
    };
    for (Label const& label : labels) {
        if (label.applies) {
            if (button != nullptr) {
                button->set_text_toolTip(QString::fromLatin1(label.text), QString::fromLatin1(label.toolTip));
            }
            break;
        }
    }
    if (planet != nullptr) {
        planet->mfState = state;
    }
}

}  // namespace orrin
