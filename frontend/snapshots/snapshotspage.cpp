#include "frontend/snapshots/snapshotspage.h"

#include "frontend/common/formparts.h"
#include "frontend/session/session.h"
#include "frontend/snapshots/snapshotfiles.h"
#include "shared/paths.h"
#include "shared/widgets/clickablelabel.h"
#include "shared/widgets/formbuilder.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>

SnapshotsPage::SnapshotsPage(Session &session, QObject *parent) : QObject(parent), m_session(session)
{
    m_page = buildPage();
    connect(CmdRight, &QPushButton::clicked, this, &SnapshotsPage::showNextSnapshot);
    connect(CmdLeft, &QPushButton::clicked, this, &SnapshotsPage::showPreviousSnapshot);
    connect(ImgSnap1, &ClickableLabel::clicked, &m_session, &Session::requestScreenFile);
    connect(&m_session, &Session::gameShown, this, &SnapshotsPage::ShowSnapshots);
    connect(&m_session, &Session::newGameStarted, this, &SnapshotsPage::ShowSnapshots);
}

QGroupBox *SnapshotsPage::buildPage()
{
    QGroupBox *page = Form::frame({}, QStringLiteral("SnapShot"));
    ImgSnap1 = FormParts::framedPicture(QStringLiteral("ImgSnap1"), FormParts::snapSize);
    ImgSnap2 = FormParts::framedPicture(QStringLiteral("ImgSnap2"), FormParts::snapSize);
    CmdLeft = Form::button(QStringLiteral("CmdLeft"), QStringLiteral("<"), false);
    CmdRight = Form::button(QStringLiteral("CmdRight"), QStringLiteral(">"), false);
    for (QPushButton *arrow : {CmdLeft, CmdRight})
        arrow->setFixedSize(32, 48);

    auto *grid = new QGridLayout(page);
    grid->setContentsMargins(6, 6, 6, 6);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(4, 1);
    grid->addWidget(CmdLeft, 0, 1);
    grid->addWidget(ImgSnap1, 0, 2);
    grid->addWidget(CmdRight, 0, 3);
    grid->addWidget(ImgSnap2, 1, 2);
    grid->setRowStretch(2, 1);
    return page;
}

QString SnapshotsPage::snapshotFile(int number) const
{
    return SnapshotFiles::file(m_session.console().screenDir, m_session.shownGame().screen, number);
}

void SnapshotsPage::showPictureOrNone(ClickableLabel *box, const QString &path)
{
    QString error;
    if (!SnapshotFiles::showOrNone(box, path, m_session.noPicture(), &error))
        m_session.reportLoggedError(error);
}

// The first screenshot, and the second below it; the arrows as far as there are more.
void SnapshotsPage::ShowSnapshots()
{
    CmdRight->setEnabled(false);
    CmdLeft->setEnabled(false);
    const QString screen = m_session.shownGame().screen;
    if (!screen.isEmpty() && !Paths::probe(snapshotFile(0)).isEmpty())
        showPictureOrNone(ImgSnap1, snapshotFile(0));
    else
        SnapshotFiles::showNone(ImgSnap1, m_session.noPicture());
    SnapshotFiles::showNone(ImgSnap2, m_session.noPicture());
    // Without a Screen name there is no base name, so no numbered screenshots either.
    const QString second = screen.isEmpty() ? QString() : Paths::probe(snapshotFile(1));
    if (!second.isEmpty()) {
        CmdRight->setEnabled(true);
        showPictureOrNone(ImgSnap2, m_session.console().screenDir + second);
    }
    m_snapNumber = 0;
}

// A screenshot that cannot be shown ends the browsing: the record is shown afresh.
void SnapshotsPage::restartSnapshots()
{
    m_snapNumber = 0;
    m_session.requestRecord();
}

void SnapshotsPage::showNextSnapshot()
{
    ++m_snapNumber;
    if (!SnapshotFiles::load(ImgSnap1, snapshotFile(m_snapNumber)))
        return restartSnapshots();
    CmdLeft->setEnabled(true);
    m_session.requestListFocus();
    CmdRight->setEnabled(!Paths::probe(snapshotFile(m_snapNumber + 1)).isEmpty());
}

void SnapshotsPage::showPreviousSnapshot()
{
    m_snapNumber = qMax(0, m_snapNumber - 1);
    if (!SnapshotFiles::load(ImgSnap1, snapshotFile(m_snapNumber)))
        return restartSnapshots();
    CmdLeft->setEnabled(m_snapNumber > 0);
    CmdRight->setEnabled(true);
    m_session.requestListFocus();
}
