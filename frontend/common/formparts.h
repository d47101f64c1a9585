#pragma once

#include <QSize>
#include <QString>

class ClickableLabel;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLayout;
class QPixmap;
class QPlainTextEdit;
class QRadioButton;
class QWidget;

// The small pieces the pages of the main window build their forms from (with
// shared/widgets/formbuilder.h's named(), button() and frame()).
namespace FormParts {

constexpr QSize snapSize(256, 192);
constexpr QSize thumbnailSize(160, 120);

// The name of member i of a control array: "Name_i".
QString arrayName(const char *name, int index);
QRadioButton *option(const QString &name, const QString &text, QLayout *into);
// An editable combo box that adds nothing to its list by itself.
QComboBox *combo(const QString &name);
ClickableLabel *picture(const QString &name, QSize size, const QPixmap &pixmap);
// A picture box with a sunken frame, as the screenshot boxes are.
ClickableLabel *framedPicture(const QString &name, QSize size);
// A label that shows a value, framed like a read-only field.
void frameAsValue(QLabel *label, const QString &name);
// A wrapping label that does not widen its column.
QLabel *wrapped(const QString &text, const QString &name = {});
QPlainTextEdit *textArea(const QString &name, int height);
QGroupBox *frameAround(const QString &title, QWidget *content);
void addRow(QGridLayout *grid, const QString &caption, QWidget *field);
QWidget *withLayout(QLayout *layout);
void keepSpaceWhenHidden(QWidget *widget);

} // namespace FormParts
