#pragma once

#include <QWidget>

class FileLists;

namespace Emuset {

class ChooserParts;

// The directory chooser of the first run and of "Choose Ludora4 Directory": only the
// front-end's executable is listed (as installed or portable names it); clicking it
// reports the installation's directory, and its owner decides what follows. It opens in
// the folder of the last accepted choice, else in the user's installation (installed),
// else in the current directory.
class FrmBrowser : public QWidget {
    Q_OBJECT
public:
    // userInstallation: the user's installation of an installed Emuset, else empty.
    FrmBrowser(bool installed, const QString &userInstallation, QWidget *parent = nullptr);

    FileLists *lists() const { return m_lists; }
    // The choice last reported was accepted: its folder is where the next opening starts.
    void rememberChoice() const;

signals:
    void frontEndChosen(const QString &directory);

private:
    void fileClicked(const QString &directory, const QString &fileName);

    FileLists *m_lists = nullptr;
    ChooserParts *m_parts = nullptr;
    QString m_userInstallation;
    QString m_clickedIn;
};

} // namespace Emuset
