#include "shared/windowplacement.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <limits>

namespace WindowPlacement {

namespace {

// The distance from a point to a rectangle, squared; 0 inside it. In doubles: positions
// may lie anywhere in the int range.
double distanceSquared(QPoint point, const QRect &rect)
{
    const double dx = point.x() < rect.left()    ? double(rect.left()) - point.x()
                      : point.x() > rect.right() ? double(point.x()) - rect.right()
                                                 : 0;
    const double dy = point.y() < rect.top()      ? double(rect.top()) - point.y()
                      : point.y() > rect.bottom() ? double(point.y()) - rect.bottom()
                                                  : 0;
    return dx * dx + dy * dy;
}

bool cornerShown(QPoint position, const QList<QRect> &screens)
{
    return std::any_of(screens.begin(), screens.end(),
                       [position](const QRect &screen) { return screen.contains(position); });
}

// The start of a span of the given length placed as near to wanted as fits in [low, high].
int clampSpan(int wanted, int length, int low, int high)
{
    const qint64 last = qint64(high) - length + 1;
    if (last < low)
        return low;
    return int(std::clamp<qint64>(wanted, low, last));
}

} // namespace

QPoint visiblePosition(QPoint wanted, QSize size, const QList<QRect> &screens)
{
    if (cornerShown(wanted, screens))
        return wanted;
    const QRect *nearest = nullptr;
    double best = std::numeric_limits<double>::max();
    for (const QRect &screen : screens) {
        const qint64 distance = distanceSquared(wanted, screen);
        if (distance < best) {
            best = distance;
            nearest = &screen;
        }
    }
    if (!nearest)
        return wanted;
    return {clampSpan(wanted.x(), size.width(), nearest->left(), nearest->right()),
            clampSpan(wanted.y(), size.height(), nearest->top(), nearest->bottom())};
}

QPoint visiblePosition(QPoint wanted, QSize size)
{
    QList<QRect> screens;
    const auto all = QGuiApplication::screens();
    for (const QScreen *screen : all)
        screens.append(screen->geometry());
    return visiblePosition(wanted, size, screens);
}

} // namespace WindowPlacement
