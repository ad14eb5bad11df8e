#pragma once
// Message box that reports its result through listeners, with helpers that
// show a non-modal box at once. A shown box lives until its parent is
// deleted; a box without parent deletes itself when closed.

#include <gen/Listener.h>

#include <QMessageBox>
#include <QString>

namespace gen::qt {

class GMessageBox : public QMessageBox {
public:
    explicit GMessageBox(QWidget* parent = nullptr);
    GMessageBox(Icon icon, QString const& title, QString const& text,
                StandardButtons buttons = NoButton, QWidget* parent = nullptr,
                Qt::WindowFlags flags = Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);

    static GMessageBox* show_info(QWidget* parent, QString const& title, QString const& text);
    static GMessageBox* show_error(QWidget* parent, QString const& title, QString const& text);
    static GMessageBox* ask_yes_no(QWidget* parent, QString const& title, QString const& text,
                                   QMessageBox::Icon icon = QMessageBox::Question);

    Listener<int> lisFinished;  // the dialog result (the button's StandardButton value)
    Listener<int> lisAccepted;  // 0
    Listener<int> lisRejected;  // 0

private:
    void prepare_listener();
};

}  // namespace gen::qt
