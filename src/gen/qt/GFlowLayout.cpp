#include <gen/qt/GFlowLayout.h>

#include <QWidget>

namespace gen {

GFlowLayout::GFlowLayout(QWidget* parent, int margin, int h_spacing, int v_spacing)
    : QLayout(parent), hSpace(h_spacing), vSpace(v_spacing)
{
    if (margin >= 0) {
        setContentsMargins(margin, margin, margin, margin);
    }
}

GFlowLayout::GFlowLayout(int margin, int h_spacing, int v_spacing) : hSpace(h_spacing), vSpace(v_spacing)
{
    if (margin >= 0) {
        setContentsMargins(margin, margin, margin, margin);
    }
}

GFlowLayout::~GFlowLayout()
{
    while (QLayoutItem* item = takeAt(0)) {
        delete item;
    }
}

void GFlowLayout::addItem(QLayoutItem* item) { itemList.append(item); }

int GFlowLayout::horizontalSpacing() const
{
    return hSpace >= 0 ? hSpace : smart_spacing(QStyle::PM_LayoutHorizontalSpacing);
}

int GFlowLayout::verticalSpacing() const
{
    return vSpace >= 0 ? vSpace : smart_spacing(QStyle::PM_LayoutVerticalSpacing);
}

void GFlowLayout::setSpacing(int spacing)
{
    hSpace = spacing;
    vSpace = spacing;
    invalidate();
}

int GFlowLayout::spacing() const
{
    return hSpace == vSpace ? hSpace : -1;
}

Qt::Orientations GFlowLayout::expandingDirections() const { return {}; }

bool GFlowLayout::hasHeightForWidth() const { return true; }

int GFlowLayout::heightForWidth(int width) const { return do_layout(QRect(0, 0, width, 0), true); }

int GFlowLayout::count() const { return static_cast<int>(itemList.size()); }

QLayoutItem* GFlowLayout::itemAt(int index) const
{
    return index >= 0 && index < itemList.size() ? itemList.at(index) : nullptr;
}

QLayoutItem* GFlowLayout::takeAt(int index)
{
    return index >= 0 && index < itemList.size() ? itemList.takeAt(index) : nullptr;
}

QSize GFlowLayout::minimumSize() const
{
    QSize size;
    for (QLayoutItem const* item : itemList) {
        size = size.expandedTo(item->minimumSize());
    }
    QMargins const m = contentsMargins();
    return size + QSize(m.left() + m.right(), m.top() + m.bottom());
}

QSize GFlowLayout::sizeHint() const { return minimumSize(); }

void GFlowLayout::setGeometry(QRect const& rect)
{
    QLayout::setGeometry(rect);
    do_layout(rect, false);
}

int GFlowLayout::do_layout(QRect const& rect, bool test_only) const
{
    QMargins const m = contentsMargins();
    QRect const area = rect.adjusted(m.left(), m.top(), -m.right(), -m.bottom());
    int x = area.x();
    int y = area.y();
    int lineHeight = 0;

    for (QLayoutItem* item : itemList) {
        QWidget const* w = item->widget();
        if (w != nullptr && w->isHidden()) {
            continue;  // hidden widgets take no room
        }
        int spaceX = horizontalSpacing();
        int spaceY = verticalSpacing();
        if (w != nullptr && (spaceX < 0 || spaceY < 0)) {
            QStyle const* style = w->style();
            QSizePolicy::ControlType const type = w->sizePolicy().controlType();
            if (spaceX < 0) {
                spaceX = style->layoutSpacing(type, type, Qt::Horizontal);
            }
            if (spaceY < 0) {
                spaceY = style->layoutSpacing(type, type, Qt::Vertical);
            }
        }
        spaceX = qMax(spaceX, 0);
        spaceY = qMax(spaceY, 0);

        QSize const hint = item->sizeHint();
        int nextX = x + hint.width() + spaceX;
        // Wrap unless the item is the first of its line.
        if (nextX - spaceX > area.right() + 1 && x > area.x()) {
            x = area.x();
            y = y + lineHeight + spaceY;
            nextX = x + hint.width() + spaceX;
            lineHeight = 0;
        }
        if (!test_only) {
            item->setGeometry(QRect(QPoint(x, y), hint));
        }
        x = nextX;
        lineHeight = qMax(lineHeight, hint.height());
    }
    return y + lineHeight - rect.y() + m.bottom();
}

int GFlowLayout::smart_spacing(QStyle::PixelMetric pm) const
{
    QObject* parentObj = parent();
    if (parentObj == nullptr) {
        return -1;
    }
    if (parentObj->isWidgetType()) {
        auto* pw = static_cast<QWidget*>(parentObj);
        return pw->style()->pixelMetric(pm, nullptr, pw);
    }
    return static_cast<QLayout*>(parentObj)->spacing();
}

}  // namespace gen
