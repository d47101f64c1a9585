#pragma once

#include <QWidget>

class QLabel;
class QTimer;

// The splash window shown while the main window loads. Its timer runs from creation;
// whoever shows the splash connects to it.
class FrmInizio : public QWidget {
    Q_OBJECT
public:
    explicit FrmInizio(QWidget *parent = nullptr);

    QLabel *Label1;
    QLabel *Image2;
    QLabel *LabCopyright;
    QTimer *Timer1;
};
