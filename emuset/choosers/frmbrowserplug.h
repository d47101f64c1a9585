#pragma once

#include "shared/datasource.h"

#include <QWidget>

class FileLists;

namespace Emuset {

class ChooserParts;

// "Install Plug-In Into Ludora4": the user clicks the front-end's executable, and
// Emuset writes its own path into that installation's plug-in registry. It opens where
// the last installation was chosen, else in the user's installation (installed).
class FrmBrowserPlug : public QWidget {
    Q_OBJECT
public:
    explicit FrmBrowserPlug(QWidget *parent = nullptr);

    FileLists *lists() const { return m_lists; }
    DataSource Data1{QStringLiteral("Data1")};

private:
    void fileClicked(const QString &directory, const QString &fileName);

    FileLists *m_lists = nullptr;
    ChooserParts *m_parts = nullptr;
};

} // namespace Emuset
