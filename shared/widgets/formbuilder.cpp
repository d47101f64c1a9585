#include "shared/widgets/formbuilder.h"

#include <QGroupBox>
#include <QPushButton>

namespace Form {

QGroupBox *frame(const QString &name, const QString &title) { return named(new QGroupBox(title), name); }

QPushButton *button(const QString &name, const QString &text, bool enabled)
{
    auto *push = named(new QPushButton(text), name);
    push->setEnabled(enabled);
    return push;
}

} // namespace Form
