// The "Ludora4 Help" button of the plug-ins page: the front-end's mini help, modeless.
#include "frontend/frmmain.h"

#include "help/frmhelp.h"
#include "help/helpbooks.h"

#include <QPushButton>

void FrmMain::connectHelpButton()
{
    connect(ui.Command2, &QPushButton::clicked, this, [this] {
        // One help window at a time; it closes with the main window.
        auto *help = findChild<FrmHelp *>(QString(), Qt::FindDirectChildrenOnly);
        if (!help) {
            help = new FrmHelp(HelpBooks::ludora4(), this);
            help->setAttribute(Qt::WA_DeleteOnClose);
        }
        help->show();
        help->raise();
        help->activateWindow();
    });
}
