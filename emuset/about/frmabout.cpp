#include "emuset/about/frmabout.h"

#include "emuset/about/emusetpictures.h"

#include <QGridLayout>
#include <QLabel>

namespace Emuset {

namespace {
QLabel *line(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}

QLabel *picture(const QPixmap &pixmap, const QString &name, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setPixmap(pixmap);
    label->setFixedSize(pixmap.size());
    return label;
}
} // namespace

FrmAbout::FrmAbout(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("FrmAbout"));
    setWindowTitle(QStringLiteral("About..."));

    auto *title = line(QStringLiteral("Emuset"), this);
    QFont big = title->font();
    big.setPointSize(big.pointSize() + 6);
    big.setBold(true);
    title->setFont(big);
    Label1 = line(QStringLiteral("1.0"), this);
    Label1->setObjectName(QStringLiteral("Label1"));

    auto *layout = new QGridLayout(this);
    layout->setContentsMargins(14, 12, 14, 12);
    layout->addWidget(picture(EmusetPictures::emuset(), QStringLiteral("Image2"), this), 0, 0, 2, 1);
    layout->addWidget(title, 0, 1);
    layout->addWidget(Label1, 1, 1);
    layout->addWidget(line(QStringLiteral("Plug In for for Add/Configure Emulators"), this), 2, 0, 1, 2);
    layout->addWidget(line(QStringLiteral("This is a Plug In for :"), this), 3, 0, 1, 2);
    layout->addWidget(picture(EmusetPictures::ludora4(), QStringLiteral("Image1"), this), 4, 0, 1, 2,
                      Qt::AlignHCenter);
    layout->addWidget(line(QStringLiteral("Written by the Ludora4 developers.\n"
                                          "Thanks to everyone who tried it and sent emulator settings."),
                           this),
                      5, 0, 1, 2);
    layout->setColumnStretch(1, 1);
    setFixedSize(sizeHint().expandedTo(QSize(320, 0)));
}

} // namespace Emuset
