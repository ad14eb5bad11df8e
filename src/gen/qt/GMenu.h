#pragma once
// Pop-up menus built from GActions. Widths are fixed only on Android, where
// menus otherwise span the screen; elsewhere menus keep their natural width.

#include <QMenu>
#include <QString>

namespace gen::qt {

class GAction;

namespace font {
// Look of a menu heading (GMenu::create_label).
enum FONT_STYLE : int {
    NORMAL = 0,
    BOLD = 1,
    ITALIC = 2,
    BOLD_ITALIC = 3,
};
}  // namespace font

class GMenu : public QMenu {
public:
    explicit GMenu(QWidget* parent = nullptr);

    // Takes the parent's font when there is a parent; `width` (pixels, 0 for
    // natural) is applied on Android only. The caller owns a menu without
    // parent.
    static GMenu* create_menu(QWidget* parent, unsigned int width);

    GMenu* create_sub_menu(QString const& title, unsigned int width);
    // Minimum = maximum width on Android; nothing elsewhere.
    void set_width(unsigned int width);
    // Added to the menu; the caller subscribes to its listeners. The last
    // argument is not used.
    GAction* create_action(QString const& text, bool checkable = false, bool checked = false,
                           bool enabled = true, unsigned long long unused = 0);
    // A disabled action in the given style, used as a heading.
    GAction* create_label(QString const& text, font::FONT_STYLE style = font::BOLD);
    QAction* create_separator();

    // Pops up at the cursor, moved down by `dy` pixels; does nothing for a
    // menu without parent widget.
    void show_at_mouse_pos(int dy);
};

}  // namespace gen::qt
