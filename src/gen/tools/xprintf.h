#pragma once
// The `$` formatter: every `$` of a template takes the next argument, written
// by a fixed rule for its type. Numbers never go through the stream's locale
// (std::to_chars), so results are the same whatever locale the process uses.

#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QRectF>
#include <QSize>
#include <QSizeF>
#include <QString>
#include <QStringView>
#include <QVariant>

#include <glm/vec2.hpp>
#include <glm/vec3.hpp>

#include <charconv>
#include <cstring>
#include <sstream>
#include <string>
#include <string_view>
#include <type_traits>
#include <typeinfo>

namespace gen {

namespace convert {
std::string to_string_basic_info(QVariant const& value);
}

namespace detail {

template<class T>
concept HasToStringMember = requires(T const& t) { t.to_string(); };

template<class T>
inline constexpr bool is_plain_integer_v =
    std::is_same_v<T, int> || std::is_same_v<T, unsigned int> || std::is_same_v<T, long> ||
    std::is_same_v<T, unsigned long> || std::is_same_v<T, long long> ||
    std::is_same_v<T, unsigned long long> || std::is_same_v<T, short> ||
    std::is_same_v<T, unsigned short>;

template<class T>
void write_integer(std::stringstream& out, T value)
{
    char buf[24];  // enough for any 64-bit value with sign
    auto res = std::to_chars(buf, buf + sizeof buf, value);
    out.write(buf, res.ptr - buf);
}

// Fixed notation with `decimals` digits, as printf "%.Nf" in the C locale.
// The buffer is sized for the largest double (about 309 integer digits).
template<class T>
void write_fixed(std::stringstream& out, T value, int decimals)
{
    char buf[400];
    auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, decimals);
    if (res.ec == std::errc()) {
        out.write(buf, res.ptr - buf);
    }
}

inline void write_utf8(std::stringstream& out, QStringView text)
{
    QByteArray const bytes = text.toUtf8();
    out.write(bytes.constData(), bytes.size());
}

// Composite values: their parts by the rules of the parts' own types,
// separated by commas ("$,$", "$,$,$", "$,$,$,$").
template<class First, class... Rest>
void write_joined(std::stringstream& out, First const& first, Rest const&... rest);

}  // namespace detail

// Appends the rendering of one value. Later layers add explicit
// specialisations for their own types (declared before first use).
template<class T>
void obj_to_stream(std::stringstream& out, T const& value)
{
    if constexpr (std::is_same_v<T, bool>) {
        out << (value ? "true" : "false");
    } else if constexpr (detail::is_plain_integer_v<T>) {
        detail::write_integer(out, value);
    } else if constexpr (std::is_same_v<T, float>) {
        detail::write_fixed(out, value, 2);
    } else if constexpr (std::is_same_v<T, double>) {
        detail::write_fixed(out, value, 6);
    } else if constexpr (std::is_same_v<T, std::string> || std::is_same_v<T, std::string_view>) {
        out.write(value.data(), static_cast<std::streamsize>(value.size()));
    } else if constexpr (std::is_same_v<T, char const*> || std::is_same_v<T, char*>) {
        out << (value ? value : "nullptr");
    } else if constexpr (std::is_array_v<T> && std::is_same_v<std::remove_cv_t<std::remove_extent_t<T>>, char>) {
        // A literal's terminating NUL (and any embedded one) is skipped.
        for (std::size_t i = 0; i < std::extent_v<T>; ++i) {
            if (value[i] != '\0') {
                out.put(value[i]);
            }
        }
    } else if constexpr (std::is_same_v<T, QString> || std::is_same_v<T, QStringView>) {
        detail::write_utf8(out, value);
    } else if constexpr (std::is_same_v<T, QVariant>) {
        out << convert::to_string_basic_info(value);
    } else if constexpr (std::is_same_v<T, QPoint> || std::is_same_v<T, QPointF>) {
        detail::write_joined(out, value.x(), value.y());
    } else if constexpr (std::is_same_v<T, QSize> || std::is_same_v<T, QSizeF>) {
        detail::write_joined(out, value.width(), value.height());
    } else if constexpr (std::is_same_v<T, QRect> || std::is_same_v<T, QRectF>) {
        detail::write_joined(out, value.x(), value.y(), value.width(), value.height());
    } else if constexpr (std::is_same_v<T, glm::vec2>) {
        detail::write_joined(out, value.x, value.y);
    } else if constexpr (std::is_same_v<T, glm::vec3>) {
        detail::write_joined(out, value.x, value.y, value.z);
    } else if constexpr (detail::HasToStringMember<T>) {
        obj_to_stream(out, value.to_string());
    } else if constexpr (std::is_pointer_v<T> && std::is_class_v<std::remove_pointer_t<T>>) {
        if (value == nullptr) {
            out << "nullptr";
        } else {
            obj_to_stream(out, *value);
        }
    } else {
        out << "PP-TYPE?-'" << typeid(T).name() << "'";
    }
}

namespace detail {
template<class First, class... Rest>
void write_joined(std::stringstream& out, First const& first, Rest const&... rest)
{
    obj_to_stream(out, first);
    ((out.put(','), obj_to_stream(out, rest)), ...);
}
}  // namespace detail

namespace str {

// Continues the template at `rest`; arguments beyond the last `$` are dropped,
// `$` beyond the last argument stay literal.
inline void streamIt(std::stringstream& out, char const* rest)
{
    out << rest;
}

template<class T, class... Rest>
void streamIt(std::stringstream& out, char const* rest, T const& first, Rest const&... others)
{
    char const* mark = std::strchr(rest, '$');
    if (mark == nullptr) {
        out << rest;
        return;
    }
    out.write(rest, mark - rest);
    obj_to_stream(out, first);
    streamIt(out, mark + 1, others...);
}

// Renders `format` with each `$` replaced by the next argument, behind
// `indent` blanks. A null template gives the empty string.
template<class... Args>
std::string xprintF(unsigned int indent, char const* format, Args const&... args)
{
    if (format == nullptr) {
        return {};
    }
    std::stringstream out;
    for (unsigned int i = 0; i < indent; ++i) {
        out.put(' ');
    }
    streamIt(out, format, args...);
    return out.str();
}

// Decimal text of an integer.
template<class T>
std::string to_string(T const& value)
{
    static_assert(std::is_integral_v<T>);
    char buf[24];
    auto res = std::to_chars(buf, buf + sizeof buf, value);
    return std::string(buf, res.ptr);
}

}  // namespace str
}  // namespace gen
