#pragma once
// WCAG contrast ratio of two colours (1 = none, 21 = black on white): tests
// check that themed colours stay readable rather than copy colour tables.

#include <QColor>

#include <algorithm>
#include <cmath>

namespace test {

inline double contrast(QColor const& a, QColor const& b)
{
    auto luminance = [](QColor const& c) {
        auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
    };
    return (std::max(luminance(a), luminance(b)) + 0.05) / (std::min(luminance(a), luminance(b)) + 0.05);
}

}  // namespace test
