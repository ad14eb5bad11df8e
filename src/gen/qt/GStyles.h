#pragma once
// Style sheets shared by windows: a large, touch-friendly slider handle in the
// theme's colours.

#include <QString>
#include <Qt>

class QSlider;

namespace gen::qt::styles {

// The sheet for `theme` (dark form for 1 and 2, normal otherwise) and the
// orientation (horizontal form for Qt::Horizontal, vertical otherwise).
QString get_slider_handle_sheet(Qt::Orientation orientation, unsigned int theme);
// A null slider ends the program.
void set_slider_handle(QSlider* slider, Qt::Orientation orientation, unsigned int theme);

}  // namespace gen::qt::styles
