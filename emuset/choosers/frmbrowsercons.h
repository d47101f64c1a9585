#pragma once

#include <QWidget>

class FileLists;

namespace Emuset {

class ChooserParts;

// Emuset's general file chooser, opened by the emulator editor's ">>": every file of
// a directory is listed, and a click hands the file's full path to the caller.
// Each purpose starts in the folder its last choice was made in.
class FrmBrowserCons : public QWidget {
    Q_OBJECT
public:
    explicit FrmBrowserCons(QWidget *parent = nullptr);

    FileLists *lists() const { return m_lists; }
    // Shows the folder of the purpose's last choice, else defaultFolder when it exists.
    void startIn(const QString &purpose, const QString &defaultFolder);

signals:
    void fileChosen(const QString &path);

private:
    void fileClicked(const QString &directory, const QString &fileName);

    FileLists *m_lists = nullptr;
    ChooserParts *m_parts = nullptr;
};

} // namespace Emuset
