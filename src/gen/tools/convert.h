#pragma once
// Text conversions between Qt and standard strings, rounding helpers, point
// conversions between Qt and glm and a one-line description of any QVariant
// for diagnostics.

#include <QByteArray>
#include <QPoint>
#include <QString>
#include <QVariant>

#include <glm/vec2.hpp>

#include <string>

namespace gen::convert {

// Decodes UTF-8 up to the first NUL byte.
QString to_qstring(std::string const& text);
// UTF-8 bytes.
std::string to_string(QString const& text);
// "[size] = {b0, b1, ...}" with each byte as a signed decimal number; when
// there are more than `maxShown` bytes, only the first and the last
// `maxShown / 2` with "...," between them.
std::string to_string(QByteArray const& bytes, unsigned int maxShown);

// Rounded to the nearest integer, halves away from zero; clamped to the int
// range, NaN gives 0.
int to_int(double x);

// Any angle in whole degrees mapped onto 0 to 359.
int get_compass_degrees(int degrees);

// Pointer positions to and from glm: x and y as floats; back with each
// coordinate truncated towards zero (NaN gives 0, values beyond the int range
// the nearest int limit).
glm::vec2 to_Vector2(QPoint const& p);
QPoint to_QPoint(glm::vec2 const& v);

// One line for diagnostics: "{" ("QVariant{valid=false," for an invalid
// value), ", null=true," for a null one, the type name ("<unknown type>"
// when there is none), then for a valid value ", size:N" for a byte array,
// ":(text)" for the store's GType (named "GType" here), ", value:"text"" for
// anything convertible to QString, else ", value=<not convertible to
// QString>", and "}". The store's type is recognised by its meta-type name
// "gen::store::GType", as this library sits below the store.
QString to_qstring_basic_info(QVariant const& value);
std::string to_string_basic_info(QVariant const& value);

}  // namespace gen::convert
