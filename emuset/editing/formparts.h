#pragma once

#include <QColor>
#include <QString>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QWidget;

// The controls of the editors' forms, each carrying its form name as objectName.
namespace Emuset::FormParts {

inline const QColor blue{0, 0, 255};
inline const QColor darkPurple{128, 0, 128};
inline const QColor darkRed{128, 0, 0};

QLabel *label(const QString &name, const QString &text);
// Command buttons share their row's width; they do not widen the window.
QPushButton *button(const QString &name, const QString &text);
QLineEdit *box(const QString &name, const QColor &colour = {});
QPlainTextEdit *area(const QString &name); // blue, three lines high
void setTextColour(QWidget *widget, const QColor &colour);

} // namespace Emuset::FormParts
