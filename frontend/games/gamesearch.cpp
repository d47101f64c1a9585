// The search field of the "Games" page: the list narrowed as the person types.
#include "frontend/games/counttext.h"
#include "frontend/games/gamelistmodel.h"
#include "frontend/games/gamelistwidget.h"
#include "frontend/games/gamespage.h"
#include "frontend/session/session.h"

#include <QAbstractItemView>
#include <QLabel>
#include <QLineEdit>
#include <QShortcut>
#include <QSignalBlocker>

void GamesPage::connectSearch()
{
    connect(TxtSearch, &QLineEdit::textChanged, this, &GamesPage::applySearch);
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), TxtSearch, nullptr, nullptr, Qt::WidgetShortcut);
    connect(escape, &QShortcut::activated, TxtSearch, &QLineEdit::clear);
    auto *down = new QShortcut(QKeySequence(Qt::Key_Down), TxtSearch, nullptr, nullptr, Qt::WidgetShortcut);
    connect(down, &QShortcut::activated, this, &GamesPage::enterGameList);
    connect(TxtSearch, &QLineEdit::returnPressed, this, &GamesPage::enterGameList);
}

// Down or Enter in the search field goes on into the list, at the first match unless a
// game is selected there: the key let go in the list then shows that game.
void GamesPage::enterGameList()
{
    if (m_gameList->rowCount() == 0)
        return;
    if (!LstGames->selectedIndex().isValid())
        LstGames->setCurrentRow(0);
    LstGames->view()->setFocus(Qt::OtherFocusReason);
}

void GamesPage::focusSearch()
{
    TxtSearch->setFocus(Qt::ShortcutFocusReason);
    TxtSearch->selectAll();
}

// The list narrowed to the games matching the search. The shown game stays shown and
// stays selected while it matches; the list starts at the first match, or at the shown
// game when the search is cleared. A search that matches nothing shows no record; the
// current game comes back when the search is cleared.
void GamesPage::applySearch()
{
    const QString text = TxtSearch->text();
    m_gameList->setSearch(text);
    showSearchCount();
    const Session::ShownGame &shown = m_session.shownGame();
    if (m_gameList->rowCount() == 0 && shown.row)
        m_session.requestEmptyRecord();
    else if (text.isEmpty() && !shown.row && !shown.adding && m_gameList->rowCount() > 0)
        m_session.requestRecord();
    selectShownGame();
    if (!text.isEmpty())
        LstGames->view()->scrollToTop();
}

void GamesPage::clearSearch()
{
    const QSignalBlocker quiet(TxtSearch);
    TxtSearch->clear();
    m_gameList->setSearch(QString());
}

void GamesPage::showSearchCount()
{
    LabSearchCount->setText(countText(m_gameList->rowCount()) + QStringLiteral(" of ")
                            + countText(m_gameList->totalRows()));
}
