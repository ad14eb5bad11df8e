#include <gen/qt/dialogs/GDialogOption.h>

#include <gen/log/GLog.h>
#include <gen/log/fatal.h>
#include <gen/log/pp.h>
#include <gen/qt/GButton.h>
#include <gen/qt/GCheckBox.h>
#include <gen/qt/GComboBox.h>
#include <gen/qt/GLabel.h>
#include <gen/qt/GMainPanel.h>
#include <gen/qt/GMainWindow.h>
#include <gen/qt/GPanelLogView.h>

#include <QStringList>

namespace gen::qt {

namespace {

GMainWindow* checked_parent(GMainWindow* parent)
{
    GEN_CHECK_NULL(parent);
    return parent;
}

// One "label  combo box" row.
GComboBox* create_row(GPanel* pan, QString const& label, QStringList const& items)
{
    GPanel* row = pan->create_pan_horz();
    row->set_margins(0);
    row->create_label(label);
    auto* combo = row->create<GComboBox>();
    combo->addItems(items);
    return combo;
}

}  // namespace

GDialogOption::GDialogOption(GMainWindow* parent) : GDialog(checked_parent(parent)), owner(parent) {}

void GDialogOption::ini()
{
    setWindowTitle(QStringLiteral("Log Options"));
    GPanelLogView* panLog = owner->get_panel_log_view();
    GEN_CHECK_NULL(panLog);
    cfg = panLog->logConfig;
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(true);
    GMainPanel* pan = create_main_panel(LAYOUT_VERT);

    GComboBox* level = create_row(pan, QStringLiteral("Log Level"), {"ERROR", "WARN", "INFO", "DEBUG", "TRACE"});
    level->setObjectName(QStringLiteral("cbLogLevel"));
    level->setCurrentIndex(static_cast<int>(cfg.logLevel));
    level->lisIndex += [this](int const& index) {
        if (index >= 0) {
            cfg.logLevel = static_cast<unsigned int>(index);
        }
    };

    QStringList sizes;
    for (int size = 8; size <= 16; ++size) {
        sizes << QString::asprintf("%d", size);
    }
    GComboBox* font = create_row(pan, QStringLiteral("Font Size"), sizes);
    font->setObjectName(QStringLiteral("cbFontSize"));
    font->setCurrentText(QString::asprintf("%d", panLog->get_font_size()));
    font->lisText += [this](QString const& text) {
        gen::pp("GDialogOption....fontSize:$", text);
        bool ok = false;
        unsigned int const size = text.toUInt(&ok);
        if (ok) {
            cfg.fontSize = size;
        }
    };

    pan->create_horz_line(1, QStringLiteral("black"));
    pan->create_label(QStringLiteral("Columns"));
    add_column(QStringLiteral("number"), gen::log::control::NUMBER);
    add_column(QStringLiteral("time"), gen::log::control::TIME);
    add_column(QStringLiteral("abs time"), gen::log::control::ABS_TIME);
    add_column(QStringLiteral("log level"), gen::log::control::LEVEL);
    add_column(QStringLiteral("thread"), gen::log::control::THREAD);
    pan->create_horz_line(1, QStringLiteral("black"));
    add_column(QStringLiteral("micro seconds"), gen::log::control::MICRO_SECONDS);

    pan->create_spacer_vert();
    GPanel* buttons = pan->create_pan_horz();
    buttons->set_margins(0);
    auto* cancel = buttons->create<GButton>("Cancel");
    cancel->lisClicked += [this]() {
        gen::pp("GDialogOption, Cancel");
        close();
    };
    auto* ok = buttons->create<GButton>("OK");
    ok->setDefault(true);
    ok->lisClicked += [this]() { on_ok(); };
}

void GDialogOption::add_column(QString const& text, unsigned int mask)
{
    GCheckBox* box = panMain->create_checkBox(text, cfg.logControl.is_set(mask));
    box->lisToggled += [this, mask](bool const& on) { cfg.logControl.set_bits(mask, on); };
}

void GDialogOption::on_ok()
{
    gen::pp("GDialogOption, OK");
    GPanelLogView* panLog = owner->get_panel_log_view();
    if (panLog != nullptr) {
        panLog->set_config(cfg);
        lisFontSize.fire_event(static_cast<unsigned int>(panLog->get_font_size()));
    }
    owner->sync_win_settings(false);
    owner->sync_win_settings(true);
    close();
}

}  // namespace gen::qt
