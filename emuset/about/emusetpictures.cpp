#include "emuset/about/emusetpictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace EmusetPictures {

namespace {

const QColor navy(27, 42, 92);
const QColor gold(236, 180, 40);

QPixmap canvas(int width, int height)
{
    QPixmap pixmap(width, height);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

void drawPad(QPainter &p, const QRectF &body)
{
    QPainterPath pad;
    pad.addRoundedRect(body, body.height() * 0.45, body.height() * 0.45);
    p.setPen(QPen(navy, 1.2));
    p.setBrush(QColor(90, 110, 170));
    p.drawPath(pad);
    const qreal u = body.height() / 6;
    const QPointF cross(body.left() + body.width() * 0.27, body.center().y());
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(cross.x() - u * 1.5, cross.y() - u / 2, u * 3, u));
    p.drawRect(QRectF(cross.x() - u / 2, cross.y() - u * 1.5, u, u * 3));
    p.setBrush(gold);
    const QPointF keys(body.left() + body.width() * 0.72, body.center().y());
    p.drawEllipse(keys + QPointF(-u, u / 2), u * 0.7, u * 0.7);
    p.drawEllipse(keys + QPointF(u, -u / 2), u * 0.7, u * 0.7);
}

} // namespace

QPixmap launch()
{
    static const QPixmap cached = [] {
        QPixmap pixmap = canvas(32, 32);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        drawPad(p, QRectF(1, 12, 30, 17));
        p.setPen(QPen(navy, 1));
        p.setBrush(QColor(60, 170, 70));
        p.drawPolygon(QPolygonF({QPointF(12, 1), QPointF(22, 6), QPointF(12, 11)}));
        return pixmap;
    }();
    return cached;
}

QPixmap ludora4()
{
    static const QPixmap cached = [] {
        QPixmap pixmap = canvas(200, 60);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        QLinearGradient sky(0, 0, 0, 60);
        sky.setColorAt(0, QColor(60, 80, 150));
        sky.setColorAt(1, navy);
        p.setPen(Qt::NoPen);
        p.setBrush(sky);
        p.drawRoundedRect(QRectF(0.5, 0.5, 199, 59), 8, 8);
        QFont font = p.font();
        font.setPixelSize(30);
        font.setBold(true);
        font.setItalic(true);
        p.setFont(font);
        p.setPen(gold);
        p.drawText(QRectF(0, 0, 200, 60), Qt::AlignCenter, QStringLiteral("Ludora4"));
        return pixmap;
    }();
    return cached;
}

QPixmap emuset()
{
    static const QPixmap cached = [] {
        QPixmap pixmap = canvas(64, 64);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(navy, 2));
        p.setBrush(QColor(235, 238, 248));
        p.drawRoundedRect(QRectF(2, 2, 60, 60), 10, 10);
        drawPad(p, QRectF(8, 30, 48, 26));
        // A gear above the pad: the settings of the emulators.
        p.setPen(Qt::NoPen);
        p.setBrush(gold);
        const QPointF centre(32, 17);
        for (int i = 0; i < 8; ++i) {
            p.save();
            p.translate(centre);
            p.rotate(i * 45);
            p.drawRect(QRectF(-2.5, -12, 5, 6));
            p.restore();
        }
        p.drawEllipse(centre, 8.5, 8.5);
        p.setBrush(QColor(235, 238, 248));
        p.drawEllipse(centre, 3.5, 3.5);
        return pixmap;
    }();
    return cached;
}

} // namespace EmusetPictures
