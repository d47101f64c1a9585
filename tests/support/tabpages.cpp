#include "tests/support/tabpages.h"

#include <QTabBar>
#include <QTest>

bool showTab(const QObject *window, const QString &caption)
{
    const auto bars = window ? window->findChildren<QTabBar *>() : QList<QTabBar *>();
    for (QTabBar *bar : bars) {
        for (int i = 0; i < bar->count(); ++i) {
            if (bar->tabText(i) == caption) {
                QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(i).center());
                return bar->currentIndex() == i;
            }
        }
    }
    return false;
}
