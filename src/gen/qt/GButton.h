#pragma once
// Push button that reports clicks through a listener. A text beginning with
// ":/" is an icon resource; any other text is shown and also becomes the "id".
// A button with an icon follows the application's theme: it shows the
// theme's variant of the icon (":/wb/icons/dark/x.svg") where one exists.

#include <gen/Listener.h>
#include <gen/qt/StringSetter.h>

#include <QPushButton>
#include <QString>

namespace gen::qt {

class GButton : public QPushButton, public StringSetter<QPushButton> {
public:
    explicit GButton(QString const& text = QString(), QString const& tool_tip = QString(),
                     QString const& id = QString());

    void set_id(QString const& id);
    void set_icon_res(QString const& path);
    // Shows the variant of the icon for `theme` when that resource exists;
    // otherwise, and without an icon, nothing changes.
    void adapt_to_theme(unsigned int theme);
    // "sIcon": the icon's resource path, empty when there is none.
    QString get_icon_res() const;
    // For a button with text: maximum width = text advance + 2 * margin
    // (pixels), then adjustSize.
    void adapt_size_to_font(int margin);
    void set_text_toolTip(QString const& text, QString const& tool_tip);
    // With `notify` false nothing fires for this change.
    void set_checked(bool checked, bool notify);

    Listener<NO_PAYLOAD> lisClicked;

private:
    void follow_theme();

    bool muted = false;
    bool followsTheme = false;
};

}  // namespace gen::qt
