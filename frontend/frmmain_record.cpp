// The "Info" page: the shown game's record and its editing commands.
#include "frontend/frmmain.h"

void FrmMain::bindRecordControls() {}

void FrmMain::connectRecordPage() {}

void FrmMain::ShowGameRecord() {}
