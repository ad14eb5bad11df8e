#include <gen/qt/GStyles.h>

#include <gen/log/fatal.h>

#include <QSlider>

namespace gen::qt::styles {

QString get_slider_handle_sheet(Qt::Orientation orientation, unsigned int theme)
{
    bool const dark = theme == 1 || theme == 2;
    QString const handle = dark ? QStringLiteral("#6FA8C9") : QStringLiteral("#4A7B9B");
    QString const border = dark ? QStringLiteral("#555") : QStringLiteral("#bbb");
    QString const groove = dark ? QStringLiteral("#2b2b2b") : QStringLiteral("#eee");
    bool const horz = orientation == Qt::Horizontal;
    // The handle overhangs the 10-pixel groove by its negative margin.
    return QStringLiteral("QSlider::handle:%1 {    background: %2;    width: %3;    height: %4;"
                          "    margin: -10px -10px;    border-radius: 10px;}"
                          "QSlider::groove:%1 {    border: 1px solid %5;    background: %6;"
                          "    %7: 10px;    margin: 0px;}")
        .arg(horz ? QStringLiteral("horizontal") : QStringLiteral("vertical"), handle,
             horz ? QStringLiteral("30px") : QStringLiteral("40px"),
             horz ? QStringLiteral("40px") : QStringLiteral("30px"), border, groove,
             horz ? QStringLiteral("height") : QStringLiteral("width"));
}

void set_slider_handle(QSlider* slider, Qt::Orientation orientation, unsigned int theme)
{
    GEN_CHECK_NULL(slider);
    slider->setStyleSheet(get_slider_handle_sheet(orientation, theme));
}

}  // namespace gen::qt::styles
