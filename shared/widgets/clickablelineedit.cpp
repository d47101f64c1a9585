#include "shared/widgets/clickablelineedit.h"

#include <QMouseEvent>

ClickableLineEdit::ClickableLineEdit(QWidget *parent) : QLineEdit(parent) {}

void ClickableLineEdit::mouseReleaseEvent(QMouseEvent *event)
{
    QLineEdit::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}
