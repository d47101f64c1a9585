// The "Ludora4 Help" button of the plug-ins page.
#include "frontend/frmmain.h"

void FrmMain::connectHelpButton() {}
