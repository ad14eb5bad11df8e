#include <gen/qt/GLineEdit.h>

#include <cmath>

namespace gen::qt {

GLineEdit::GLineEdit(QString const& text, QWidget* parent)
    : QLineEdit(text, parent), StringSetter<QLineEdit>(this)
{
}

long long GLineEdit::get_parsed_long(long long def) const
{
    bool ok = false;
    long long const value = text().trimmed().toLongLong(&ok, 10);
    return ok ? value : def;
}

double GLineEdit::get_parsed_double(double def) const
{
    bool ok = false;
    // QString::toDouble always reads the C locale.
    double const value = text().trimmed().toDouble(&ok);
    return ok && std::isfinite(value) ? value : def;
}

}  // namespace gen::qt
