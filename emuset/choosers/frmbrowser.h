#pragma once

#include <QWidget>

class FileLists;

namespace Emuset {

// The directory chooser of the first run and of "Choose Ludora4 Directory": only the
// front-end's executable is listed (as installed or portable names it); clicking it
// reports the installation's directory, and its owner decides what follows.
class FrmBrowser : public QWidget {
    Q_OBJECT
public:
    explicit FrmBrowser(bool installed, QWidget *parent = nullptr);

    FileLists *lists() const { return m_lists; }

signals:
    void frontEndChosen(const QString &directory);

private:
    void fileClicked(const QString &directory, const QString &fileName);

    FileLists *m_lists = nullptr;
};

} // namespace Emuset
