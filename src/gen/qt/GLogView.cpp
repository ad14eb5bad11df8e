#include <gen/qt/GLogView.h>

#include <gen/log/pp.h>
#include <gen/qt/event/Event.h>
#include <gen/qt/guitools/GGui.h>
#include <gen/qt/themes.h>

#include <QScrollBar>
#include <QTextBlock>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

namespace gen::qt {

namespace {

int clamp_level(int level)
{
    return std::clamp(level, 0, 4);
}

QColor green_background()
{
    return QColor(QStringLiteral("#192819"));
}

}  // namespace

GLogView::GLogView(QWidget* parent) : QPlainTextEdit(parent)
{
    setReadOnly(true);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setMaximumBlockCount(MAX_LINES);
    adapt_to_settings(themes::get());
    themes::follow_theme(this, [this](unsigned int th) { adapt_to_settings(th); });
}

GLogView::~GLogView()
{
    gen::pp("GLogView::~GLogView");
}

QColor GLogView::text_color(unsigned int th, int level)
{
    int const lv = clamp_level(level);
    switch (th) {
    case themes::THEME_NORMAL:
        return lv == 4 ? QColor(Qt::blue).darker(200) : QColor(Qt::black);
    case themes::THEME_DARK:
        switch (lv) {
        case 0:
            return QColor(Qt::white);
        case 1:
            return QColor(Qt::yellow);
        case 2:
            return QColor(Qt::green).lighter(150);
        case 3:
            return QColor(Qt::lightGray);
        default:
            return QColor(Qt::yellow).darker(200);
        }
    case themes::THEME_GREEN:
        switch (lv) {
        case 0:
            return QColor(Qt::black);
        case 1:
            // Black on the green theme's near-black background cannot be
            // read; warnings take the dark theme's yellow.
            return QColor(Qt::yellow);
        case 3:
            return QColor(200, 200, 200);
        default:
            return QColor(Qt::yellow).darker(200);
        }
    default:
        return QColor(Qt::white);
    }
}

QColor GLogView::background_color(unsigned int th, int level)
{
    int const lv = clamp_level(level);
    switch (th) {
    case themes::THEME_NORMAL:
        switch (lv) {
        case 0:
            return QColor(Qt::red).lighter(150);
        case 1:
            return QColor(Qt::yellow).lighter(180);
        case 2:
            return QColor(Qt::green).lighter(180);
        default:
            return QColor(Qt::lightGray).lighter(120);
        }
    case themes::THEME_DARK:
        return lv == 0 ? QColor(Qt::red).darker(200) : QColor(Qt::black);
    case themes::THEME_GREEN:
        return lv == 0 ? QColor(Qt::red).lighter(150) : green_background();
    default:
        return QColor(Qt::black);
    }
}

void GLogView::append_line(QString const& line, int level)
{
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);

    QTextBlockFormat block;
    block.setBackground(background_color(theme, level));
    QTextCharFormat chars;
    chars.setForeground(text_color(theme, level));

    QTextDocument const* doc = document();
    bool const firstBlockEmpty = doc->blockCount() == 1 && doc->firstBlock().text().isEmpty();
    if (firstBlockEmpty) {
        cursor.setBlockFormat(block);
        cursor.setBlockCharFormat(chars);
    } else {
        cursor.insertBlock(block, chars);
    }
    cursor.insertText(line, chars);

    setTextCursor(cursor);
    horizontalScrollBar()->setValue(0);
}

void GLogView::adapt_to_settings(unsigned int th)
{
    theme = th;
    QColor const background = background_color(th, 3);
    set_background(this, background);
    // The text area paints with the Base role; without it the new colour
    // would only show around the frame.
    QPalette pal = palette();
    pal.setColor(QPalette::Base, background);
    pal.setColor(QPalette::Text, text_color(th, 3));
    setPalette(pal);
}

void GLogView::mouseDoubleClickEvent(QMouseEvent* e)
{
    pp("GLogView::mouseDoubleClickEvent, e:$", e);
}

}  // namespace gen::qt
