#include <gen/qt/guitools/GGui.h>

#include <gen/log/fatal.h>
#include <gen/log/pp.h>
#include <gen/qt/event/screen.h>
#include <gen/qt/themes.h>
#include <gen/tools/os.h>
#include <gen/tools/strings.h>

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QGuiApplication>
#include <QPalette>
#include <QPushButton>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QWidget>

namespace gen::qt {

void set_id(QObject* obj, QString const& id)
{
    if (obj != nullptr) {
        obj->setProperty("id", id);
    }
}

QString get_id(QObject* obj)
{
    return obj == nullptr ? QString() : obj->property("id").toString();
}

bool is_id(QObject* obj, QString const& id)
{
    if (obj == nullptr || id.isEmpty()) {
        return false;
    }
    return get_id(obj) == id;
}

bool has_property(QObject* obj, char const* name)
{
    if (obj == nullptr || name == nullptr) {
        return false;
    }
    return obj->dynamicPropertyNames().contains(QByteArray(name));
}

bool has_id(QObject* obj) { return has_property(obj, "id"); }
bool has_icon_res(QObject* obj) { return has_property(obj, "sIcon"); }

QString get_qtype_name(QObject* obj)
{
    if (obj == nullptr) {
        return QStringLiteral("nullptr");
    }
    return QString::fromLatin1(obj->metaObject()->className());
}

bool does_res_exist(QString const& path)
{
    if (!path.isEmpty() && QFile::exists(path)) {
        return true;
    }
    pp("resource does not exist: $", path);
    return false;
}

int dp_to_px(int dp)
{
    // qGuiApp is a plain cast: without a GUI application it must not be used.
    auto const* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    qreal const ratio = app != nullptr ? app->devicePixelRatio() : 1.0;
    return static_cast<int>(dp * ratio);
}

QString get_theme() { return themes::get_theme(); }

void set_background(QWidget* widget, QColor color)
{
    GEN_CHECK_NULL(widget);
    widget->setAutoFillBackground(true);
    QPalette pal = widget->palette();
    pal.setColor(QPalette::Window, color);
    widget->setPalette(pal);
}

int get_max_screen_width()
{
    int const w = os::primary_screen_size().width();
    return w > 0 ? w : 600;
}

int get_max_screen_height()
{
    int const h = os::primary_screen_size().height();
    return h > 0 ? h : 600;
}

void copy_to_clipboard(char const* sText)
{
    GEN_CHECK_NULL(sText);
    copy_to_clipboard(QString::fromUtf8(sText));
}

void copy_to_clipboard(QString const& text)
{
    if (QClipboard* clip = QGuiApplication::clipboard()) {
        clip->setText(text);
    }
}

namespace {
QWidget* widget_or_active(QWidget* widget)
{
    return widget != nullptr ? widget : QApplication::activeWindow();
}
}  // namespace

bool is_fullscreen(QWidget* widget)
{
    QWidget const* w = widget_or_active(widget);
    return w != nullptr && w->isFullScreen();
}

void toggle_full_screen(QWidget* widget)
{
    pp("toggle_full_screen");
    QWidget* w = widget_or_active(widget);
    if (w == nullptr) {
        return;
    }
    if (w->isFullScreen()) {
        w->showNormal();
    } else {
        w->showFullScreen();
    }
}

bool is_mobile_device() { return os::is_mobile(); }
bool is_pc_desktop() { return os::is_desktop(); }

GPadding GPadding::from_QWidget(QWidget* widget)
{
    GPadding pad;
    if (widget == nullptr) {
        return pad;
    }
    QRect const outer = widget->contentsRect();
    QRect inner;
    if (auto* button = qobject_cast<QPushButton*>(widget)) {
        QStyleOptionButton opt;
        opt.initFrom(button);
        opt.rect = outer;
        opt.text = button->text();
        opt.icon = button->icon();
        opt.iconSize = button->iconSize();
        inner = button->style()->subElementRect(QStyle::SE_PushButtonContents, &opt, button);
    } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        QStyleOptionComboBox opt;
        opt.initFrom(combo);
        opt.rect = outer;
        opt.editable = combo->isEditable();
        opt.currentText = combo->currentText();
        inner = combo->style()->subControlRect(QStyle::CC_ComboBox, &opt,
                                               QStyle::SC_ComboBoxEditField, combo);
    } else {
        return pad;
    }
    pad.left = inner.left() - outer.left();
    pad.right = outer.right() - inner.right();
    pad.top = inner.top() - outer.top();
    pad.bottom = outer.bottom() - inner.bottom();
    return pad;
}

void GPadding::set_padding(QWidget* widget) const
{
    if (widget == nullptr) {
        return;
    }
    // Style sheets write a namespace's "::" as "--".
    QString selector = QString::fromLatin1(widget->metaObject()->className());
    selector.replace(QStringLiteral("::"), QStringLiteral("--"));
    widget->setStyleSheet(QString::fromStdString(
        str::xprintF(0, "$ { padding-left: $px; padding-right: $px; padding-top: $px; padding-bottom: $px; };",
                     selector, left, right, top, bottom)));
}

QString GPadding::to_string() const
{
    return QStringLiteral("%1,%2,%3,%4").arg(left).arg(right).arg(top).arg(bottom);
}

namespace event {

void clicked(QAbstractButton* button, std::function<void()> fn)
{
    if (button == nullptr || !fn) {
        return;
    }
    QObject::connect(button, &QAbstractButton::clicked, button, [fn = std::move(fn)](bool) { fn(); });
}

void val_changed(QSlider* slider, std::function<void(int)> fn)
{
    if (slider == nullptr || !fn) {
        return;
    }
    QObject::connect(slider, &QSlider::valueChanged, slider, std::move(fn));
}

}  // namespace event

extern "C" void on_file_dropped(char* path, unsigned int size)
{
    QString const sPath = QString::fromUtf8(path);
    pp("on_file_dropped, sPath:$, bytes:$", sPath, size);
    QFile file(sPath);
    if (sPath.isEmpty() || !file.open(QIODevice::ReadOnly)) {
        pp("ERROR opening $", sPath);
        return;
    }
    QByteArray const data = file.readAll();
    pp("read $ bytes from $", str::format_1000(data.size()), sPath);
}

}  // namespace gen::qt
