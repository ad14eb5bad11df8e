#pragma once
// Line edit with number parsing that falls back to the caller's default.

#include <gen/qt/StringSetter.h>

#include <QLineEdit>
#include <QString>

namespace gen::qt {

class GLineEdit : public QLineEdit, public StringSetter<QLineEdit> {
public:
    explicit GLineEdit(QString const& text = QString(), QWidget* parent = nullptr);

    // The trimmed text as a base-10 integer; `def` when it does not parse
    // completely or does not fit.
    long long get_parsed_long(long long def) const;
    // The trimmed text as a double (C locale, "." decimal point); `def` when
    // it does not parse completely or is not finite.
    double get_parsed_double(double def) const;
};

}  // namespace gen::qt
