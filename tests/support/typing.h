#pragma once

#include <QString>

class QWidget;

// Typing as a keyboard (or an input method) does it: one key event per character as the
// user sees it, carrying its text, so that accented letters, Japanese, Arabic and emoji
// arrive whole. QTest::keyClicks knows ASCII only.
void typeText(QWidget *widget, const QString &text);
// Selects everything in a line edit, combo box or text edit, then types over it.
void replaceText(QWidget *widget, const QString &text);
