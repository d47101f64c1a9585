#pragma once

class Dialogs;
class QObject;

// The start check (--check-start): once the main window is shown, its caption and the
// status bar's note are printed and the program ends; the check passes only then.
namespace StartCheck {

// Message boxes for the check: each is printed on standard error and answered OK, so
// that a check without anyone at the screen never waits.
Dialogs &dialogs();

// Watches for the main window from the event loop of the running application.
void arm(QObject *context);

// True once the main window was seen.
bool passed();

} // namespace StartCheck
