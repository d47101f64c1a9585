#pragma once

#include <QList>
#include <QStatusBar>

class QLabel;
class QTimer;

// A status bar of numbered panels (1-based, as the programs count them), each a label
// named "Panel<n>". With a clock panel, that panel shows the time of day. A text longer
// than its panel is cut short, whole in the panel's tooltip: no text widens the window.
class StatusPanels : public QStatusBar {
    Q_OBJECT
public:
    StatusPanels(int count, int clockPanel, QWidget *parent = nullptr);

    void setText(int panel, const QString &text);
    // The panel wishes to be as wide as this text at least; longer texts are cut short, and
    // so is this one when the window is too narrow for it.
    void setSample(int panel, const QString &sample);
    QString text(int panel) const;
    QLabel *panel(int panel) const;
    int count() const { return int(m_panels.size()); }
    // Room for every panel's wished width side by side.
    QSize sizeHint() const override;

private:
    void showTime();

    QList<QLabel *> m_panels;
    int m_clockPanel = 0;
    QTimer *m_clock = nullptr;
};
