#include <gen/qt/GButton.h>

#include <gen/qt/guitools/GGui.h>
#include <gen/qt/themes.h>

#include <QFontMetrics>

namespace gen::qt {

GButton::GButton(QString const& text, QString const& tool_tip, QString const& id)
    : StringSetter<QPushButton>(this)
{
    if (!text.isEmpty()) {
        if (text.startsWith(QStringLiteral(":/"))) {
            set_icon_res(text);
        } else {
            setText(text);
            gen::qt::set_id(this, text);
        }
    }
    if (!id.isEmpty()) {
        gen::qt::set_id(this, id);
    }
    if (!tool_tip.isEmpty()) {
        setToolTip(tool_tip);
    }
    connect(this, &QPushButton::clicked, this, [this](bool) {
        if (!muted && !lisClicked.empty()) {
            lisClicked.fire_event();
        }
    });
}

void GButton::set_id(QString const& id) { gen::qt::set_id(this, id); }

void GButton::set_icon_res(QString const& path)
{
    set_icon(this, path);
    follow_theme();
}

void GButton::follow_theme()
{
    if (!followsTheme) {
        followsTheme = true;
        themes::follow_theme(this, [this](unsigned int th) { adapt_to_theme(th); });
    }
}

void GButton::adapt_to_theme(unsigned int theme)
{
    QString const path = get_icon_res();
    if (path.isEmpty()) {
        return;
    }
    QString const themed = themes::make_theme_path(path, themes::theme_to_string(theme));
    if (does_res_exist(themed)) {
        set_icon(this, themed);
    }
}

QString GButton::get_icon_res() const { return property("sIcon").toString(); }

void GButton::adapt_size_to_font(int margin)
{
    if (text().isEmpty()) {
        return;
    }
    QFontMetrics const metrics(font());
    setMaximumWidth(metrics.horizontalAdvance(text()) + 2 * margin);
    adjustSize();
}

void GButton::set_text_toolTip(QString const& text, QString const& tool_tip)
{
    setText(text);
    setToolTip(tool_tip);
}

void GButton::set_checked(bool checked, bool notify)
{
    bool const wasMuted = muted;
    muted = !notify;
    setChecked(checked);
    muted = wasMuted;
}

}  // namespace gen::qt
