#pragma once
// Dialog whose contents live in one main panel that fills it.

#include <gen/qt/GPanel.h>

#include <QDialog>

namespace gen::qt {

class GMainPanel;

class GDialog : public QDialog {
public:
    explicit GDialog(QWidget* parent = nullptr, Qt::WindowFlags flags = Qt::WindowFlags());

    // Creates the main panel with `layout` in a vertical box (spacing 0) that
    // fills the dialog. A second call replaces the first panel.
    GMainPanel* create_main_panel(GLAYOUT layout);

    GMainPanel* panMain = nullptr;
};

}  // namespace gen::qt
