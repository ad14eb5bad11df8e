#include <gen/qt/GComboBox.h>

namespace gen::qt {

GComboBox::GComboBox(QWidget* parent) : QComboBox(parent)
{
    connect(this, &QComboBox::currentTextChanged, this, [this](QString const& text) {
        if (!lisText.empty()) {
            lisText.fire_event(text);
        }
    });
    connect(this, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!lisIndex.empty()) {
            lisIndex.fire_event(index);
        }
    });
}

}  // namespace gen::qt
