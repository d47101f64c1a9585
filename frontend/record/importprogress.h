#pragma once

#include "gamelist/gamelistimport.h"

#include <QProgressDialog>

// The progress of an import, shown once it takes more than a moment; its Cancel stops the
// import. While it is not shown, the main window takes no input meanwhile.
class ImportProgress {
public:
    ImportProgress(QWidget *window, const QString &label);

    // Moves the bar and lets the events through; false once Cancel was pressed.
    GamelistImport::Progress callback();

private:
    bool step(qsizetype done, qsizetype total);

    QProgressDialog m_dialog;
};
