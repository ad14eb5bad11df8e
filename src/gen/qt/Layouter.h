#pragma once
// A layout pass walks the widget tree through Layouter::do_layout; the main
// window starts it when it is first shown, resized or its font changes.

#include <QSize>
#include <QString>

namespace gen::qt {

struct LayoutEvent {
    enum REASON : int {
        FIRST_SHOW = 0,
        RESIZE = 1,
        FONT_SIZE = 2,
    };

    QSize size;         // the window's size in pixels
    int fontSize = 0;   // points, or pixels when the font has no point size
    int reason = FIRST_SHOW;

    QString to_string() const
    {
        return QStringLiteral("LayoutEvent(%1x%2, font:%3, reason:%4)")
            .arg(size.width())
            .arg(size.height())
            .arg(fontSize)
            .arg(reason);
    }
};

class Layouter {
public:
    virtual ~Layouter() = default;
    virtual void do_layout(LayoutEvent& ev) = 0;
};

}  // namespace gen::qt
