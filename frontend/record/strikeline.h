#pragma once

#include <QWidget>

// A thick red diagonal line lying over another widget: same parent, same geometry,
// stacked above it, transparent to the mouse. It follows the widget's moves and resizes.
class StrikeLine : public QWidget {
    Q_OBJECT
public:
    explicit StrikeLine(QWidget *target);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void follow();

    QWidget *m_target;
};
