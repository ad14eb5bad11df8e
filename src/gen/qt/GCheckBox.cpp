#include <gen/qt/GCheckBox.h>

namespace gen::qt {

GCheckBox::GCheckBox(QString const& text, QWidget* parent)
    : QCheckBox(text, parent), StringSetter<QCheckBox>(this)
{
    connect(this, &QCheckBox::toggled, this, [this](bool on) {
        if (!muted && !lisToggled.empty()) {
            lisToggled.fire_event(on);
        }
    });
}

void GCheckBox::set_checked(bool checked, bool notify)
{
    bool const wasMuted = muted;
    muted = !notify;
    setChecked(checked);
    muted = wasMuted;
}

}  // namespace gen::qt
