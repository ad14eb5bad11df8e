#pragma once
// Small pieces the program's windows share.

class GLPlanet;
class MultiFuncState;

namespace gen::qt {
class GButton;
}

namespace orrin {

// Labels the mode button after the first mode that applies (planet "R",
// planet about Z "RZ", light "L", camera with head light "CL", camera "C",
// camera about Z "CZ"; nothing matching leaves the button as it is) and
// installs `state` as the view's mode.
void set_mode_and_gui(MultiFuncState const& state, GLPlanet* planet, gen::qt::GButton* button);

}  // namespace orrin
