#pragma once
// List view over a standard item model with checkable rows, touch-sized
// items and a style per theme. Reports changed items through a listener.

#include <gen/Listener.h>

#include <QListView>
#include <QStandardItemModel>
#include <QString>
#include <QVariant>

#include <string>

class QStandardItem;

namespace gen::qt {

class GListView : public QListView {
public:
    // Takes ownership of `model`; a null model gets an empty one.
    explicit GListView(QStandardItemModel* model, QWidget* parent = nullptr);

    QStandardItemModel* get_model() const { return itemModel; }

    // Appends one row; `data` goes under Qt::UserRole when it is not null.
    QStandardItem* create_item(QString const& text, bool checkable, bool checked,
                               QVariant const& data = QVariant());
    QStandardItem* create_item(std::string const& text, bool checkable, bool checked,
                               QVariant const& data = QVariant());

    // The check state of the first-column item of every row.
    void select(Qt::CheckState state);
    void select_all(bool on);
    void select_none();

    // 0 the normal sheet, any other theme the dark one.
    void adapt_style(unsigned int theme);

    static QString const& get_style_normal();
    static QString const& get_style_dark();

    Listener<QStandardItem*> lisItem;  // the model's itemChanged

private:
    QStandardItemModel* itemModel;
};

}  // namespace gen::qt
