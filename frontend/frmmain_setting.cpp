// The "Setting" page: the console's emulators and the shown game's parameter sets.
#include "frontend/frmmain.h"

#include "shared/schema.h"

#include <QComboBox>

void FrmMain::connectSettingPage() {}

void FrmMain::FillEmulatorList()
{
    DatEmu.setDatabaseName(m_state.ConsoleDb);
    DatEmu.setRecordSource(QStringLiteral("select * from emulatori"));
    const bool opened = DatEmu.open();
    ui.CmbEmulatore->clear();
    if (!opened) {
        recordError(DatEmu.lastError());
        return;
    }
    QStringList names;
    for (; !DatEmu.atEnd(); DatEmu.moveNext()) {
        const QVariant name = DatEmu.value(Schema::Emulators::Name);
        if (!name.isNull())
            names.append(name.toString());
    }
    ui.CmbEmulatore->addItems(names);
    DatEmu.moveFirst();
}

void FrmMain::LoadSettingList() {}
