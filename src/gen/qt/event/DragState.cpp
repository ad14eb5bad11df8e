#include <gen/qt/event/DragState.h>

#include <gen/log/pp.h>

namespace gen::qt::event {

DragState::~DragState() = default;

void DragState::reset()
{
    phase = ZERO;
    ptStart = QPoint();
    ptCurrent = QPoint();
}

void DragState::begin(QPoint const& p)
{
    ptStart = p;
    phase = BEGIN;
}

void DragState::drag(QPoint const& p)
{
    ptCurrent = p;
    phase = DRAG;
    pp_trace("DragState::drag, pt:$", p);
}

void DragState::end(QPoint const& p)
{
    ptCurrent = p;
    phase = END;
}

QString DragState::to_string() const
{
    std::string text;
    switch (phase) {
    case ZERO:
        text = "ZERO";
        break;
    case BEGIN:
        text = str::xprintF(0, "DragState,BEGIN, ptStart:$", ptStart);
        break;
    case DRAG:
        text = str::xprintF(0, "DragState,DRAG, ptStart:$, ptCurrent:$", ptStart, ptCurrent);
        break;
    case END:
        text = str::xprintF(0, "DragState,END, ptStart:$, ptCurrent:$", ptStart, ptCurrent);
        break;
    default:
        text = "DragState ?";
        break;
    }
    return QString::fromStdString(text);
}

}  // namespace gen::qt::event
