#pragma once
// The central panel of windows and dialogs: a GPanel whose layout has 2-pixel
// contents margins on every side. The margins go with the layout given at
// construction; a panel built without one sets them itself.

#include <gen/qt/GPanel.h>

namespace gen::qt {

class GMainPanel : public GPanel {
public:
    GMainPanel();
    explicit GMainPanel(GLAYOUT layout);
};

}  // namespace gen::qt
