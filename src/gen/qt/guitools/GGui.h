#pragma once
// Free GUI helpers: object ids and icon resources kept as dynamic properties
// ("id", "sIcon"), resource checks, screen and pixel sizes, clipboard, full
// screen, content padding and signal-to-function hooks. GUI thread only.

#include <QColor>
#include <QIcon>
#include <QObject>
#include <QString>
#include <QVariant>

#include <functional>

class QAbstractButton;
class QSlider;
class QWidget;

namespace gen::qt {

// Loads the icon at `path` (a resource ":/..." or a file). A null icon leaves
// the button's icon alone and empties "sIcon"; otherwise the icon is set and
// "sIcon" becomes `path`. Does nothing for a null button.
template<class T>
void set_icon(T* button, QString const& path)
{
    if (button == nullptr) {
        return;
    }
    QIcon const icon(path);
    if (icon.isNull()) {
        button->setProperty("sIcon", QString());
        return;
    }
    button->setIcon(icon);
    button->setProperty("sIcon", path);
}

// The "id" property; nothing for a null object.
void set_id(QObject* obj, QString const& id);
// Empty for a null object.
QString get_id(QObject* obj);
// False for a null object or an empty `id`.
bool is_id(QObject* obj, QString const& id);
bool has_id(QObject* obj);
bool has_icon_res(QObject* obj);
// Whether `name` is among the object's dynamic properties.
bool has_property(QObject* obj, char const* name);
// The meta-object class name; "nullptr" for a null object.
QString get_qtype_name(QObject* obj);

// Whether the file or resource exists (debug line when not).
bool does_res_exist(QString const& path);
// Device-independent pixels times the application's device pixel ratio,
// truncated.
int dp_to_px(int dp);
// The application theme's name.
QString get_theme();
// Auto-fill with `color` as the Window role; a null widget ends the program.
void set_background(QWidget* widget, QColor color);

// The primary screen's geometry; 600 without a screen or for a zero value.
int get_max_screen_width();
int get_max_screen_height();

// A null text ends the program.
void copy_to_clipboard(char const* sText);
void copy_to_clipboard(QString const& text);

// For `widget`, or the active window when it is null (false without one).
bool is_fullscreen(QWidget* widget);
void toggle_full_screen(QWidget* widget);

bool is_mobile_device();
bool is_pc_desktop();

// Content padding (pixels) of a push button or combo box under its style.
struct GPadding {
    int left = 0;
    int right = 0;
    int top = 0;
    int bottom = 0;

    // The difference between the widget's contents rectangle and the area
    // its style leaves for the content; zero for other widgets or null.
    static GPadding from_QWidget(QWidget* widget);
    // Applies the padding as a style sheet on the widget's class.
    void set_padding(QWidget* widget) const;
    // "left,right,top,bottom"
    QString to_string() const;
};

namespace event {
// Connects the button's clicked or the slider's valueChanged to `fn`; the
// connection lives as long as the widget. Null widgets are ignored.
void clicked(QAbstractButton* button, std::function<void()> fn);
void val_changed(QSlider* slider, std::function<void(int)> fn);
}  // namespace event

// Called by platform glue with a dropped file's NUL-terminated UTF-8 path and
// the byte count the platform announced; reads the file and logs what it
// read. A null path is logged as a failed open.
extern "C" void on_file_dropped(char* path, unsigned int size);

}  // namespace gen::qt
