#include <gen/qt/GPanel.h>

#include <gen/log/fatal.h>
#include <gen/log/pp.h>
#include <gen/qt/GCheckBox.h>
#include <gen/qt/GComboBox.h>
#include <gen/qt/GFlowLayout.h>
#include <gen/qt/GLabel.h>
#include <gen/qt/themes.h>
#include <gen/qt/world_lang.h>

#include <QEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QStackedLayout>
#include <QVBoxLayout>

namespace gen::qt {

namespace {

QLayout* new_layout(GLAYOUT kind)
{
    switch (kind) {
    case LAYOUT_HORZ:
        return new QHBoxLayout;
    case LAYOUT_FLOW:
        return new GFlowLayout(-1, -1, -1);
    case LAYOUT_STACKED:
        return new QStackedLayout;
    case LAYOUT_GRID:
        return new QGridLayout;
    case LAYOUT_FORM:
        return new QFormLayout;
    case LAYOUT_VERT:
    default:
        return new QVBoxLayout;
    }
}

QLabel* make_spacer(QSizePolicy::Policy h, QSizePolicy::Policy v, int hStretch, int vStretch)
{
    auto* label = new QLabel;
    QSizePolicy policy(h, v);
    policy.setHorizontalStretch(hStretch);
    policy.setVerticalStretch(vStretch);
    label->setSizePolicy(policy);
    return label;
}

}  // namespace

GPanel::GPanel() = default;

GPanel::GPanel(GLAYOUT layout)
{
    set_layout(layout);
}

GPanel::~GPanel() = default;

void GPanel::set_layout(GLAYOUT layout)
{
    std::vector<QWidget*> moved;
    if (lay != nullptr) {
        pp("aha - hat schon layout ?, $", QString::fromLatin1(lay->metaObject()->className()));
        // QWidget refuses a second layout; the old one goes, its widgets stay.
        moved = layout_widgets();
        delete lay;
        lay = nullptr;
    }
    lay = new_layout(layout);
    setLayout(lay);
    for (QWidget* w : moved) {
        lay->addWidget(w);
    }
}

QWidget* GPanel::add_widget(QWidget* widget)
{
    GEN_CHECK_NULL(widget);
    GEN_CHECK_NULL(lay);
    if (lay->indexOf(widget) >= 0) {
        pp("XPanel::add_widget, w already in container");
        return widget;
    }
    // addWidget makes the panel the parent.
    lay->addWidget(widget);
    return widget;
}

GPanel* GPanel::create_pan_vert() { return create<GPanel>(LAYOUT_VERT); }
GPanel* GPanel::create_pan_horz() { return create<GPanel>(LAYOUT_HORZ); }
GPanel* GPanel::create_pan_flow() { return create<GPanel>(LAYOUT_FLOW); }
GPanel* GPanel::create_pan_stacked() { return create<GPanel>(LAYOUT_STACKED); }

GLabel* GPanel::create_label(QString const& text, int min_width)
{
    auto* label = create<GLabel>(text);
    if (min_width > 0) {
        label->setMinimumWidth(min_width);
    }
    return label;
}

GCheckBox* GPanel::create_checkBox(QString text, bool checked, QString tool_tip)
{
    auto* box = create<GCheckBox>(text);
    box->setChecked(checked);
    if (!tool_tip.isEmpty()) {
        box->setToolTip(tool_tip);
    }
    return box;
}

QLabel* GPanel::create_spacer()
{
    return static_cast<QLabel*>(
        add_widget(make_spacer(QSizePolicy::Expanding, QSizePolicy::MinimumExpanding, 1, 0)));
}

QLabel* GPanel::create_spacer_vert()
{
    return static_cast<QLabel*>(add_widget(make_spacer(QSizePolicy::Expanding, QSizePolicy::Minimum, 0, 1)));
}

QLabel* GPanel::create_spacer_horz()
{
    return static_cast<QLabel*>(add_widget(make_spacer(QSizePolicy::Expanding, QSizePolicy::Fixed, 1, 0)));
}

GLabel* GPanel::create_horz_line(int height, QString const& color, QString const& name)
{
    auto* line = create<GLabel>();
    line->set_horz_line(height, color, name);
    return line;
}

GComboBox* GPanel::create_combobox_world_lang()
{
    auto* combo = create<GComboBox>();
    for (auto const& [code, name] : create_vector_world_lang_20()) {
        combo->addItem(code);
        combo->setItemData(combo->count() - 1, name, Qt::ToolTipRole);
    }
    return combo;
}

void GPanel::show_stacked_widget(QWidget* widget)
{
    GEN_CHECK_NULL(widget);
    auto* stacked = qobject_cast<QStackedLayout*>(lay);
    if (stacked == nullptr) {
        pp("GPanel::show_stacked_widget, NO QStackedLayout");
        return;
    }
    stacked->setCurrentWidget(widget);
}

void GPanel::set_visible(bool visible)
{
    setVisible(visible);
    lisVisible.fire_event(visible);
}

void GPanel::set_margins(QMargins const& margins)
{
    if (lay != nullptr) {
        lay->setContentsMargins(margins);
    }
}

void GPanel::set_margins(int margin)
{
    set_margins(QMargins(margin, margin, margin, margin));
}

QMargins GPanel::get_margins() const
{
    return lay != nullptr ? lay->contentsMargins() : QMargins();
}

void GPanel::set_spacing(int spacing)
{
    if (lay != nullptr) {
        lay->setSpacing(spacing);
    }
}

bool GPanel::containsWidget(QWidget* w) const
{
    return lay != nullptr && w != nullptr && lay->indexOf(w) >= 0;
}

std::vector<QWidget*> GPanel::layout_widgets() const
{
    std::vector<QWidget*> out;
    if (lay == nullptr) {
        return out;
    }
    for (int i = 0; i < lay->count(); ++i) {
        QLayoutItem* item = lay->itemAt(i);
        if (item != nullptr && item->widget() != nullptr) {
            out.push_back(item->widget());
        }
    }
    return out;
}

void GPanel::get_widgets(std::vector<QWidget*>& out) const
{
    GEN_CHECK_NULL(lay);
    for (QWidget* w : layout_widgets()) {
        out.push_back(w);
    }
}

void GPanel::get_panels(std::vector<GPanel*>& out) const
{
    GEN_CHECK_NULL(lay);
    for (QWidget* w : layout_widgets()) {
        if (auto* panel = dynamic_cast<GPanel*>(w)) {
            out.push_back(panel);
        }
    }
}

void GPanel::get_layouter(std::vector<Layouter*>& out) const
{
    GEN_CHECK_NULL(lay);
    for (QWidget* w : layout_widgets()) {
        if (auto* layouter = dynamic_cast<Layouter*>(w)) {
            out.push_back(layouter);
        }
    }
}

void GPanel::do_layout(LayoutEvent& ev)
{
    for (QWidget* w : layout_widgets()) {
        if (auto* layouter = dynamic_cast<Layouter*>(w)) {
            layouter->do_layout(ev);
        }
    }
    lisLayout.fire_event(&ev);
}

void GPanel::changeEvent(QEvent* event)
{
    QFrame::changeEvent(event);
    if (event != nullptr && event->type() == QEvent::PaletteChange) {
        lisTheme.fire_event(themes::get());
    }
}

QString GPanel::to_string() const
{
    QString const name = objectName();
    return name.isEmpty() ? QStringLiteral("GPanel") : QStringLiteral("GPanel@") + name;
}

bool GPanel::is_name(QString const& name) const { return objectName() == name; }

}  // namespace gen::qt
