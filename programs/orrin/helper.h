#pragma once
// Small pieces the program's windows share.

class GLPlanet;
class MultiFuncState;
class QWidget;

namespace gen::qt {
class GButton;
}
namespace gen::store {
class GNode;
}

namespace orrin {

// Labels the mode button after the first mode that applies (planet "R",
// planet about Z "RZ", light "L", camera with head light "CL", camera "C",
// camera about Z "CZ"; nothing matching leaves the button as it is) and
// installs `state` as the view's mode.
void set_mode_and_gui(MultiFuncState const& state, GLPlanet* planet, gen::qt::GButton* button);

// The help box ("Basic Info"): the touch help on mobile platforms, the mouse
// help otherwise, with the window keys on desktops.
void showInfo(QWidget* parent);

}  // namespace orrin

// The welcome question, shown (without blocking) unless the application node's
// flag "seeMessageAgain" is false; answering "No" clears the flag.
void showInfoLimitEarth(QWidget* parent, gen::store::GNode& appNode);
