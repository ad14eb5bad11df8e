#include <gen/qt/GMessageBox.h>

#include <gen/log/pp.h>

namespace gen::qt {

namespace {

GMessageBox* show_box(QWidget* parent, QMessageBox::Icon icon, QString const& title, QString const& text,
                      QMessageBox::StandardButtons buttons)
{
    auto* box = new GMessageBox(icon, title, text, buttons, parent,
                                Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    // Nothing else would ever delete a box without parent.
    if (parent == nullptr) {
        box->setAttribute(Qt::WA_DeleteOnClose);
    }
    box->setModal(false);
    box->show();
    return box;
}

}  // namespace

GMessageBox::GMessageBox(QWidget* parent) : QMessageBox(parent)
{
    prepare_listener();
}

GMessageBox::GMessageBox(Icon icon, QString const& title, QString const& text, StandardButtons buttons,
                         QWidget* parent, Qt::WindowFlags flags)
    : QMessageBox(icon, title, text, buttons, parent, flags)
{
    prepare_listener();
}

void GMessageBox::prepare_listener()
{
    connect(this, &QDialog::finished, this, [this](int result) {
        if (!lisFinished.empty()) {
            lisFinished.fire_event(result);
        }
    });
    connect(this, &QDialog::accepted, this, [this]() {
        if (!lisAccepted.empty()) {
            lisAccepted.fire_event(0);
        }
    });
    connect(this, &QDialog::rejected, this, [this]() {
        if (!lisRejected.empty()) {
            lisRejected.fire_event(0);
        }
    });
}

GMessageBox* GMessageBox::show_info(QWidget* parent, QString const& title, QString const& text)
{
    pp("GMessageBox::show_info");
    return show_box(parent, QMessageBox::Information, title, text, QMessageBox::Ok);
}

GMessageBox* GMessageBox::show_error(QWidget* parent, QString const& title, QString const& text)
{
    pp("GMessageBox::show_error:$", text);
    return show_box(parent, QMessageBox::Critical, title, text, QMessageBox::Ok);
}

GMessageBox* GMessageBox::ask_yes_no(QWidget* parent, QString const& title, QString const& text,
                                     QMessageBox::Icon icon)
{
    return show_box(parent, icon, title, text, QMessageBox::Yes | QMessageBox::No);
}

}  // namespace gen::qt
