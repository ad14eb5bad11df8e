#pragma once
// Mixin for text-bearing widgets: set_string sets the widget's text (for a
// window its title) from UTF-8 or from a `$` template. T must offer
// setText(QString const&). The widget pointer is not owned.

#include <gen/tools/xprintf.h>

#include <QString>

namespace gen::qt {

template<class T>
class StringSetter {
public:
    explicit StringSetter(T* target) : widget(target) {}
    virtual ~StringSetter() = default;

    // A null text gives an empty text.
    void set_string(char const* text) { apply(QString::fromUtf8(text)); }

    template<class A, class... More>
    void set_string(char const* format, A const& first, More const&... more)
    {
        apply(QString::fromStdString(str::xprintF(0, format, first, more...)));
    }

protected:
    T* widget;

private:
    void apply(QString const& text)
    {
        if (widget != nullptr) {
            widget->setText(text);
        }
    }
};

}  // namespace gen::qt
