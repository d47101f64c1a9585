#include "shared/widgets/statuspanels.h"

#include <QLabel>
#include <QLayout>
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

    // The wished width is at least a sample text's, so that the window's own size shows it
    // whole; it follows the text shown up to maxWidth. The least width is a few characters
    // of the sample, so that the panels never hold a smaller window wider: they cut short.
    void setSample(const QString &sample)
    {
        m_sample = sample;
        updateGeometry();
    }
    QSize sizeHint() const override
    {
        const int width = qMin(textWidth(shownText()), maxWidth);
        return {qMax(width, m_sample.isEmpty() ? 0 : textWidth(m_sample)), minimumSizeHint().height()};
    }
    QSize minimumSizeHint() const override
    {
        return {m_sample.isEmpty() ? 0 : textWidth(m_sample.left(leastCharacters)),
                fontMetrics().height() + 2 * frameWidth() + 2};
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        drawFrame(&painter);
        const QRect area = contentsRect().adjusted(padding, 0, -padding, 0);
        QString line = shownText();
        painter.setPen(palette().color(foregroundRole()));
        painter.drawText(area, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine,
                         fontMetrics().elidedText(line, Qt::ElideRight, area.width()));
    }

private:
    // One line, without the blanks that end it (they would only take room).
    QString shownText() const
    {
        QString line = text();
        line.replace(QLatin1Char('\n'), QLatin1Char(' '));
        while (line.endsWith(QLatin1Char(' ')))
            line.chop(1);
        return line;
    }
    int textWidth(const QString &line) const
    {
        return fontMetrics().horizontalAdvance(line) + 2 * frameWidth() + 2 * padding;
    }

    static constexpr int padding = 3;
    static constexpr int maxWidth = 240;
    static constexpr int leastCharacters = 6;
    QString m_sample;
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
            addWidget(label, n == 6 ? 1 : 0); // the error line takes what is left
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

void StatusPanels::setSample(int panel, const QString &sample)
{
    if (auto *label = dynamic_cast<ElidingPanel *>(this->panel(panel)))
        label->setSample(sample);
}

QSize StatusPanels::sizeHint() const
{
    QSize size = QStatusBar::sizeHint();
    int width = 0;
    for (const QLabel *label : m_panels)
        width += label->sizeHint().width() + 2 * (layout() ? layout()->spacing() + 2 : 4);
    size.setWidth(qMax(size.width(), width));
    return size;
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
