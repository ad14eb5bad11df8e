#include <gen/qt/GDialog.h>

#include <gen/qt/GMainPanel.h>

#include <QVBoxLayout>

namespace gen::qt {

GDialog::GDialog(QWidget* parent, Qt::WindowFlags flags) : QDialog(parent, flags) {}

GMainPanel* GDialog::create_main_panel(GLAYOUT layout)
{
    auto* box = qobject_cast<QVBoxLayout*>(this->layout());
    if (box == nullptr) {
        box = new QVBoxLayout(this);
        box->setSpacing(0);
        box->setContentsMargins(0, 0, 0, 0);
    }
    delete panMain;
    panMain = new GMainPanel(layout);
    box->addWidget(panMain);
    return panMain;
}

}  // namespace gen::qt
