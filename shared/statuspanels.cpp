#include "shared/statuspanels.h"

#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QTime>
#include <QTimer>

namespace {

// A panel that keeps the width the bar gives it, whatever its text: a text too long for
// it is cut short with an ellipsis (the whole text is the panel's tooltip), so a long
// message never widens the window. The text is drawn as plain text on one line.
class ElidingPanel final : public QLabel {
public:
    explicit ElidingPanel(QWidget *parent) : QLabel(parent)
    {
        setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    }

    // Wide enough for a count, never wider than maxWidth; it may shrink to nothing.
    QSize sizeHint() const override
    {
        const int width = fontMetrics().horizontalAdvance(text()) + 2 * frameWidth() + 2 * padding;
        return {qMin(width, maxWidth), fontMetrics().height() + 2 * frameWidth() + 2};
    }
    QSize minimumSizeHint() const override { return {0, sizeHint().height()}; }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        drawFrame(&painter);
        const QRect area = contentsRect().adjusted(padding, 0, -padding, 0);
        QString line = text();
        line.replace(QLatin1Char('\n'), QLatin1Char(' '));
        painter.setPen(palette().color(foregroundRole()));
        painter.drawText(area, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine,
                         fontMetrics().elidedText(line, Qt::ElideRight, area.width()));
    }

private:
    static constexpr int padding = 3;
    static constexpr int maxWidth = 240;
};

} // namespace

StatusPanels::StatusPanels(int count, int clockPanel, QWidget *parent)
    : QStatusBar(parent), m_clockPanel(clockPanel)
{
    setSizeGripEnabled(false);
    for (int n = 1; n <= count; ++n) {
        QLabel *label = n == clockPanel ? new QLabel(this) : new ElidingPanel(this);
        label->setObjectName(QStringLiteral("Panel%1").arg(n));
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        if (n == clockPanel)
            addPermanentWidget(label);
        else
            addWidget(label, n == 1 || n == 6 ? 2 : 1);
        m_panels.append(label);
    }
    if (clockPanel > 0 && clockPanel <= count) {
        m_clock = new QTimer(this);
        m_clock->setInterval(1000);
        connect(m_clock, &QTimer::timeout, this, &StatusPanels::showTime);
        m_clock->start();
        showTime();
    }
}

void StatusPanels::setText(int panel, const QString &text)
{
    if (QLabel *label = this->panel(panel)) {
        label->setText(text);
        if (panel != m_clockPanel)
            label->setToolTip(text);
    }
}

QString StatusPanels::text(int panel) const
{
    const QLabel *label = this->panel(panel);
    return label ? label->text() : QString();
}

QLabel *StatusPanels::panel(int panel) const
{
    return panel >= 1 && panel <= m_panels.size() ? m_panels[panel - 1] : nullptr;
}

void StatusPanels::showTime()
{
    setText(m_clockPanel, QLocale::system().toString(QTime::currentTime(), QLocale::ShortFormat));
}
