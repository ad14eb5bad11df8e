#pragma once
// Lets a GL window sit in ordinary widget layouts: a panel holding the
// window's container widget. From construction on the window belongs to the
// container (Qt's rule for window containers) and is deleted with it.

#include <gen/qt/GPanel.h>

namespace gen::qt::gl {

class AbstractGLComponent;

class GWrapGL : public gen::qt::GPanel {
public:
    // A null `window` ends the program.
    explicit GWrapGL(AbstractGLComponent* window);
    ~GWrapGL() override;

    AbstractGLComponent* glComponent = nullptr;
    QWidget* container = nullptr;
};

}  // namespace gen::qt::gl
