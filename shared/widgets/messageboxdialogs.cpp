#include "shared/widgets/messageboxdialogs.h"

#include <QApplication>
#include <QMessageBox>

bool MessageBoxDialogs::message(Icon icon, Buttons buttons, const QString &title, const QString &text)
{
    static const QMessageBox::Icon icons[] = {QMessageBox::NoIcon, QMessageBox::Critical, QMessageBox::Question,
                                              QMessageBox::Warning, QMessageBox::Information};
    // The text goes in after the format is set: names in it come from files.
    QMessageBox box(icons[int(icon)], title, QString(),
                    buttons == Buttons::OkCancel ? QMessageBox::Ok | QMessageBox::Cancel : QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setObjectName(QStringLiteral("MessageBox"));
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    return box.exec() == QMessageBox::Ok;
}

Dialogs::Choice MessageBoxDialogs::askToSave(const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::Question, title, QString(),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QApplication::activeWindow());
    box.setObjectName(QStringLiteral("MessageBox"));
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    box.setDefaultButton(QMessageBox::Save);
    switch (box.exec()) {
    case QMessageBox::Save: return Choice::Save;
    case QMessageBox::Discard: return Choice::Discard;
    default: return Choice::Cancel;
    }
}
