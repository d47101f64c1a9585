#pragma once

#include <QString>

// Message boxes of the programs. The real one shows QMessageBox; tests script the answers.
// The programs ask through the helpers below, one per kind of box.
class Dialogs {
public:
    enum class Icon { None, Critical, Question, Warning, Information };
    enum class Buttons { Ok, OkCancel };
    virtual ~Dialogs() = default;
    // Shows one message box and waits for the answer; true when the answer is OK.
    virtual bool message(Icon icon, Buttons buttons, const QString &title, const QString &text) = 0;

    // An error with OK, titled "ERROR!" as the front-end's errors are.
    void critical(const QString &text) { critical(QStringLiteral("ERROR!"), text); }
    void critical(const QString &title, const QString &text) { message(Icon::Critical, Buttons::Ok, title, text); }
    // A warning, a piece of information, or a plain message, each with OK.
    void warning(const QString &title, const QString &text) { message(Icon::Warning, Buttons::Ok, title, text); }
    void information(const QString &title, const QString &text)
    {
        message(Icon::Information, Buttons::Ok, title, text);
    }
    void plain(const QString &title, const QString &text) { message(Icon::None, Buttons::Ok, title, text); }
    // Save, Discard or Cancel, for changes not stored yet. A message box with OK and
    // Cancel answers Save or Cancel.
    enum class Choice { Save, Discard, Cancel };
    virtual Choice askToSave(const QString &title, const QString &text)
    {
        return message(Icon::Question, Buttons::OkCancel, title, text) ? Choice::Save : Choice::Cancel;
    }
    // A question with OK and Cancel; true when the answer is OK.
    bool question(const QString &title, const QString &text)
    {
        return message(Icon::Question, Buttons::OkCancel, title, text);
    }
};
