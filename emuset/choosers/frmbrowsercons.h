#pragma once

#include <QWidget>

class FileLists;

namespace Emuset {

// Emuset's general file chooser, opened by the emulator editor's ">>": every file of
// a directory is listed, and a click hands the file's full path to the caller.
class FrmBrowserCons : public QWidget {
    Q_OBJECT
public:
    explicit FrmBrowserCons(QWidget *parent = nullptr);

    FileLists *lists() const { return m_lists; }

signals:
    void fileChosen(const QString &path);

private:
    void fileClicked(const QString &directory, const QString &fileName);

    FileLists *m_lists = nullptr;
};

} // namespace Emuset
