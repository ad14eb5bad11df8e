#include <gen/qt/GSplitter.h>

#include <gen/tools/os.h>

namespace gen::qt {

GSplitter::GSplitter(Qt::Orientation orientation, QWidget* parent) : QSplitter(orientation, parent)
{
    connect(this, &QSplitter::splitterMoved, this, [this](int pos, int) {
        if (!lisMoved.empty()) {
            lisMoved.fire_event(pos);
        }
    });
}

void GSplitter::do_layout(LayoutEvent& ev)
{
    for (int i = 0; i < count(); ++i) {
        if (auto* layouter = dynamic_cast<Layouter*>(widget(i))) {
            layouter->do_layout(ev);
        }
    }
    if constexpr (os::is_sandboxed()) {
        setHandleWidth(22);
    }
}

}  // namespace gen::qt
