#pragma once
// GPanel: a frame that creates its children with one call, lays them out with
// one of six layouts and takes part in layout passes. Children are owned by
// Qt's parent chain (the panel deletes them). GUI thread only.

#include <gen/Listener.h>
#include <gen/qt/Layouter.h>

#include <QFrame>
#include <QMargins>
#include <QString>

#include <type_traits>
#include <utility>
#include <vector>

class QEvent;
class QLabel;
class QLayout;

namespace gen::qt {

class GLabel;
class GCheckBox;
class GComboBox;

// The layout of a panel.
enum GLAYOUT : int {
    LAYOUT_VERT = 0,     // QVBoxLayout
    LAYOUT_HORZ = 1,     // QHBoxLayout
    LAYOUT_FLOW = 2,     // gen::GFlowLayout, spacing from the style
    LAYOUT_STACKED = 3,  // QStackedLayout
    LAYOUT_GRID = 4,     // QGridLayout
    LAYOUT_FORM = 5,     // QFormLayout
};

class GPanel : public QFrame, public Layouter {
public:
    GPanel();
    explicit GPanel(GLAYOUT layout);
    ~GPanel() override;

    // Creates the layout; an existing one is replaced and its widgets move
    // into the new one in their order.
    void set_layout(GLAYOUT layout);
    QLayout* get_layout() const { return lay; }

    // Adds `w` to the layout and makes the panel its parent; a widget that is
    // already in the layout is returned unchanged. A null `w` or a panel
    // without layout ends the program.
    virtual QWidget* add_widget(QWidget* w);

    // new T(args...) added with add_widget. String literals are passed on as
    // QString so the wrappers' QString parameters match.
    template<class T, class... Args>
    T* create(Args&&... args)
    {
        T* w = new T(as_arg(std::forward<Args>(args))...);
        add_widget(w);
        return w;
    }

    GPanel* create_pan_vert();
    GPanel* create_pan_horz();
    GPanel* create_pan_flow();
    GPanel* create_pan_stacked();

    // `min_width` > 0 becomes the label's minimum width (pixels).
    GLabel* create_label(QString const& text, int min_width = 0);
    GCheckBox* create_checkBox(QString text, bool checked = false, QString tool_tip = QString());
    QLabel* create_spacer();
    QLabel* create_spacer_vert();
    QLabel* create_spacer_horz();
    // A text-less label drawn as a line `height` pixels high; an empty `name`
    // gets a random 8-letter object name (the style sheet selects by name).
    GLabel* create_horz_line(int height = 1, QString const& color = QStringLiteral("gray"),
                             QString const& name = QString());
    // One item per language of the twenty-language list: text = code,
    // tool tip = English name.
    GComboBox* create_combobox_world_lang();

    // Makes `w` the current widget of a stacked layout; a null `w` ends the
    // program.
    void show_stacked_widget(QWidget* w);

    // setVisible, then the visibility listener.
    void set_visible(bool visible);

    void set_margins(QMargins const& margins);
    void set_margins(int margin);
    QMargins get_margins() const;
    void set_spacing(int spacing);

    bool containsWidget(QWidget* w) const;
    // Append in layout order; a panel without layout ends the program.
    void get_widgets(std::vector<QWidget*>& out) const;
    void get_panels(std::vector<GPanel*>& out) const;
    void get_layouter(std::vector<Layouter*>& out) const;

    // Passes `ev` to every child Layouter in layout order, then fires
    // lisLayout with &ev.
    void do_layout(LayoutEvent& ev) override;

    QString to_string() const;
    bool is_name(QString const& name) const;

    Listener<unsigned int> lisTheme;   // palette changed; payload themes::get()
    Listener<bool> lisVisible;         // set_visible
    Listener<LayoutEvent*> lisLayout;  // after the children's do_layout

protected:
    void changeEvent(QEvent* event) override;

    QLayout* lay = nullptr;

private:
    template<class A>
    static decltype(auto) as_arg(A&& a)
    {
        using D = std::decay_t<A>;
        if constexpr (std::is_same_v<D, char const*> || std::is_same_v<D, char*>) {
            return QString::fromUtf8(a);
        } else {
            return std::forward<A>(a);
        }
    }

    // Layout order; a widget is counted once.
    std::vector<QWidget*> layout_widgets() const;
};

}  // namespace gen::qt
