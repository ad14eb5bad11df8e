#include <gen/qt/GMenu.h>

#include <gen/qt/GAction.h>
#include <gen/tools/os.h>

#include <QCursor>

namespace gen::qt {

GMenu::GMenu(QWidget* parent) : QMenu(parent) {}

GMenu* GMenu::create_menu(QWidget* parent, unsigned int width)
{
    auto* menu = new GMenu(parent);
    if (parent != nullptr) {
        menu->setFont(parent->font());
    }
    menu->setStyleSheet(QStringLiteral("QMenu::separator { height: 1px; background: #707070; margin: 6px 10px; }"));
    menu->set_width(width);
    return menu;
}

GMenu* GMenu::create_sub_menu(QString const& title, unsigned int width)
{
    auto* sub = new GMenu(this);
    sub->setTitle(title);
    sub->setFont(font());
    addMenu(sub);
    sub->set_width(width);
    return sub;
}

void GMenu::set_width(unsigned int width)
{
    // Android menus would otherwise span the screen.
    if constexpr (os::is_android()) {
        if (width != 0) {
            setMinimumWidth(static_cast<int>(width));
            setMaximumWidth(static_cast<int>(width));
        }
    }
}

GAction* GMenu::create_action(QString const& text, bool checkable, bool checked, bool enabled, unsigned long long)
{
    QObject* owner = parentWidget() != nullptr ? static_cast<QObject*>(parentWidget()) : this;
    auto* action = new GAction(text, owner);
    if (checkable) {
        action->setCheckable(true);
        action->setChecked(checked);
    }
    addAction(action);
    action->setEnabled(enabled);
    return action;
}

GAction* GMenu::create_label(QString const& text, font::FONT_STYLE style)
{
    auto* action = new GAction(text, this);
    QFont f = font();
    f.setBold(style == font::BOLD || style == font::BOLD_ITALIC);
    f.setItalic(style == font::ITALIC || style == font::BOLD_ITALIC);
    action->setFont(f);
    action->setEnabled(false);
    addAction(action);
    return action;
}

QAction* GMenu::create_separator() { return addSeparator(); }

void GMenu::show_at_mouse_pos(int dy)
{
    QWidget* parent = parentWidget();
    if (parent == nullptr) {
        return;
    }
    QPoint local = parent->mapFromGlobal(QCursor::pos());
    if (dy != 0) {
        local.ry() += dy;
    }
    popup(parent->mapToGlobal(local));
}

}  // namespace gen::qt
