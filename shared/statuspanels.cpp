#include "shared/statuspanels.h"

#include <QLabel>
#include <QLocale>
#include <QTime>
#include <QTimer>

StatusPanels::StatusPanels(int count, int clockPanel, QWidget *parent)
    : QStatusBar(parent), m_clockPanel(clockPanel)
{
    setSizeGripEnabled(false);
    for (int n = 1; n <= count; ++n) {
        auto *label = new QLabel(this);
        label->setObjectName(QStringLiteral("Panel%1").arg(n));
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
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
    if (QLabel *label = this->panel(panel))
        label->setText(text);
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
