#include <gen/qt/event/dim.h>

#include <gen/log/pp.h>

#include <QGuiApplication>
#include <QScreen>

#include <optional>

namespace gen::qt::dim {

namespace {

constexpr int kMinSide = 300;

std::optional<QSize>& cached_size()
{
    static std::optional<QSize> size;
    return size;
}

QSize read_screen_size()
{
    QScreen const* screen = QGuiApplication::primaryScreen();
    return usable_size(screen != nullptr ? screen->availableGeometry().size() : QSize());
}

}  // namespace

QSize usable_size(QSize const& available)
{
    if (!available.isValid()) {
        return QSize(kMinSide, kMinSide);
    }
    if (available.width() < kMinSide || available.height() < kMinSide) {
        pp("dim::get_size - really so small ? $", available);
        return QSize(kMinSide, kMinSide);
    }
    return available;
}

QSize get_size()
{
    std::optional<QSize>& size = cached_size();
    if (!size) {
        size = read_screen_size();
    }
    return *size;
}

void reset_cache()
{
    pp("reset_cache");
    cached_size().reset();
    pp("ok, no size any more");
}

DIMENSION dimension_of_width(int width)
{
    if (width < 300) {
        return TINY;
    }
    if (width < 600) {
        return SMALL;
    }
    if (width < 900) {
        return MEDIUM;
    }
    if (width < 1299) {
        return LARGE;
    }
    return XLARGE;
}

Qt::Orientation orientation_of(QSize const& size)
{
    return size.height() > size.width() ? Qt::Vertical : Qt::Horizontal;
}

unsigned int get_dimension()
{
    return dimension_of_width(get_size().width());
}

bool is_dimension(unsigned int dimension)
{
    return get_dimension() == dimension;
}

bool is_tiny()
{
    return is_dimension(TINY);
}

bool is_small()
{
    return is_dimension(SMALL);
}

bool is_medium()
{
    return is_dimension(MEDIUM);
}

bool is_large()
{
    return is_dimension(LARGE);
}

bool is_xlarge()
{
    return is_dimension(XLARGE);
}

QString to_string(unsigned int dimension)
{
    switch (dimension) {
    case UNINITIALIZED:
        return QStringLiteral("uninitialized");
    case TINY:
        return QStringLiteral("TINY");
    case SMALL:
        return QStringLiteral("SMALL");
    case MEDIUM:
        return QStringLiteral("MEDIUM");
    case LARGE:
        return QStringLiteral("LARGE");
    case XLARGE:
        return QStringLiteral("XLARGE");
    default:
        return QString::fromStdString(str::xprintF(0, "UNKNOWN-$", dimension));
    }
}

QString dimension_as_string()
{
    return to_string(get_dimension());
}

Qt::Orientation get_orientation()
{
    return orientation_of(get_size());
}

bool is_orient_vert()
{
    return get_orientation() == Qt::Vertical;
}

bool is_orient_horz()
{
    return get_orientation() == Qt::Horizontal;
}

QString get_info()
{
    QSize const size = get_size();
    char const* orientation = orientation_of(size) == Qt::Vertical ? "VERTICAL" : "HORIZONTAL";
    return QString::fromStdString(str::xprintF(0, "$, $x$ => $", orientation, size.width(), size.height(),
                                               to_string(dimension_of_width(size.width()))));
}

}  // namespace gen::qt::dim
