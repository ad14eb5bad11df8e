#pragma once
// Check box that reports toggles through a listener.

#include <gen/Listener.h>
#include <gen/qt/StringSetter.h>

#include <QCheckBox>
#include <QString>

namespace gen::qt {

class GCheckBox : public QCheckBox, public StringSetter<QCheckBox> {
public:
    explicit GCheckBox(QString const& text = QString(), QWidget* parent = nullptr);

    // With `notify` false nothing fires for this change.
    void set_checked(bool checked, bool notify);

    Listener<bool> lisToggled;

private:
    bool muted = false;
};

}  // namespace gen::qt
