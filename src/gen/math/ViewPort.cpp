#include <gen/math/ViewPort.h>

#include <cmath>

namespace gen::math {

glm::vec2 ViewPort::get_ndc(QPoint p) const
{
    return glm::vec2(2.0f * static_cast<float>(p.x()) / width - 1.0f,
                     1.0f - 2.0f * static_cast<float>(p.y()) / height);
}

QPointF ViewPort::middle() const
{
    return QPointF(width / 2.0, height / 2.0);
}

QString ViewPort::to_string() const
{
    float aspect = width / height;
    if (!std::isfinite(aspect)) {
        aspect = 1.0f;
    }
    // asprintf always writes "." as decimal point, whatever the locale.
    return QString::asprintf("%2.2f / %2.2f, aspect:%2.2f", double(width), double(height),
                             double(aspect));
}

}  // namespace gen::math
