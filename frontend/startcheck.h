#pragma once

class QObject;

// The start check (--check-start): once the main window is shown, its caption and the
// status bar's note are printed and the program ends; the check passes only then.
namespace StartCheck {

// Watches for the main window from the event loop of the running application.
void arm(QObject *context);

// True once the main window was seen.
bool passed();

} // namespace StartCheck
