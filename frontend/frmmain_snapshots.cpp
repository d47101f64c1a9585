// The "Multi Snap" page and the snapshot boxes of the record.
#include "frontend/frmmain.h"

#include "shared/clickablelabel.h"

void FrmMain::connectSnapshotPage() {}

void FrmMain::ShowSnapshots() {}

void FrmMain::chooseScreenFile(const QString &, const QString &fileName)
{
    ui.Label19->setText(fileName);
}

void FrmMain::chooseSnapshotToConvert(const QString &, const QString &) {}
