// Renders everything in the resource bundle into one PNG for a visual check:
// the twelve body maps with a graticule (0 meridian and equator in red, the
// test points of the Earth maps as rings), a 1:1 crop of the 8k Earth, the
// icons of the three themes on their own window and button colours, and a
// line in the bundled font.
//
//   res_contact_sheet [out.png]        (default /tmp/skyvale_contact_sheet.png)
#include <QColor>
#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QPen>
#include <QStringList>

#include "res/BundleContents.h"

#include <cstdio>
#include <iterator>

namespace {

using bundle::kBodyMaps;
using bundle::kIconNames;

struct Theme {
    const char* name;
    const char* dir;
    QColor window;
    QColor button;
    QColor text;
};

QPointF at(double lat, double lon, const QRectF& r)
{
    return {r.left() + (lon + 180.0) / 360.0 * r.width(), r.top() + (90.0 - lat) / 180.0 * r.height()};
}

}  // namespace

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("/tmp/skyvale_contact_sheet.png");

    QFont font;
    const int fontId = QFontDatabase::addApplicationFont(":/wb/fonts/SourceCodePro-Regular.ttf");
    if (fontId >= 0) {
        font = QFont(QFontDatabase::applicationFontFamilies(fontId).value(0));
    }
    font.setPixelSize(16);

    const int thumbW = 512, thumbH = 256, gap = 16, label = 24, cols = 3;
    const int rows = (int(std::size(kBodyMaps)) + cols - 1) / cols;
    const int mapsH = rows * (thumbH + label + gap);
    const int cropH = 512, iconsH = 3 * 120, fontH = 60;
    const int width = gap + cols * (thumbW + gap);
    const int height = gap + mapsH + label + cropH + gap + iconsH + fontH;

    QImage sheet(width, height, QImage::Format_RGB32);
    sheet.fill(QColor(0x80, 0x80, 0x80));
    QPainter p(&sheet);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.setRenderHint(QPainter::Antialiasing);
    p.setFont(font);

    const QList<QPointF> earthProbes = {{51.5, -0.13}, {0.0, -160.0}, {-3.0, -60.0}, {-20.0, 75.0}, {-25.0, 134.0}, {30.0, -40.0}};
    QImage earth8k;
    for (int i = 0; i < int(std::size(kBodyMaps)); ++i) {
        const QRectF r(gap + (i % cols) * (thumbW + gap), gap + (i / cols) * (thumbH + label + gap), thumbW, thumbH);
        QImageReader reader(kBodyMaps[i].path);
        const QImage img = reader.read();
        p.setPen(Qt::black);
        if (img.isNull()) {
            p.fillRect(r, Qt::magenta);
            p.drawText(r.adjusted(0, thumbH, 0, label), QString("%1: %2").arg(kBodyMaps[i].path, reader.errorString()));
            continue;
        }
        if (img.width() == 8192) {
            earth8k = img;
        }
        p.drawImage(r, img);
        p.setPen(QPen(QColor(255, 0, 0, 160), 1));
        p.drawLine(at(90, 0, r), at(-90, 0, r));
        p.drawLine(at(0, -180, r), at(0, 180, r));
        if (QString(kBodyMaps[i].name).startsWith("Earth")) {
            p.setPen(QPen(Qt::yellow, 1.5));
            for (const QPointF& ll : earthProbes) {
                p.drawEllipse(at(ll.x(), ll.y(), r), 4, 4);
            }
        }
        p.setPen(Qt::black);
        p.drawText(QRectF(r.left(), r.bottom(), r.width(), label), Qt::AlignLeft | Qt::AlignVCenter,
                   QString("%1  %2x%3  %4").arg(kBodyMaps[i].name).arg(img.width()).arg(img.height()).arg(kBodyMaps[i].path));
    }

    // 1:1 crops of the 8k map: western Europe and Scandinavia.
    int y = gap + mapsH;
    p.drawText(QRectF(gap, y, width, label), Qt::AlignLeft | Qt::AlignVCenter, "8k_earth.jpg at 1:1 (western Europe, Scandinavia)");
    y += label;
    if (!earth8k.isNull()) {
        const int cw = (width - 3 * gap) / 2;
        const QPointF uk = at(61.0, -11.0, QRectF(0, 0, 8192, 4096));
        const QPointF no = at(71.0, 4.0, QRectF(0, 0, 8192, 4096));
        p.drawImage(QPoint(gap, y), earth8k.copy(int(uk.x()), int(uk.y()), cw, cropH));
        p.drawImage(QPoint(2 * gap + cw, y), earth8k.copy(int(no.x()), int(no.y()), cw, cropH));
    }
    y += cropH + gap;

    const Theme themes[] = {
        {"normal", "", QColor(0xef, 0xef, 0xef), QColor(0xef, 0xef, 0xef), Qt::black},
        {"dark", "dark/", QColor(0x35, 0x35, 0x35), QColor(0x35, 0x35, 0x35), Qt::white},
        {"green", "green/", QColor(0x1e, 0x32, 0x1e), QColor(0x28, 0x46, 0x28), QColor(0xc8, 0xff, 0xc8)},
    };
    for (const Theme& t : themes) {
        const QRect band(0, y, width, 120);
        p.fillRect(band, t.window);
        p.setPen(t.text);
        p.drawText(QRect(gap, y, 90, 120), Qt::AlignVCenter, t.name);
        int x = gap + 90;
        for (const char* name : kIconNames) {
            const QString path = QString(":/wb/icons/%1%2.svg").arg(t.dir, name);
            const QIcon icon(path);
            p.fillRect(QRect(x - 4, y + 8, 40, 40), t.button);
            p.drawPixmap(x, y + 12, icon.pixmap(32, 32));
            p.drawPixmap(x + 48, y + 8, icon.pixmap(64, 64));
            p.drawText(QRect(x - 4, y + 80, 112, 30), Qt::AlignLeft, QFile::exists(path) ? name : "MISSING");
            x += 126;
        }
        y += 120;
    }

    p.setPen(Qt::black);
    p.drawText(QRect(gap, y, width, fontH), Qt::AlignVCenter,
               QString("%1: 0O 1lI {}[] <<<$>>> 8.900.000  -- family \"%2\"")
                   .arg(":/wb/fonts/SourceCodePro-Regular.ttf", font.family()));
    p.end();

    if (!sheet.save(out)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(out));
        return 1;
    }
    std::printf("%s\n", qPrintable(out));
    return 0;
}
