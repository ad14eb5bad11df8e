#pragma once
// Flow layout: items left to right, wrapping to a new line below the tallest
// item of the current line when the next one would pass the right edge.
// A negative spacing takes the gap from the parent's style.

#include <QLayout>
#include <QList>
#include <QStyle>

namespace gen {

class GFlowLayout : public QLayout {
public:
    // A negative `margin` keeps the style's contents margins.
    explicit GFlowLayout(QWidget* parent, int margin = -1, int h_spacing = -1, int v_spacing = -1);
    explicit GFlowLayout(int margin = -1, int h_spacing = -1, int v_spacing = -1);
    ~GFlowLayout() override;

    void addItem(QLayoutItem* item) override;
    // The gap in pixels: the layout's own when 0 or more, else the parent's
    // style value, else -1 (each item pair then asks the style).
    int horizontalSpacing() const;
    int verticalSpacing() const;
    // Sets both gaps; spacing() is the common gap, or -1 when they differ.
    void setSpacing(int spacing) override;
    int spacing() const override;
    Qt::Orientations expandingDirections() const override;
    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;
    int count() const override;
    QLayoutItem* itemAt(int index) const override;
    QSize minimumSize() const override;
    void setGeometry(QRect const& rect) override;
    QSize sizeHint() const override;
    QLayoutItem* takeAt(int index) override;

private:
    // Places the items inside `rect` (or only measures with `test_only`);
    // returns the height used, margins included.
    int do_layout(QRect const& rect, bool test_only) const;
    int smart_spacing(QStyle::PixelMetric pm) const;

    QList<QLayoutItem*> itemList;
    int hSpace;
    int vSpace;
};

}  // namespace gen
