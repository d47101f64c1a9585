#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>
#include <Qt>

class QAbstractItemView;
class QWidget;

// Controls found the way a person finds them by sight: by the objectName the window gives
// them. nullptr when the window has no such control.
template <class T = QWidget> T *child(const QObject *window, const QString &name)
{
    return window ? window->findChild<T *>(name) : nullptr;
}
template <class T = QWidget> T *child(const QObject *window, const char *name)
{
    return child<T>(window, QString::fromLatin1(name));
}

// What a control shows: the text of a line edit, label, combo box, button or text area.
QString shownText(const QObject *window, const QString &name);
// Clicks a button (or a clickable label) in its middle, as a person would.
void clickOn(const QObject *window, const QString &name);
// Triggers a toolbar button or menu item (a QAction named as the control).
void trigger(const QObject *window, const QString &name);

// A status-bar panel of the front-end's window (1 to 7) or of Emuset's (1), whole.
QString panelText(const QObject *window, int panel);
// The front-end's error line (panel 6), empty while it shows the play count.
QString errorLine(const QObject *window);

// The view the game list "LstGames" shows in its current view mode.
QAbstractItemView *gameView(const QObject *window);
// The names the game list shows, top to bottom (or another role of its entries).
QStringList listedGames(const QObject *window, int role = Qt::DisplayRole);
// Clicks the game list's entry of a row, scrolled into view first.
void clickGame(const QObject *window, int row);
// Clicks the first listed game of a name: false when none is listed.
bool showGame(const QObject *window, const QString &name);

// The entries' texts of a list-like control (LstSetting, LstDoc, LstEmu, File1, ...).
QStringList entries(const QObject *window, const QString &name);
// Clicks the entry of a row of such a list, scrolled into view first.
void clickEntry(const QObject *window, const QString &name, int row);
void doubleClickEntry(const QObject *window, const QString &name, int row);

// The front-end's or Emuset's file chooser while it is shown (a window of its own).
QWidget *openChooser(const QString &formName = QStringLiteral("FrmBrowser"));
// Clicks a file the open chooser lists: false when it lists no file of that name.
bool clickFile(const QString &fileName, const QString &formName = QStringLiteral("FrmBrowser"));

// Writes a file whole (an empty one without content); false when it cannot be written.
bool writeFile(const QString &path, const QByteArray &content = {});
