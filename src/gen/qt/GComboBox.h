#pragma once
// Combo box that reports the current text and index through listeners.

#include <gen/Listener.h>

#include <QComboBox>
#include <QString>

namespace gen::qt {

class GComboBox : public QComboBox {
public:
    explicit GComboBox(QWidget* parent = nullptr);

    Listener<QString> lisText;  // currentTextChanged
    Listener<int> lisIndex;     // currentIndexChanged
};

}  // namespace gen::qt
