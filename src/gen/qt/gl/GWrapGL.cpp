#include <gen/qt/gl/GWrapGL.h>

#include <gen/log/fatal.h>
#include <gen/qt/gl/AbstractGLComponent.h>

#include <QWidget>

namespace gen::qt::gl {

GWrapGL::GWrapGL(AbstractGLComponent* window) : GPanel(LAYOUT_VERT), glComponent(window)
{
    GEN_CHECK_NULL(window);
    container = QWidget::createWindowContainer(window, this);
    set_margins(0);
    add_widget(container);
    setMinimumSize(50, 50);
}

GWrapGL::~GWrapGL() = default;

}  // namespace gen::qt::gl
