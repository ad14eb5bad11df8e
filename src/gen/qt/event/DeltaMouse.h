#pragma once
// Tracks pointer movement: the first, the previous and the current position
// of a movement (widget pixels). A plain member of its user, which resets it.

#include <QPoint>
#include <QString>

#include <optional>

namespace gen::qt::event {

class DeltaMouse {
public:
    // Forgets all three points.
    void reset();
    // The first point after a reset becomes the start; the current point
    // moves to previous.
    void from_point(QPoint const& p);
    // Current − start; (0,0) without a start.
    QPoint delta_all() const;
    // Current − previous; (0,0) without a start.
    QPoint delta_last() const;
    // Whether the last point moved; false (with a debug line) without a start.
    bool has_data() const;
    QString to_string() const;

    std::optional<QPoint> ptStart;
    std::optional<QPoint> ptPrevious;
    std::optional<QPoint> ptCurrent;
};

}  // namespace gen::qt::event
