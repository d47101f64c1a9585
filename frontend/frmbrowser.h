#pragma once

#include "shared/datasource.h"

#include <QWidget>

class FileLists;

// The front-end's file chooser: drive, directory and file lists; one click on a file
// carries out the purpose the caller set (FrmMain::chooserFileClicked), then the chooser
// brings the main window forward and closes itself. It is not modal.
class FrmBrowser : public QWidget {
    Q_OBJECT
public:
    explicit FrmBrowser(QWidget *parent = nullptr);

    // The window load: caption from ChooserCaption, the registry bound to DatPlug.
    void load();

    FileLists *lists() const { return m_lists; }
    DataSource DatPlug{QStringLiteral("DatPlug")};

signals:
    void fileClicked(const QString &directory, const QString &fileName);

private:
    FileLists *m_lists = nullptr;
};
