#pragma once

#include <QWidget>

class FileLists;

namespace Emuset {

// The directory chooser of the first run and of "Choose Ludora4 Directory": only the
// front-end's executable is listed; clicking it stores its directory in emuset.ini and
// opens the main window.
class FrmBrowser : public QWidget {
    Q_OBJECT
public:
    explicit FrmBrowser(QWidget *parent = nullptr);

    FileLists *lists() const { return m_lists; }

private:
    void fileClicked(const QString &directory, const QString &fileName);

    FileLists *m_lists = nullptr;
};

} // namespace Emuset
