#pragma once

#include <QString>
#include <QStringList>

class QObject;

// Chooses the entry of a text in a combo box found by its name, with the keys a person
// uses (Home, then Down to it): each key that moves is one choice the program hears.
// False when the combo box or the entry is not there.
bool chooseEntry(const QObject *window, const QString &name, const QString &text);
// The entries of a combo box found by its name, top to bottom; empty when it is not there.
QStringList comboEntries(const QObject *window, const char *name);
