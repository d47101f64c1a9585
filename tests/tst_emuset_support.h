#pragma once
// Running Emuset inside a test: its start procedure on a directory of its own, its
// windows found by name, its controls by the names its forms give them.

#include "emuset/generale.h"
#include "shared/datasource.h"
#include "shared/paths.h"
#include "tests/support/emusetwindow.h"
#include "tests/support/fakes.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QMainWindow>
#include <QTest>

namespace EmusetRun {

inline bool touch(const QString &path, const QByteArray &content = {})
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

inline QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// A program's file name on this platform ("ludora4", "emuset").
inline QString exe(const char *name) { return Paths::executableName(QLatin1String(name)); }

// Writes emuset.ini in dir with exactly these bytes.
inline bool writeIni(const QString &dir, const QByteArray &content)
{
    return touch(dir + QStringLiteral("/emuset.ini"), content);
}

// The stored line of a front-end directory: the directory, a separator, CR LF.
inline QByteArray iniLine(const QString &frontEndDir)
{
    return (QDir::toNativeSeparators(frontEndDir) + QDir::separator()).toUtf8() + "\r\n";
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

// Emuset's main window while it is shown, or nullptr.
inline QMainWindow *mainWindow() { return window<QMainWindow>(QStringLiteral("FrmEmuset")); }

inline QMainWindow *start(const QString &ownDir, ScriptedDialogs &dialogs, RecordingLauncher &launcher)
{
    return qobject_cast<QMainWindow *>(startEmuset(ownDir, dialogs, launcher));
}

// Closes every window of the program and removes its database connections.
inline void closeAll() { closeEmuset(); }

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

// The marks of a list's entries, one letter each: 'x' marked, '-' not.
inline QString marks(const QObject *window, const QString &name = QStringLiteral("LstSetting"))
{
    QString letters;
    const auto *view = window ? window->findChild<QAbstractItemView *>(name) : nullptr;
    for (int row = 0; view && row < view->model()->rowCount(); ++row)
        letters += view->model()->index(row, 0).data(Qt::CheckStateRole) == Qt::Checked ? u'x' : u'-';
    return letters;
}

// Every message box shown, one line each: "icon|title|text" ("?" marks OK/Cancel boxes).
inline QStringList said(const ScriptedDialogs &dialogs)
{
    static const char *const icons[] = {"none", "critical", "question", "warning", "information"};
    QStringList lines;
    for (const ScriptedDialogs::Shown &box : dialogs.shown)
        lines.append(QLatin1String(icons[int(box.icon)])
                     + QLatin1String(box.buttons == Dialogs::Buttons::OkCancel ? "?" : "") + u'|' + box.title
                     + u'|' + box.text);
    return lines;
}

// Runs its scope in another working directory: a chooser made meanwhile opens there.
class WorkingDir {
public:
    explicit WorkingDir(const QString &dir) : m_old(QDir::currentPath()) { QDir::setCurrent(dir); }
    ~WorkingDir() { QDir::setCurrent(m_old); }

private:
    QString m_old;
};

} // namespace EmusetRun
