#include <gen/tools/convert.h>

#include <gen/tools/format.h>
#include <gen/tools/xprintf.h>

#include <QMetaType>

#include <cmath>
#include <cstring>
#include <limits>

namespace gen::convert {

namespace {

constexpr char const* kStoreTypeName = "gen::store::GType";

bool is_store_type(QMetaType type)
{
    if (char const* name = type.name(); name != nullptr && std::strcmp(name, kStoreTypeName) == 0) {
        return true;
    }
    // The type may also be known under that name as a registered alias.
    QMetaType const aliased = QMetaType::fromName(kStoreTypeName);
    return aliased.isValid() && aliased == type;
}

}  // namespace

QString to_qstring(std::string const& text)
{
    std::size_t const end = text.find('\0');
    std::size_t const length = end == std::string::npos ? text.size() : end;
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(length));
}

std::string to_string(QString const& text)
{
    return str::to_utf8(text);
}

std::string to_string(QByteArray const& bytes, unsigned int maxShown)
{
    auto const size = static_cast<unsigned long long>(bytes.size());
    std::string text = str::xprintF(0, "[$] = {", size);
    auto const value = [&bytes](unsigned long long i) {
        return str::to_string(static_cast<int>(static_cast<signed char>(bytes[static_cast<qsizetype>(i)])));
    };
    if (size <= maxShown) {
        for (unsigned long long i = 0; i < size; ++i) {
            if (i > 0) {
                text += ", ";
            }
            text += value(i);
        }
    } else {
        unsigned long long const half = maxShown / 2;
        for (unsigned long long i = 0; i < half; ++i) {
            text += value(i) + ", ";
        }
        text += "...,";
        for (unsigned long long i = size - half; i < size; ++i) {
            if (i > size - half) {
                text += ", ";
            }
            text += value(i);
        }
    }
    text += "}";
    return text;
}

int to_int(double x)
{
    if (std::isnan(x)) {
        return 0;
    }
    double const rounded = std::round(x);
    if (rounded <= static_cast<double>(std::numeric_limits<int>::min())) {
        return std::numeric_limits<int>::min();
    }
    if (rounded >= static_cast<double>(std::numeric_limits<int>::max())) {
        return std::numeric_limits<int>::max();
    }
    return static_cast<int>(rounded);
}

glm::vec2 to_Vector2(QPoint const& p)
{
    return glm::vec2(static_cast<float>(p.x()), static_cast<float>(p.y()));
}

namespace {
// A float outside the int range has no defined conversion.
int truncate_to_int(float x)
{
    if (std::isnan(x)) {
        return 0;
    }
    double const whole = std::trunc(static_cast<double>(x));
    if (whole <= static_cast<double>(std::numeric_limits<int>::min())) {
        return std::numeric_limits<int>::min();
    }
    if (whole >= static_cast<double>(std::numeric_limits<int>::max())) {
        return std::numeric_limits<int>::max();
    }
    return static_cast<int>(whole);
}
}  // namespace

QPoint to_QPoint(glm::vec2 const& v)
{
    return QPoint(truncate_to_int(v.x), truncate_to_int(v.y));
}

int get_compass_degrees(int degrees)
{
    int const rest = degrees % 360;
    return rest < 0 ? rest + 360 : rest;
}

QString to_qstring_basic_info(QVariant const& value)
{
    QString text = value.isValid() ? QStringLiteral("{") : QStringLiteral("QVariant{valid=false,");
    if (value.isNull()) {
        text += QStringLiteral(", null=true,");
    }
    QMetaType const type = value.metaType();
    bool const storeType = value.isValid() && is_store_type(type);
    if (storeType) {
        text += QStringLiteral("GType");
    } else if (char const* name = type.name(); name != nullptr) {
        text += QString::fromUtf8(name);
    } else {
        text += QStringLiteral("<unknown type>");
    }
    if (value.isValid()) {
        // The store registers a QString converter for its type, so it must
        // be recognised before the generic conversion.
        if (type == QMetaType::fromType<QByteArray>()) {
            text += QStringLiteral(", size:") + QString::number(value.toByteArray().size());
        } else if (storeType) {
            text += QStringLiteral(":(") + value.toString() + QStringLiteral(")");
        } else if (value.canConvert<QString>()) {
            text += QStringLiteral(", value:\"") + value.toString() + QStringLiteral("\"");
        } else {
            text += QStringLiteral(", value=<not convertible to QString>");
        }
    }
    text += QStringLiteral("}");
    return text;
}

std::string to_string_basic_info(QVariant const& value)
{
    return str::to_utf8(to_qstring_basic_info(value));
}

}  // namespace gen::convert
