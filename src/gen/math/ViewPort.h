#pragma once
// The drawing surface's size in pixels and the mapping between pointer
// positions (origin top-left, y down) and normalised device coordinates
// (-1..1, y up).

#include <QPoint>
#include <QPointF>
#include <QString>

#include <glm/vec2.hpp>

namespace gen::math {

struct ViewPort {
    float width = 0.0f;
    float height = 0.0f;

    // (-1, 1) at the top-left pixel, (1, -1) at (width, height). Not guarded
    // against an empty viewport.
    glm::vec2 get_ndc(QPoint p) const;
    QPointF middle() const;

    bool is_valid() const { return width > 0.0f && height > 0.0f; }
    explicit operator bool() const { return is_valid(); }

    // "800.00 / 600.00, aspect:1.33"; the aspect reads 1.00 when width /
    // height is not finite.
    QString to_string() const;
};

}  // namespace gen::math
