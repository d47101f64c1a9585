#include "tests/support/comboentries.h"

#include "tests/support/windowcontrols.h"

#include <QComboBox>
#include <QTest>

bool chooseEntry(const QObject *window, const QString &name, const QString &text)
{
    auto *list = child<QComboBox>(window, name);
    const int index = list ? list->findText(text, Qt::MatchExactly) : -1;
    if (index < 0)
        return false;
    if (list->currentIndex() != 0)
        QTest::keyClick(list, Qt::Key_Home);
    while (list->currentIndex() < index)
        QTest::keyClick(list, Qt::Key_Down);
    return list->currentIndex() == index;
}

QStringList comboEntries(const QObject *window, const char *name)
{
    QStringList items;
    const auto *box = child<QComboBox>(window, name);
    for (int i = 0; box && i < box->count(); ++i)
        items.append(box->itemText(i));
    return items;
}
