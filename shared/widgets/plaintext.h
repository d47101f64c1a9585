#pragma once

class QWidget;

// Every label of a window shows its text as it is, never as markup: the texts come from
// databases and file names, and markup there could read local files, never finish
// drawing, or overflow the stack. Called once the window's widgets exist, before any of
// them receives a stored text.
namespace PlainText {
void applyTo(QWidget *window);
} // namespace PlainText
