#pragma once

#include "shared/dialogs.h"

// Dialogs shown with QMessageBox, modal to the active window.
class MessageBoxDialogs final : public Dialogs {
public:
    bool message(Icon icon, Buttons buttons, const QString &title, const QString &text) override;
    Choice askToSave(const QString &title, const QString &text) override;
};
