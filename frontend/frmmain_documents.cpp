// The "Docs" page: the console's documents.
#include "frontend/frmmain.h"

#include "shared/schema.h"

#include "shared/clickablelineedit.h"

#include <QListWidget>

void FrmMain::connectDocumentsPage() {}

void FrmMain::LoadDocumentList()
{
    DatDoc.setDatabaseName(m_state.ConsoleDb);
    DatDoc.setRecordSource(QStringLiteral("select * from documents"));
    const bool opened = DatDoc.open();
    ui.LstDoc->clear();
    if (!opened) {
        recordError(DatDoc.lastError());
        return;
    }
    QStringList names;
    for (; !DatDoc.atEnd(); DatDoc.moveNext()) {
        const QVariant name = DatDoc.value(Schema::Documents::Name);
        if (!name.isNull())
            names.append(name.toString());
    }
    ui.LstDoc->addItems(names);
    DatDoc.moveFirst();
}

void FrmMain::chooseDocumentFile(const QString &directory, const QString &fileName)
{
    ui.TxtDocFile->setText(chooserPath(directory, fileName));
}
