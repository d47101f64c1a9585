#pragma once
// Running Emuset inside a test: its start procedure on a directory of its own, its
// windows found by name, its lists clicked as a person clicks them.

#include "emuset/frmemuset.h"
#include "emuset/generale.h"
#include "shared/datasource.h"
#include "tests/support/fakes.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QTest>

namespace EmusetRun {

inline bool touch(const QString &path, const QByteArray &content = {})
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

// Writes emuset.ini in dir with exactly these bytes.
inline bool writeIni(const QString &dir, const QByteArray &content)
{
    QFile file(dir + QStringLiteral("/emuset.ini"));
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(content) == content.size();
}

// The stored line of a front-end directory: the directory, a separator, CR LF.
inline QByteArray iniLine(const QString &frontEndDir)
{
    return (QDir::toNativeSeparators(frontEndDir) + QDir::separator()).toUtf8() + "\r\n";
}

inline Emuset::FrmEmuset *start(const QString &ownDir, ScriptedDialogs &dialogs, RecordingLauncher &launcher)
{
    Generale::startProcedure(ownDir, dialogs, launcher);
    QApplication::processEvents();
    return qobject_cast<Emuset::FrmEmuset *>(Generale::mainWindow());
}

// A visible top-level window of the given form name, or nullptr.
template <class W = QWidget> W *window(const QString &name)
{
    const auto widgets = QApplication::topLevelWidgets();
    for (QWidget *widget : widgets) {
        if (widget->objectName() == name && widget->isVisible())
            return qobject_cast<W *>(widget);
    }
    return nullptr;
}

// Closes every window of the program and removes its database connections.
inline void closeAll()
{
    const auto widgets = QApplication::topLevelWidgets();
    for (QWidget *widget : widgets)
        widget->close();
    for (int i = 0; i < 3; ++i)
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    DataSource::closeAllConnections();
}

inline void clickEntry(QListWidget *list, int row)
{
    const QRect entry = list->visualItemRect(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, entry.center());
}

inline int rowOf(QListWidget *list, const QString &text)
{
    const auto found = list->findItems(text, Qt::MatchExactly);
    return found.isEmpty() ? -1 : list->row(found.first());
}

inline QStringList entries(QListWidget *list)
{
    QStringList texts;
    for (int row = 0; row < list->count(); ++row)
        texts.append(list->item(row)->text());
    return texts;
}

// Chooses a console in the drop-down list by typing its name, as the keyboard does.
inline void chooseConsole(QComboBox *combo, const QString &name)
{
    combo->setFocus();
    QTest::keyClicks(combo, name);
}

} // namespace EmusetRun
