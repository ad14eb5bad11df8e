#include <gen/qt/event/DeltaMouse.h>

#include <gen/log/pp.h>

namespace gen::qt::event {

void DeltaMouse::reset()
{
    ptStart.reset();
    ptPrevious.reset();
    ptCurrent.reset();
}

void DeltaMouse::from_point(QPoint const& p)
{
    if (!ptStart) {
        ptStart = p;
    }
    ptPrevious = ptCurrent ? ptCurrent : ptStart;
    ptCurrent = p;
}

QPoint DeltaMouse::delta_all() const
{
    if (!ptStart) {
        return {};
    }
    return ptCurrent.value_or(*ptStart) - *ptStart;
}

QPoint DeltaMouse::delta_last() const
{
    if (!ptStart) {
        return {};
    }
    return ptCurrent.value_or(*ptStart) - ptPrevious.value_or(*ptStart);
}

bool DeltaMouse::has_data() const
{
    if (!ptStart) {
        pp("DeltaMouse::has_data - ptStart ?");
        return false;
    }
    return ptCurrent != ptPrevious;
}

QString DeltaMouse::to_string() const
{
    if (!ptStart) {
        return QStringLiteral("[INVALID]");
    }
    QPoint const previous = ptPrevious.value_or(*ptStart);
    QPoint const current = ptCurrent.value_or(*ptStart);
    return QString::fromStdString(str::xprintF(0, "[$] [$] [$], DELTA all [$], DELTA prev [$]", *ptStart, previous,
                                               current, delta_all(), delta_last()));
}

}  // namespace gen::qt::event
