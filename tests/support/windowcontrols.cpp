#include "tests/support/windowcontrols.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

namespace {

QAbstractItemView *listView(const QObject *window, const QString &name)
{
    QObject *control = child<QObject>(window, name);
    if (auto *view = qobject_cast<QAbstractItemView *>(control))
        return view;
    // A list shown in several modes is a widget whose visible child is the item view.
    auto *holder = qobject_cast<QWidget *>(control);
    const auto views = holder ? holder->findChildren<QAbstractItemView *>() : QList<QAbstractItemView *>();
    for (QAbstractItemView *view : views) {
        if (view->isVisibleTo(holder))
            return view;
    }
    return views.isEmpty() ? nullptr : views.front();
}

QRect entryRect(QAbstractItemView *view, int row)
{
    const QModelIndex index = view->model()->index(row, 0, view->rootIndex());
    view->scrollTo(index);
    return view->visualRect(index);
}

} // namespace

QString shownText(const QObject *window, const QString &name)
{
    QObject *control = child<QObject>(window, name);
    if (auto *edit = qobject_cast<QLineEdit *>(control))
        return edit->text();
    if (auto *label = qobject_cast<QLabel *>(control))
        return label->text();
    if (auto *box = qobject_cast<QComboBox *>(control))
        return box->currentText();
    if (auto *area = qobject_cast<QPlainTextEdit *>(control))
        return area->toPlainText();
    if (auto *button = qobject_cast<QAbstractButton *>(control))
        return button->text();
    return QString();
}

void clickOn(const QObject *window, const QString &name)
{
    if (auto *widget = child<QWidget>(window, name))
        QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

void trigger(const QObject *window, const QString &name)
{
    if (auto *action = child<QAction>(window, name))
        action->trigger();
}

QString panelText(const QObject *window, int panel)
{
    const auto *label = child<QLabel>(window, QStringLiteral("Panel%1").arg(panel));
    return label ? label->text() : QString();
}

QString errorLine(const QObject *window)
{
    const QString text = panelText(window, 6);
    return text.startsWith(QStringLiteral("Total Times Played : ")) ? QString() : text;
}

QAbstractItemView *gameView(const QObject *window) { return listView(window, QStringLiteral("LstGames")); }

QStringList listedGames(const QObject *window, int role)
{
    QStringList names;
    const QAbstractItemView *view = gameView(window);
    const QAbstractItemModel *model = view ? view->model() : nullptr;
    for (int row = 0; model && row < model->rowCount(); ++row)
        names.append(model->index(row, 0).data(role).toString());
    return names;
}

void clickGame(const QObject *window, int row)
{
    if (QAbstractItemView *view = gameView(window))
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, entryRect(view, row).center());
}

bool showGame(const QObject *window, const QString &name)
{
    const int row = int(listedGames(window).indexOf(name));
    if (row < 0)
        return false;
    clickGame(window, row);
    return true;
}

QStringList entries(const QObject *window, const QString &name)
{
    QStringList texts;
    const QAbstractItemView *view = listView(window, name);
    const QAbstractItemModel *model = view ? view->model() : nullptr;
    for (int row = 0; model && row < model->rowCount(view->rootIndex()); ++row)
        texts.append(model->index(row, 0, view->rootIndex()).data().toString());
    return texts;
}

void clickEntry(const QObject *window, const QString &name, int row)
{
    if (QAbstractItemView *view = listView(window, name))
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, entryRect(view, row).center());
}

void doubleClickEntry(const QObject *window, const QString &name, int row)
{
    if (QAbstractItemView *view = listView(window, name)) {
        const QPoint point = entryRect(view, row).center();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, point);
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, point);
    }
}

QWidget *openChooser(const QString &formName)
{
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows) {
        if (window->objectName() == formName && window->isVisible())
            return window;
    }
    return nullptr;
}

bool clickFile(const QString &fileName, const QString &formName)
{
    QWidget *chooser = openChooser(formName);
    const int row = int(entries(chooser, QStringLiteral("File1")).indexOf(fileName));
    if (row < 0)
        return false;
    clickEntry(chooser, QStringLiteral("File1"), row);
    return true;
}

bool writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}
