#pragma once
// A splitter that reports handle moves through a listener and passes layout
// passes on to its Layouter children.

#include <gen/Listener.h>
#include <gen/qt/Layouter.h>

#include <QSplitter>

namespace gen::qt {

class GSplitter : public QSplitter, public Layouter {
public:
    explicit GSplitter(Qt::Orientation orientation = Qt::Horizontal, QWidget* parent = nullptr);

    // Every child Layouter in splitter order; on sandboxed platforms the
    // handles then become 22 pixels wide (finger-sized).
    void do_layout(LayoutEvent& ev) override;

    Listener<int> lisMoved;  // the new handle position (pixels)
};

}  // namespace gen::qt
