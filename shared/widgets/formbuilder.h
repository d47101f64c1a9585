#pragma once

#include <QString>

class QGroupBox;
class QPushButton;

// Building blocks of both programs' windows. Every control is made with its objectName
// first, as the windows name their controls.
namespace Form {

template <class W> W *named(W *widget, const QString &name)
{
    widget->setObjectName(name);
    return widget;
}

// A titled frame; an empty name leaves it unnamed.
QGroupBox *frame(const QString &name, const QString &title);

QPushButton *button(const QString &name, const QString &text, bool enabled = true);

} // namespace Form
