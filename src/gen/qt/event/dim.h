#pragma once
// Screen size class and orientation, from the primary screen's available
// size. The size is read once and cached until reset_cache(). GUI thread
// only.

#include <QSize>
#include <QString>
#include <Qt>

namespace gen::qt::dim {

enum DIMENSION : unsigned int {
    UNINITIALIZED = 0,
    TINY = 1,    // width < 300
    SMALL = 2,   // 300 … 599
    MEDIUM = 3,  // 600 … 899
    LARGE = 4,   // 900 … 1298
    XLARGE = 5,  // 1299 and more
};

// The primary screen's available size in pixels, at least 300 × 300 (also
// without a screen).
QSize get_size();
void reset_cache();
// What get_size makes of a screen's available size: 300 × 300 when either
// side is below 300 (with a debug line) or when there is no screen (an
// invalid size).
QSize usable_size(QSize const& available);

// The class of a width; every width falls into exactly one class.
DIMENSION dimension_of_width(int width);
// Vertical when the height is greater than the width.
Qt::Orientation orientation_of(QSize const& size);

unsigned int get_dimension();
bool is_dimension(unsigned int dimension);
bool is_tiny();
bool is_small();
bool is_medium();
bool is_large();
bool is_xlarge();

// "uninitialized", "TINY" … "XLARGE", "UNKNOWN-<n>" for other values.
QString to_string(unsigned int dimension);
QString dimension_as_string();

Qt::Orientation get_orientation();
bool is_orient_vert();
bool is_orient_horz();

// "HORIZONTAL, 1920x1080 => XLARGE".
QString get_info();

}  // namespace gen::qt::dim
