#include "install/installpictures.h"

#include "gif/gifwriter.h"

#include <QFile>
#include <QFileInfo>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRandomGenerator>

#include <array>

namespace InstallPictures {

namespace {

enum class Shape { Handheld, WideHandheld, HomeConsole, Computer };

struct Look {
    const char *key;
    Shape shape;
    QRgb body;
    QRgb accent;
};

// How each console is drawn, by toolbar key.
constexpr std::array<Look, Consoles::Count> looks = {{
    {"gameboy", Shape::Handheld, 0xffc8c4be, 0xff8b1e5a},
    {"nintendo", Shape::HomeConsole, 0xffbdbdbd, 0xffc0392b},
    {"snes", Shape::HomeConsole, 0xffd0d0d8, 0xff6a4c9c},
    {"lynx", Shape::WideHandheld, 0xff2b2b2b, 0xffe67e22},
    {"master", Shape::HomeConsole, 0xff1f1f1f, 0xffd62828},
    {"megadrive", Shape::HomeConsole, 0xff151515, 0xffc9a227},
    {"gamegear", Shape::WideHandheld, 0xff222222, 0xff1d4ed8},
    {"msx", Shape::Computer, 0xff303030, 0xffdcdcdc},
    {"pcengine", Shape::HomeConsole, 0xfff0f0f0, 0xffe0302f},
    {"amiga", Shape::Computer, 0xffe8e0cc, 0xffff6600},
}};

const Look &lookOf(const QString &key)
{
    for (const Look &look : looks) {
        if (key == QLatin1String(look.key))
            return look;
    }
    return looks.front();
}

QImage canvas(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::black);
    return image;
}

void fillBackground(QPainter &painter, const QRect &area, QColor top, QColor bottom)
{
    QLinearGradient gradient(area.topLeft(), area.bottomLeft());
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    painter.fillRect(area, gradient);
}

void drawCaption(QPainter &painter, const QRect &area, const QString &text, int pixelSize)
{
    QFont font = painter.font();
    font.setPixelSize(pixelSize);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(area, Qt::AlignCenter | Qt::TextWordWrap, text);
}

// Dark on a light body, light on a dark one.
void drawDpad(QPainter &painter, QPointF centre, qreal size, QColor body)
{
    const qreal arm = size / 3;
    painter.setPen(Qt::NoPen);
    painter.setBrush(body.lightness() > 128 ? QColor(40, 40, 40) : QColor(150, 150, 150));
    painter.drawRect(QRectF(centre.x() - size / 2, centre.y() - arm / 2, size, arm));
    painter.drawRect(QRectF(centre.x() - arm / 2, centre.y() - size / 2, arm, size));
}

void drawButtons(QPainter &painter, QPointF centre, qreal radius, QColor colour)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawEllipse(centre + QPointF(radius * 1.3, -radius * 0.6), radius, radius);
    painter.drawEllipse(centre + QPointF(-radius * 1.3, radius * 0.6), radius, radius);
}

void drawScreen(QPainter &painter, const QRectF &area, QColor glass)
{
    painter.setPen(QPen(QColor(20, 20, 20), 2));
    painter.setBrush(QColor(60, 60, 70));
    painter.drawRoundedRect(area, 3, 3);
    painter.setPen(Qt::NoPen);
    painter.setBrush(glass);
    painter.drawRect(area.adjusted(6, 5, -6, -5));
}

void drawHandheld(QPainter &painter, const Look &look)
{
    const QRectF body(72, 6, 56, 80);
    painter.setPen(QPen(QColor(look.body).darker(140), 2));
    painter.setBrush(QColor(look.body));
    painter.drawRoundedRect(body, 6, 6);
    drawScreen(painter, QRectF(78, 12, 44, 34), QColor(0x9b, 0xbc, 0x0f));
    drawDpad(painter, QPointF(86, 64), 14, QColor(look.body));
    drawButtons(painter, QPointF(114, 64), 4, QColor(look.accent));
}

void drawWideHandheld(QPainter &painter, const Look &look)
{
    const QRectF body(36, 16, 128, 62);
    painter.setPen(QPen(QColor(look.body).lighter(160), 2));
    painter.setBrush(QColor(look.body));
    painter.drawRoundedRect(body, 22, 22);
    drawScreen(painter, QRectF(74, 24, 52, 44), QColor(0x3a, 0x6e, 0xc8));
    drawDpad(painter, QPointF(55, 47), 18, QColor(look.body));
    drawButtons(painter, QPointF(145, 47), 5, QColor(look.accent));
}

void drawHomeConsole(QPainter &painter, const Look &look)
{
    painter.setPen(QPen(QColor(look.body).darker(150), 2));
    painter.setBrush(QColor(look.body));
    painter.drawRoundedRect(QRectF(30, 30, 110, 48), 5, 5);
    painter.setBrush(QColor(40, 40, 40));
    painter.drawRect(QRectF(55, 24, 60, 10)); // cartridge slot
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(look.accent));
    painter.drawRect(QRectF(34, 64, 102, 6));    // front stripe
    painter.drawEllipse(QPointF(128, 42), 3, 3); // power light
    painter.setPen(QPen(QColor(look.body).darker(150), 2));
    painter.setBrush(QColor(look.body));
    painter.drawRoundedRect(QRectF(146, 50, 40, 24), 8, 8); // controller
    painter.drawLine(QPointF(146, 60), QPointF(138, 60));
    drawDpad(painter, QPointF(156, 62), 10, QColor(look.body));
    drawButtons(painter, QPointF(175, 62), 3, QColor(look.accent));
}

void drawComputer(QPainter &painter, const Look &look)
{
    QPainterPath wedge;
    wedge.moveTo(24, 80);
    wedge.lineTo(176, 80);
    wedge.lineTo(166, 26);
    wedge.lineTo(34, 26);
    wedge.closeSubpath();
    painter.setPen(QPen(QColor(look.body).darker(150), 2));
    painter.setBrush(QColor(look.body));
    painter.drawPath(wedge);
    painter.setPen(Qt::NoPen);
    const QColor keyColour = QColor(look.body).lightness() > 128 ? QColor(90, 90, 90) : QColor(look.accent);
    painter.setBrush(keyColour);
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 12; ++column)
            painter.drawRect(QRectF(44 + column * 9.5 - row * 1.5, 36 + row * 9, 7, 6));
    }
    painter.drawRect(QRectF(70, 72, 60, 5)); // space bar
    painter.setBrush(QColor(look.accent));
    painter.drawRect(QRectF(150, 30, 10, 3)); // power light
}

void drawConsoleShape(QPainter &painter, const Look &look)
{
    painter.setRenderHint(QPainter::Antialiasing);
    switch (look.shape) {
    case Shape::Handheld: drawHandheld(painter, look); break;
    case Shape::WideHandheld: drawWideHandheld(painter, look); break;
    case Shape::HomeConsole: drawHomeConsole(painter, look); break;
    case Shape::Computer: drawComputer(painter, look); break;
    }
}

// A stable hash of a name (qHash is seeded per process), so pictures never change.
quint32 stableHash(const QString &text)
{
    quint32 hash = 2166136261u;
    for (QChar c : text) {
        hash ^= c.unicode();
        hash *= 16777619u;
    }
    return hash;
}

void drawScene(QPainter &painter, QRandomGenerator &random)
{
    const QColor sky = QColor::fromHsv(int(random.bounded(360)), 120, 230);
    fillBackground(painter, QRect(0, 0, 160, 144), sky, sky.darker(160));
    const QColor ground = QColor::fromHsv(int(random.bounded(360)), 160, 150);
    painter.fillRect(QRect(0, 118, 160, 26), ground);
    for (int i = 0; i < 5; ++i) {
        const int x = int(random.bounded(140)), y = 60 + int(random.bounded(50));
        painter.fillRect(QRect(x, y, 14 + int(random.bounded(20)), 6), ground.lighter(130));
    }
    painter.fillRect(QRect(20 + int(random.bounded(110)), 104, 10, 14), QColor(230, 60, 40));
}

} // namespace

QImage consolePicture(const Consoles::Console &console)
{
    QImage image = canvas(200, 120);
    QPainter painter(&image);
    fillBackground(painter, image.rect(), QColor(30, 50, 90), QColor(90, 120, 170));
    drawConsoleShape(painter, lookOf(console.key));
    drawCaption(painter, QRect(0, 88, 200, 30), console.statusFinal, 16);
    return image;
}

QImage noPicture()
{
    QImage image = canvas(160, 144);
    QPainter painter(&image);
    fillBackground(painter, image.rect(), QColor(110, 110, 110), QColor(60, 60, 60));
    painter.setPen(QPen(QColor(200, 200, 200), 3));
    painter.drawRect(image.rect().adjusted(8, 8, -9, -9));
    drawCaption(painter, image.rect(), QStringLiteral("No Picture"), 18);
    return image;
}

QImage screenshot(const QString &game, int number)
{
    QImage image = canvas(160, 144);
    QPainter painter(&image);
    QRandomGenerator random(stableHash(game) + quint32(number));
    drawScene(painter, random);
    painter.fillRect(QRect(0, 0, 160, 14), QColor(0, 0, 0, 160));
    QFont font = painter.font();
    font.setPixelSize(10);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRect(4, 1, 152, 12), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("SCORE %1").arg(random.bounded(1000) * 10, 6, 10, QLatin1Char('0')));
    painter.drawText(QRect(4, 1, 152, 12), Qt::AlignRight | Qt::AlignVCenter,
                     QStringLiteral("STAGE %1").arg(number + 1));
    drawCaption(painter, QRect(6, 20, 148, 40), game, 12);
    return image;
}

bool save(const QImage &image, const QString &path, QString *error)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    QString cause = QStringLiteral("could not write the picture as ") + suffix;
    if (suffix == QLatin1String("gif")) {
        const QByteArray gif = GifWriter::encode(image, &cause);
        QFile file(path);
        if (!gif.isEmpty() && file.open(QIODevice::WriteOnly) && file.write(gif) == gif.size())
            return true;
        if (!gif.isEmpty())
            cause = file.errorString();
    } else if (image.save(path, nullptr, 90)) {
        return true;
    }
    if (error)
        *error = path + QStringLiteral(": ") + cause;
    return false;
}

} // namespace InstallPictures
