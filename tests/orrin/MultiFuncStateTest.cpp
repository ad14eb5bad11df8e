#include "GLPlanet.h"
#include "MultiFuncState.h"
#include "helper.h"

#include <gen/qt/GButton.h>

#include <gtest/gtest.h>

TEST(MultiFuncState, FlagsAreIndependentAndNamedInBitOrder)
{
    MultiFuncState s;
    EXPECT_EQ(s.to_string(), "");
    s.set_rotation_light(true);
    s.set_rotation_planet(true);
    EXPECT_EQ(s.to_string(), "ROTATE_PLANET | ROTATE_LIGHT");
    s.set_rotation_planet(false);
    EXPECT_EQ(s.to_string(), "ROTATE_LIGHT");
    EXPECT_TRUE(s.is_rotation_light());
    s.reset();
    s.set_light_follow_cam(true);
    EXPECT_EQ(s.to_string(), "");  // the head light is never named
    EXPECT_EQ(s.get_bits(), 0x40u);
    for (auto set : {&MultiFuncState::set_rotation_cam, &MultiFuncState::set_rotation_cam_Z,
                     &MultiFuncState::set_rotation_planet, &MultiFuncState::set_rotation_planet_Z,
                     &MultiFuncState::set_rotation_light}) {
        (s.*set)(true);
    }
    EXPECT_EQ(s.get_bits() & 1u, 0u);
    EXPECT_EQ(s.to_string(), "ROTATE_CAM | ROTATE_CAM_Z | ROTATE_PLANET | ROTATE_PLANET_Z | ROTATE_LIGHT");
}

TEST(MultiFuncState, ModeButtonLabelsTheFirstModeThatApplies)
{
    GLPlanet planet;
    gen::qt::GButton button;
    struct Row {
        unsigned bits;
        char const* text;
        char const* toolTip;
    };
    for (Row const& r : {Row{0x08 | 0x20, "R", "Mode:\nRotate Planet"},
                         Row{0x10 | 0x02, "RZ", "Mode:\nRotate Planet around Z"},
                         Row{0x20 | 0x42, "L", "Mode:\nMove Light Source"},
                         Row{0x42, "CL", "Mode:\nRotate Camera\nLight Follow Camera"},
                         Row{0x02, "C", "Mode:\nRotate Camera"},
                         Row{0x04, "CZ", "Mode:\nRotate Camera Z"},
                         Row{0x40, "CZ", "Mode:\nRotate Camera Z"}}) {  // no match: label kept
        MultiFuncState state;
        state.set_rotation_cam((r.bits & 0x02) != 0);
        state.set_rotation_cam_Z((r.bits & 0x04) != 0);
        state.set_rotation_planet((r.bits & 0x08) != 0);
        state.set_rotation_planet_Z((r.bits & 0x10) != 0);
        state.set_rotation_light((r.bits & 0x20) != 0);
        state.set_light_follow_cam((r.bits & 0x40) != 0);
        orrin::set_mode_and_gui(state, &planet, &button);
        EXPECT_EQ(button.text(), r.text) << r.bits;
        EXPECT_EQ(button.toolTip(), r.toolTip) << r.bits;
        EXPECT_EQ(planet.mfState, state) << r.bits;
    }
}
