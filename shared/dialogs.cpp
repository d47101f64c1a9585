#include "shared/dialogs.h"

#include <QApplication>
#include <QMessageBox>

bool MessageBoxDialogs::message(Icon icon, Buttons buttons, const QString &title, const QString &text)
{
    static const QMessageBox::Icon icons[] = {QMessageBox::NoIcon, QMessageBox::Critical,
                                              QMessageBox::Question, QMessageBox::Warning,
                                              QMessageBox::Information};
    QMessageBox box(icons[int(icon)], title, text,
                    buttons == Buttons::OkCancel ? QMessageBox::Ok | QMessageBox::Cancel
                                                 : QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setObjectName(QStringLiteral("MessageBox"));
    return box.exec() == QMessageBox::Ok;
}
