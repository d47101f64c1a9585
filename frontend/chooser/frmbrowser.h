#pragma once

#include <QWidget>

class FileLists;

// The front-end's file chooser: drive, directory and file lists; one click on a file
// carries out what its caller asked for (FileChooser), then the chooser brings the main
// window forward and closes itself. It is not modal.
class FrmBrowser : public QWidget {
    Q_OBJECT
public:
    explicit FrmBrowser(QWidget *parent = nullptr);

    FileLists *lists() const { return m_lists; }

signals:
    void fileClicked(const QString &directory, const QString &fileName);

private:
    FileLists *m_lists = nullptr;
};
