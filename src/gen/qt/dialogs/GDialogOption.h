#pragma once
// The modal "Log Options" dialog of a main window: edits a working copy of
// the window's log configuration (level, columns, font size). OK applies it
// to the log view and stores it with the window's settings; Cancel or
// closing the dialog changes nothing. Deleted on close. GUI thread only.

#include <gen/Listener.h>
#include <gen/log/LogConfig.h>
#include <gen/qt/GDialog.h>

namespace gen::qt {

class GComboBox;
class GMainWindow;

class GDialogOption : public GDialog {
public:
    // A null parent is fatal.
    explicit GDialogOption(GMainWindow* parent);

    // Builds the dialog from the owner's log view; a window without one is
    // fatal.
    void ini();

    Listener<unsigned int> lisFontSize;  // on OK, the log view's font size (points)

    gen::log::LogConfig const& get_working_config() const { return cfg; }

private:
    void add_column(QString const& text, unsigned int mask);
    void on_ok();

    GMainWindow* owner;
    gen::log::LogConfig cfg;
};

}  // namespace gen::qt
