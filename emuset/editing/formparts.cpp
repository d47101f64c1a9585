#include "emuset/editing/formparts.h"

#include "shared/widgets/formbuilder.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace Emuset::FormParts {

using Form::named;

QLabel *label(const QString &name, const QString &text) { return named(new QLabel(text), name); }

QPushButton *button(const QString &name, const QString &text)
{
    auto *push = Form::button(name, text);
    push->setMinimumWidth(44);
    push->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    return push;
}

void setTextColour(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Text, colour);
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

QLineEdit *box(const QString &name, const QColor &colour)
{
    auto *edit = named(new QLineEdit, name);
    if (colour.isValid())
        setTextColour(edit, colour);
    return edit;
}

QPlainTextEdit *area(const QString &name)
{
    auto *edit = named(new QPlainTextEdit, name);
    setTextColour(edit, blue);
    edit->setFixedHeight(46);
    return edit;
}

} // namespace Emuset::FormParts
