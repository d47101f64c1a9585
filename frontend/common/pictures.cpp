#include "frontend/common/pictures.h"

#include "shared/consoles.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmapCache>

#include <array>
#include <cmath>
#include <functional>

namespace Pictures {

namespace {

using Draw = std::function<void(QPainter &, const QRectF &)>;

QPixmap cached(const QString &key, QSize size, const Draw &draw)
{
    QPixmap pixmap;
    const QString cacheKey = QStringLiteral("ludora4:") + key;
    if (QPixmapCache::find(cacheKey, &pixmap))
        return pixmap;
    pixmap = QPixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    draw(painter, QRectF(QPointF(0, 0), QSizeF(size)));
    painter.end();
    QPixmapCache::insert(cacheKey, pixmap);
    return pixmap;
}

QString sizeKey(int number, bool large)
{
    return QString::number(number) + (large ? QLatin1String(":L") : QLatin1String(":S"));
}

int side(bool large) { return large ? 32 : 16; }

// Writes text centred in box, in the largest bold font up to maxPixels that fits.
void fitText(QPainter &p, const QRectF &box, const QString &text, int maxPixels)
{
    QFont font = p.font();
    font.setBold(true);
    for (int pixels = maxPixels; pixels > 5; --pixels) {
        font.setPixelSize(pixels);
        if (QFontMetricsF(font).horizontalAdvance(text) <= box.width())
            break;
    }
    p.setFont(font);
    p.drawText(box, Qt::AlignCenter, text);
}

// ---- consoles ----------------------------------------------------------------------

enum class Shape { Handheld, Pad, Computer };

struct ConsoleLook {
    const char *key;
    const char *label;
    QRgb colour;
    Shape shape;
};

constexpr std::array<ConsoleLook, Consoles::Count> consoleLooks{{
    {"gameboy", "GB", 0xff6d7f2e, Shape::Handheld},
    {"nintendo", "NES", 0xffb22222, Shape::Pad},
    {"snes", "SNES", 0xff5b5ea6, Shape::Pad},
    {"lynx", "LYNX", 0xffd2691e, Shape::Handheld},
    {"master", "SMS", 0xff1f4fa8, Shape::Pad},
    {"megadrive", "MD", 0xff2b2b2b, Shape::Pad},
    {"gamegear", "GG", 0xff2f6f6f, Shape::Handheld},
    {"msx", "MSX", 0xff008b8b, Shape::Computer},
    {"pcengine", "PCE", 0xffe07b00, Shape::Pad},
    {"amiga", "AMI", 0xff8e3fa8, Shape::Computer},
}};

void drawHandheldGlyph(QPainter &p, const QRectF &r)
{
    const QRectF body(r.center().x() - r.height() * 0.35, r.top(), r.height() * 0.7, r.height());
    p.setBrush(Qt::white);
    p.drawRoundedRect(body, 2, 2);
    p.setBrush(QColor(0x40, 0x50, 0x40));
    p.drawRect(body.adjusted(2, 2, -2, -body.height() * 0.5));
}

void drawPadGlyph(QPainter &p, const QRectF &r, const QColor &ink)
{
    p.setBrush(Qt::white);
    p.drawRoundedRect(r, r.height() * 0.4, r.height() * 0.4);
    p.setBrush(ink);
    const double unit = r.height() / 5;
    const QPointF cross(r.left() + r.width() * 0.28, r.center().y());
    p.drawRect(QRectF(cross.x() - unit * 1.5, cross.y() - unit / 2, unit * 3, unit));
    p.drawRect(QRectF(cross.x() - unit / 2, cross.y() - unit * 1.5, unit, unit * 3));
    p.drawEllipse(QPointF(r.right() - r.width() * 0.3, r.center().y() + unit * 0.6), unit * 0.7, unit * 0.7);
    p.drawEllipse(QPointF(r.right() - r.width() * 0.15, r.center().y() - unit * 0.6), unit * 0.7, unit * 0.7);
}

void drawComputerGlyph(QPainter &p, const QRectF &r, const QColor &ink)
{
    p.setBrush(Qt::white);
    p.drawRoundedRect(r, 2, 2);
    p.setPen(QPen(ink, 1));
    for (int row = 1; row <= 3; ++row) {
        const double y = r.top() + r.height() * row / 4.0;
        p.drawLine(QPointF(r.left() + 2, y), QPointF(r.right() - 2, y));
    }
    p.setPen(Qt::NoPen);
}

void drawConsole(QPainter &p, const QRectF &r, const ConsoleLook &look)
{
    const QColor colour = QColor::fromRgba(look.colour);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawRoundedRect(r.adjusted(1, 1, -1, -1), 5, 5);
    const QRectF glyph = r.adjusted(5, 3, -5, -r.height() * 0.42);
    switch (look.shape) {
    case Shape::Handheld: drawHandheldGlyph(p, glyph); break;
    case Shape::Pad: drawPadGlyph(p, glyph.adjusted(0, 2, 0, -1), colour); break;
    case Shape::Computer: drawComputerGlyph(p, glyph.adjusted(0, 2, 0, 0), colour); break;
    }
    p.setPen(Qt::white);
    fitText(p, QRectF(r.left() + 2, r.bottom() - r.height() * 0.4, r.width() - 4, r.height() * 0.36),
            QString::fromLatin1(look.label), 11);
}

// ---- shapes shared by several pictures ---------------------------------------------

QPainterPath starPath(const QRectF &r)
{
    QPainterPath path;
    const QPointF c = r.center();
    const double outer = r.width() / 2, inner = outer * 0.42;
    for (int i = 0; i < 10; ++i) {
        const double angle = -M_PI / 2 + i * M_PI / 5;
        const double radius = i % 2 ? inner : outer;
        const QPointF point(c.x() + radius * std::cos(angle), c.y() + radius * std::sin(angle) + 1);
        i ? path.lineTo(point) : path.moveTo(point);
    }
    path.closeSubpath();
    return path;
}

void drawGamepad(QPainter &p, const QRectF &r)
{
    const QRectF body(r.left(), r.top() + r.height() * 0.25, r.width(), r.height() * 0.5);
    p.setPen(QPen(QColor(0x1c, 0x2a, 0x55), r.width() / 32.0));
    p.setBrush(QColor(0x3b, 0x5b, 0xb5));
    p.drawRoundedRect(body, body.height() * 0.45, body.height() * 0.45);
    p.setPen(Qt::NoPen);
    drawPadGlyph(p,
                 body.adjusted(body.width() * 0.12, body.height() * 0.22, -body.width() * 0.12,
                               -body.height() * 0.22),
                 QColor(0x3b, 0x5b, 0xb5));
}

void drawBadge(QPainter &p, const QRectF &r, const QColor &fill)
{
    p.setPen(QPen(fill.darker(160), std::max(1.0, r.width() / 16)));
    p.setBrush(fill);
    p.drawEllipse(r.adjusted(1, 1, -1, -1));
}

// ---- flags -------------------------------------------------------------------------

void stripes(QPainter &p, const QRectF &r, const QList<QColor> &colours, Qt::Orientation across)
{
    for (int i = 0; i < colours.size(); ++i) {
        const double from = double(i) / colours.size(), to = double(i + 1) / colours.size();
        p.fillRect(across == Qt::Vertical
                       ? QRectF(r.left() + r.width() * from, r.top(), r.width() * (to - from), r.height())
                       : QRectF(r.left(), r.top() + r.height() * from, r.width(), r.height() * (to - from)),
                   colours.at(i));
    }
}

void drawFlagField(QPainter &p, const QRectF &r, int number)
{
    switch (number) {
    case 1: stripes(p, r, {QColor(0x00, 0x92, 0x46), Qt::white, QColor(0xce, 0x2b, 0x37)}, Qt::Vertical); break;
    case 2: stripes(p, r, {QColor(0x00, 0x55, 0xa4), Qt::white, QColor(0xef, 0x41, 0x35)}, Qt::Vertical); break;
    case 3: {
        p.fillRect(r, Qt::white);
        const double bar = r.height() / 5;
        p.fillRect(QRectF(r.center().x() - bar / 2, r.top(), bar, r.height()), QColor(0xce, 0x11, 0x24));
        p.fillRect(QRectF(r.left(), r.center().y() - bar / 2, r.width(), bar), QColor(0xce, 0x11, 0x24));
        break;
    }
    case 4: stripes(p, r, {Qt::black, QColor(0xdd, 0x00, 0x00), QColor(0xff, 0xce, 0x00)}, Qt::Horizontal); break;
    case 5:
        p.fillRect(r, Qt::white);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xbc, 0x00, 0x2d));
        p.drawEllipse(r.center(), r.height() * 0.3, r.height() * 0.3);
        break;
    case 6: {
        const QColor red(0xaa, 0x15, 0x1b), yellow(0xf1, 0xbf, 0x00);
        stripes(p, r, {red, yellow, yellow, red}, Qt::Horizontal);
        break;
    }
    }
}

} // namespace

QPixmap console(const QString &key)
{
    for (const ConsoleLook &look : consoleLooks) {
        if (key == QLatin1String(look.key))
            return cached(QStringLiteral("console:") + key, QSize(32, 32),
                          [&look](QPainter &p, const QRectF &r) { drawConsole(p, r, look); });
    }
    return {};
}

QPixmap star()
{
    return cached(QStringLiteral("star"), QSize(24, 24), [](QPainter &p, const QRectF &r) {
        p.setPen(QPen(QColor(0xa0, 0x70, 0x00), 1.2));
        p.setBrush(QColor(0xff, 0xcc, 0x1a));
        p.drawPath(starPath(r.adjusted(1, 1, -1, -1)));
    });
}

QPixmap favorite()
{
    return cached(QStringLiteral("favorite"), QSize(32, 32),
                  [](QPainter &p, const QRectF &r) { drawGamepad(p, r.adjusted(1, 1, -1, -1)); });
}

QPixmap favorite2()
{
    return cached(QStringLiteral("favorite2"), QSize(32, 32), [](QPainter &p, const QRectF &r) {
        const QColor gold(0xe8, 0xb4, 0x10);
        p.setPen(QPen(gold.darker(150), 1.2));
        p.setBrush(gold);
        QPainterPath cup;
        cup.moveTo(r.left() + 8, r.top() + 4);
        cup.lineTo(r.right() - 8, r.top() + 4);
        cup.cubicTo(r.right() - 8, r.top() + 16, r.center().x() + 4, r.top() + 20, r.center().x(), r.top() + 20);
        cup.cubicTo(r.center().x() - 4, r.top() + 20, r.left() + 8, r.top() + 16, r.left() + 8, r.top() + 4);
        p.drawPath(cup);
        p.drawRect(QRectF(r.center().x() - 2, r.top() + 20, 4, 5));
        p.drawRect(QRectF(r.center().x() - 7, r.top() + 25, 14, 4));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(r.left() + 3, r.top() + 6, 8, 8), 90 * 16, 180 * 16);
        p.drawArc(QRectF(r.right() - 11, r.top() + 6, 8, 8), 270 * 16, 180 * 16);
    });
}

QPixmap play()
{
    return cached(QStringLiteral("play"), QSize(32, 32), [](QPainter &p, const QRectF &r) {
        drawBadge(p, r, QColor(0x2e, 0x9d, 0x3a));
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        const QPointF c = r.center();
        p.drawPolygon(
            QPolygonF({QPointF(c.x() - 5, c.y() - 8), QPointF(c.x() + 8, c.y()), QPointF(c.x() - 5, c.y() + 8)}));
    });
}

QPixmap splash()
{
    return cached(QStringLiteral("splash"), QSize(300, 100), [](QPainter &p, const QRectF &r) {
        QLinearGradient sky(r.topLeft(), r.bottomLeft());
        sky.setColorAt(0, QColor(0x1b, 0x2a, 0x5c));
        sky.setColorAt(1, QColor(0x3d, 0x6c, 0xc4));
        p.fillRect(r, sky);
        drawGamepad(p, QRectF(14, 18, 72, 64));
        QFont font = p.font();
        font.setPixelSize(40);
        font.setBold(true);
        p.setFont(font);
        p.setPen(Qt::white);
        p.drawText(QRectF(96, 10, 200, 56), Qt::AlignCenter, QStringLiteral("Ludora4"));
        font.setPixelSize(13);
        font.setBold(false);
        p.setFont(font);
        p.drawText(QRectF(96, 62, 200, 24), Qt::AlignCenter, QStringLiteral("console emulator front-end"));
    });
}

QPixmap about()
{
    return cached(QStringLiteral("about"), QSize(96, 96), [](QPainter &p, const QRectF &r) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xdd, 0xe6, 0xf5));
        p.drawEllipse(r.adjusted(2, 2, -2, -2));
        drawGamepad(p, r.adjusted(12, 10, -12, -10));
        p.setBrush(QColor(0xff, 0xcc, 0x1a));
        p.setPen(QPen(QColor(0xa0, 0x70, 0x00), 1));
        p.drawPath(starPath(QRectF(r.right() - 34, r.top() + 4, 26, 26)));
    });
}

QPixmap flag(int number, bool large)
{
    if (number < 1 || number > 6)
        return {};
    const int s = side(large);
    return cached(QStringLiteral("flag:") + sizeKey(number, large), QSize(s, s),
                  [number](QPainter &p, const QRectF &r) {
                      const QRectF field(r.left(), r.center().y() - r.height() / 3, r.width(), r.height() * 2 / 3);
                      p.setRenderHint(QPainter::Antialiasing, false);
                      drawFlagField(p, field, number);
                      p.setPen(QColor(0x60, 0x60, 0x60));
                      p.setBrush(Qt::NoBrush);
                      p.drawRect(field.adjusted(0, 0, -1, -1));
                  });
}

QPixmap rating(int number, bool large)
{
    if (number < 1 || number > 6)
        return {};
    const int s = side(large);
    return cached(QStringLiteral("rating:") + sizeKey(number, large), QSize(s, s),
                  [number](QPainter &p, const QRectF &r) {
                      // From grey for rating 0 to gold for rating 5.
                      const double t = (number - 1) / 5.0;
                      const QColor fill = QColor::fromRgbF(0.62 + 0.36 * t, 0.62 + 0.14 * t, 0.62 - 0.52 * t);
                      drawBadge(p, r, fill);
                      p.setPen(Qt::black);
                      fitText(p, r, QString::number(number - 1), int(r.height() * 0.62));
                  });
}

QPixmap playable(int number, bool large)
{
    if (number < 1 || number > 2)
        return {};
    const int s = side(large);
    return cached(QStringLiteral("playable:") + sizeKey(number, large), QSize(s, s),
                  [number](QPainter &p, const QRectF &r) {
                      drawBadge(p, r, number == 1 ? QColor(0x2e, 0x9d, 0x3a) : QColor(0xc6, 0x28, 0x28));
                      p.setPen(QPen(Qt::white, r.width() / 8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
                      const QRectF m = r.adjusted(r.width() * 0.3, r.height() * 0.3, -r.width() * 0.3,
                                                  -r.height() * 0.3);
                      if (number == 1) {
                          p.drawPolyline(QPolygonF({QPointF(m.left(), m.center().y()),
                                                    QPointF(m.left() + m.width() * 0.4, m.bottom()),
                                                    QPointF(m.right(), m.top())}));
                      } else {
                          p.drawLine(m.topLeft(), m.bottomRight());
                          p.drawLine(m.topRight(), m.bottomLeft());
                      }
                  });
}

} // namespace Pictures
