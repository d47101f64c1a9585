// The "Games" page: the game list, its filters, icon and view types, and the counts.
#include "frontend/frmmain.h"

void FrmMain::connectGamesPage() {}

void FrmMain::FillGameList()
{
    ShowGameRecord();
}
