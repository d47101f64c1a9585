#include "frontend/record/strikeline.h"

#include <QEvent>
#include <QPainter>

StrikeLine::StrikeLine(QWidget *target) : QWidget(target->parentWidget()), m_target(target)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    target->installEventFilter(this);
    follow();
}

bool StrikeLine::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_target) {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::ParentChange: follow(); break;
        default: break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void StrikeLine::follow()
{
    if (parentWidget() != m_target->parentWidget()) {
        const bool hidden = isHidden();
        setParent(m_target->parentWidget());
        setVisible(!hidden);
    }
    setGeometry(m_target->geometry());
    raise();
}

void StrikeLine::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const double width = qMax(3.0, qMin(this->width(), height()) / 8.0);
    painter.setPen(QPen(QColor(0xd0, 0x10, 0x10), width, Qt::SolidLine, Qt::RoundCap));
    const double inset = width / 2;
    painter.drawLine(QPointF(inset, height() - inset), QPointF(this->width() - inset, inset));
}
