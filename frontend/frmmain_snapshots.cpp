// The "Multi Snap" page and the snapshot boxes of the record: showing and browsing a
// game's screenshots, choosing its screen file, converting an image into a screenshot.
#include "frontend/frmmain.h"

#include "frontend/gamelistwidget.h"
#include "shared/paths.h"
#include "shared/regularfile.h"
#include "shared/schema.h"
#include "shared/snapshotconversion.h"
#include "shared/widgets/clickablelabel.h"
#include "shared/widgets/statuspanels.h"

#include <QAbstractItemView>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>

void FrmMain::connectSnapshotPage()
{
    connect(ui.CmdRight, &QPushButton::clicked, this, &FrmMain::showNextSnapshot);
    connect(ui.CmdLeft, &QPushButton::clicked, this, &FrmMain::showPreviousSnapshot);
    connect(ui.ImgSnap1, &ClickableLabel::clicked, this, &FrmMain::openScreenFileChooser);
    connect(ui.Label19, &ClickableLabel::clicked, this, &FrmMain::openScreenFileChooser);
    connect(ui.CmdConvUtil, &QPushButton::clicked, this, &FrmMain::openConversionChooser);
}

// ScreenDir + the game's Screen field without its last 4 characters (".gif").
QString FrmMain::snapBase() const
{
    const QString screen = DatGames.value(Schema::Games::Screen).toString();
    return m_state.ScreenDir + screen.left(qMax(0, screen.size() - 4));
}

QString FrmMain::snapshotFile(int number) const
{
    if (number == 0)
        return m_state.ScreenDir + DatGames.value(Schema::Games::Screen).toString();
    return snapBase() + QLatin1Char('_') + QString::number(number) + QStringLiteral(".gif");
}

// False (the box keeps what it showed) when the file is not a picture that can be read.
bool FrmMain::loadPicture(QLabel *box, const QString &path)
{
    QString error;
    const QPixmap picture = QPixmap::fromImage(RegularFile::image(Paths::resolve(path), &error));
    if (picture.isNull())
        return false;
    box->setPixmap(picture);
    return true;
}

void FrmMain::showNoPicture(QLabel *box)
{
    if (!loadPicture(box, m_state.NoPicFile))
        box->clear();
}

// A box that cannot show its file shows NoPicFile; the failure is recorded as every
// error of the record display is.
void FrmMain::showPictureOrNone(QLabel *box, const QString &path)
{
    if (loadPicture(box, path))
        return;
    showNoPicture(box);
    recordDisplayError(QStringLiteral("File ") + path + QStringLiteral(" is not a picture that can be shown"));
}

void FrmMain::ShowSnapshots()
{
    const QString screen = DatGames.value(Schema::Games::Screen).toString();
    const QString first = snapshotFile(0);
    const bool firstExists = !screen.isEmpty() && !Globale::probe(first).isEmpty();
    for (QLabel *box : {static_cast<QLabel *>(ui.ImgSnap1), static_cast<QLabel *>(ui.ImgSnap3)}) {
        if (firstExists)
            showPictureOrNone(box, first);
        else
            showNoPicture(box);
    }
    showNoPicture(ui.ImgSnap2);
    // Without a Screen name there is no base name, so no numbered screenshots either.
    if (!screen.isEmpty() && !Globale::probe(snapshotFile(1)).isEmpty()) {
        ui.CmdRight->setEnabled(true);
        showPictureOrNone(ui.ImgSnap2, m_state.ScreenDir + m_state.ProbeResult);
    }
    m_snapNumber = 0;
}

// A screenshot that cannot be shown ends the browsing: the record is shown afresh.
void FrmMain::restartSnapshots()
{
    m_snapNumber = 0;
    ShowGameRecord();
}

void FrmMain::showNextSnapshot()
{
    ++m_snapNumber;
    if (!loadPicture(ui.ImgSnap1, snapshotFile(m_snapNumber)))
        return restartSnapshots();
    ui.CmdLeft->setEnabled(true);
    ui.LstGames->view()->setFocus();
    ui.CmdRight->setEnabled(!Globale::probe(snapshotFile(m_snapNumber + 1)).isEmpty());
}

void FrmMain::showPreviousSnapshot()
{
    m_snapNumber = qMax(0, m_snapNumber - 1);
    if (!loadPicture(ui.ImgSnap1, snapshotFile(m_snapNumber)))
        return restartSnapshots();
    ui.CmdLeft->setEnabled(m_snapNumber > 0);
    ui.CmdRight->setEnabled(true);
    ui.LstGames->view()->setFocus();
}

void FrmMain::openScreenFileChooser()
{
    openChooser(PurposeScreenFile, QStringLiteral("Choose Screen File For Game : ") + ui.LabGame->text(),
                m_state.ScreenDir, QStringLiteral("*.*"));
}

void FrmMain::openConversionChooser()
{
    openChooser(PurposeConvertSnapshot, QStringLiteral("Choose Snap File To Convert For : ") + ui.LabGame->text(),
                m_state.RootDir, QStringLiteral("*.*"));
}

void FrmMain::chooseScreenFile(const QString &, const QString &fileName) { ui.Label19->setText(fileName); }

void FrmMain::chooseSnapshotToConvert(const QString &directory, const QString &fileName)
{
    ConvertSnapshot(chooserPath(directory, fileName));
}

// Moves the image into the screenshot directory and starts the converter; the pictures
// shown change the next time the record is shown.
void FrmMain::ConvertSnapshot(const QString &source)
{
    const SnapshotConversion::Request request{source, ui.TxtRom->text(), ui.StatusBar1->text(1), m_state.ScreenDir,
                                              m_state.RootDir};
    SnapshotConversion::Plan plan;
    QString error;
    if (!SnapshotConversion::prepare(request, &plan, &error)
        || !SnapshotConversion::carryOut(plan, *m_state.launcher, &error)) {
        recordError(error);
        return;
    }
    ui.Label19->setText(plan.screenField);
}
