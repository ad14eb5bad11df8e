#include <gen/qt/GListView.h>

#include <gen/log/pp.h>

#include <QStandardItem>

namespace gen::qt {

GListView::GListView(QStandardItemModel* model, QWidget* parent)
    : QListView(parent), itemModel(model != nullptr ? model : new QStandardItemModel)
{
    itemModel->setParent(this);
    setModel(itemModel);
    connect(itemModel, &QStandardItemModel::itemChanged, this, [this](QStandardItem* item) {
        if (!lisItem.empty()) {
            lisItem.fire_event(item);
        }
    });
    setStyleSheet(get_style_normal());
}

QStandardItem* GListView::create_item(QString const& text, bool checkable, bool checked, QVariant const& data)
{
    auto* item = new QStandardItem(text);
    item->setCheckable(checkable);
    item->setData(checked ? Qt::Checked : Qt::Unchecked, Qt::CheckStateRole);
    if (!data.isNull()) {
        item->setData(data, Qt::UserRole);
    }
    itemModel->appendRow(item);
    return item;
}

QStandardItem* GListView::create_item(std::string const& text, bool checkable, bool checked, QVariant const& data)
{
    return create_item(QString::fromStdString(text), checkable, checked, data);
}

void GListView::select(Qt::CheckState state)
{
    for (int row = 0; row < itemModel->rowCount(); ++row) {
        if (QStandardItem* item = itemModel->item(row, 0)) {
            item->setCheckState(state);
        }
    }
}

void GListView::select_all(bool on) { select(on ? Qt::Checked : Qt::Unchecked); }

void GListView::select_none() { select(Qt::Unchecked); }

void GListView::adapt_style(unsigned int theme)
{
    if (theme == 0) {
        pp("GListView::adapt_style - NORMAL");
        setStyleSheet(get_style_normal());
    } else {
        pp("GListView::adapt_style - DARK/GREEN");
        setStyleSheet(get_style_dark());
    }
}

QString const& GListView::get_style_normal()
{
    // Touch-sized rows and check boxes, a wide scroll bar without arrows.
    static QString const sheet = QStringLiteral(
        "QListView::item {  padding: 10px 10px;  min-height: 44px;  color: #202020;  background: #f8f8f8;}"
        "QListView::item:selected {  background: #dbe9f6;}"
        "QListView::indicator {  width: 26px;  height: 26px;}"
        "QScrollBar:vertical {  width: 22px;  background: #eeeeee;  margin: 0px;}"
        "QScrollBar::handle:vertical {  min-height: 40px;  background: #9a9a9a;  border-radius: 6px;}"
        "QScrollBar::add-line:vertical,QScrollBar::sub-line:vertical {  height: 0px;}");
    return sheet;
}

QString const& GListView::get_style_dark()
{
    static QString const sheet = QStringLiteral(
        "QListView::item {  padding: 10px 10px;  min-height: 44px;  color: #e0e0e0;  background: #2b2b2b;}"
        "QListView::item:selected {  background: #3a4a5a;}"
        "QListView::indicator {  width: 26px;  height: 26px;  background: #dddddd;  border: 2px solid #aaaaaa;  border-radius: 4px;}"
        "QListView::indicator:checked {  background: #4fa3ff;  border: 2px solid #4fa3ff;}"
        "QScrollBar:vertical {  width: 22px;  background: #1f1f1f;  margin: 0px;}"
        "QScrollBar::handle:vertical {  min-height: 40px;  background: #5a5a5a;  border-radius: 6px;}"
        "QScrollBar::add-line:vertical,QScrollBar::sub-line:vertical {  height: 0px;}");
    return sheet;
}

}  // namespace gen::qt
