#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

// Where a window goes for a stored position: exactly there when its top-left corner lies
// on a screen (one left of or above the main one has negative coordinates); otherwise on
// the screen nearest to the position, moved just far enough to be fully visible (its
// top-left corner visible when it is larger than the screen).
namespace WindowPlacement {

QPoint visiblePosition(QPoint wanted, QSize size, const QList<QRect> &screens);
// The same over the screens of the application.
QPoint visiblePosition(QPoint wanted, QSize size);

} // namespace WindowPlacement
