#pragma once
// The phase of a pointer drag and its two positions (widget pixels). A plain
// member of its user, which resets it; the trackball derives from it and
// overrides the virtual steps.

#include <QPoint>
#include <QString>

namespace gen::qt::event {

class DragState {
public:
    enum PHASE : int { ZERO = 0, BEGIN = 1, DRAG = 2, END = 3 };

    DragState() = default;
    DragState(DragState const&) = default;
    DragState& operator=(DragState const&) = default;
    virtual ~DragState();

    // Phase ZERO, both points (0,0).
    virtual void reset();
    // Start point = p, phase BEGIN.
    virtual void begin(QPoint const& p);
    // Current point = p, phase DRAG.
    virtual void drag(QPoint const& p);
    // Current point = p, phase END.
    virtual void end(QPoint const& p);

    bool is_zero() const { return phase == ZERO; }
    bool is_begin() const { return phase == BEGIN; }
    bool is_drag() const { return phase == DRAG; }
    bool is_end() const { return phase == END; }

    QString to_string() const;

    int phase = ZERO;
    QPoint ptStart;
    QPoint ptCurrent;
};

}  // namespace gen::qt::event
