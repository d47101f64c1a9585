#pragma once

#include <QObject>

class ClickableLabel;
class QGroupBox;
class QPushButton;
class Session;

// The "Multi Snap" page: the shown game's screenshots, one after the other.
class SnapshotsPage : public QObject {
    Q_OBJECT
public:
    explicit SnapshotsPage(Session &session, QObject *parent = nullptr);

    QGroupBox *page() const { return m_page; }

    void ShowSnapshots();

private:
    QGroupBox *buildPage();
    QString snapshotFile(int number) const;
    void showPictureOrNone(ClickableLabel *box, const QString &path);
    void showNextSnapshot();
    void showPreviousSnapshot();
    void restartSnapshots();

    Session &m_session;
    QGroupBox *m_page = nullptr;
    ClickableLabel *ImgSnap1 = nullptr;
    ClickableLabel *ImgSnap2 = nullptr;
    QPushButton *CmdLeft = nullptr;
    QPushButton *CmdRight = nullptr;
    int m_snapNumber = 0; // the screenshot shown in ImgSnap1
};
