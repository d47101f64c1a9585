#include "frontend/app/frminizio.h"

#include "frontend/common/pictures.h"
#include "ludora4version.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

FrmInizio::FrmInizio(QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint), Label1(new QLabel(this)),
      Image2(new QLabel(this)), LabCopyright(new QLabel(this)), Timer1(new QTimer(this))
{
    setObjectName(QStringLiteral("FrmInizio"));
    setWindowTitle(QStringLiteral("Ludora4"));

    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setFixedSize(300, 100);
    Image2->setPixmap(Pictures::splash());
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setText(QStringLiteral("Rel. ") + QLatin1String(Version::text));
    LabCopyright->setText(QStringLiteral("© 2026 The Ludora4 developers"));
    for (QLabel *label : {Label1, LabCopyright})
        label->setAlignment(Qt::AlignCenter);

    setStyleSheet(QStringLiteral("FrmInizio { background: white; border: 1px solid #1b2a5c; }"));
    setAttribute(Qt::WA_StyledBackground);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 8);
    layout->setSpacing(4);
    layout->addWidget(Image2);
    layout->addWidget(Label1);
    layout->addWidget(LabCopyright);
    setFixedSize(sizeHint());

    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(500);
    Timer1->start();
}
