// Console switching from the toolbar.
#include "frontend/frmmain.h"

void FrmMain::connectToolbar() {}
