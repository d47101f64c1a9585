#include "shared/widgets/plaintext.h"

#include <QLabel>

namespace PlainText {

void applyTo(QWidget *window)
{
    const auto labels = window->findChildren<QLabel *>();
    for (QLabel *label : labels)
        label->setTextFormat(Qt::PlainText);
    if (auto *label = qobject_cast<QLabel *>(window))
        label->setTextFormat(Qt::PlainText);
}

} // namespace PlainText
