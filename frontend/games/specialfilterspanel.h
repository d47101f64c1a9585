#pragma once

#include "frontend/games/specialfilters.h"

#include <QHash>
#include <QObject>

#include <array>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QWidget;
class Session;

// The "Filters" tab's frame "Special Filters" and the line under the game list that says
// which of them are on. Each console keeps its own choice for the session.
class SpecialFiltersPanel : public QObject {
    Q_OBJECT
public:
    explicit SpecialFiltersPanel(Session &session, QObject *parent = nullptr);

    QGroupBox *page() const { return m_page; }
    // "Special filters on: ...", with its "Clear" button; hidden while none is on.
    QWidget *line() const { return m_line; }

    // Before each fill: the active console's choice (another console's after a switch)
    // shown, and the games folder listed (once, or not when unchanged) when "Rom file
    // missing" is on.
    void prepareFill();
    // The game query of a filter option narrowed by the choice.
    QString narrowed(const QString &query) const;

signals:
    // A person changed the choice: the list is to be filled again.
    void changed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QGroupBox *buildPage();
    QWidget *buildLine();
    QWidget *buildLists();
    QWidget *buildFlags();
    void connectControls();
    void fillLists();
    void show(const SpecialFilters::Choice &choice);
    SpecialFilters::Choice shown() const;
    void take();
    void clear();
    void showLine();

    Session &m_session;
    QHash<QString, SpecialFilters::Choice> m_choices; // by console database
    QString m_console;                                // whose choice the controls show
    SpecialFilters::Choice m_choice;
    quint64 m_romListing = 0; // the games folder's listing "Rom file missing" answers from
    QGroupBox *m_page = nullptr;
    QWidget *m_line = nullptr;
    QLabel *LabSpecialFilters = nullptr;
    QComboBox *CmbFilterGenre = nullptr, *CmbFilterLanguage = nullptr, *CmbFilterProducer = nullptr;
    QComboBox *CmbFilterYearFrom = nullptr, *CmbFilterYearTo = nullptr, *CmbFilterRating = nullptr;
    // Playable, Favourite, Colour, Cracked
    std::array<QComboBox *, 4> m_flags{};
    QCheckBox *ChkNeverPlayed = nullptr, *ChkRomMissing = nullptr;
    QPushButton *CmdClearFilters = nullptr, *CmdClearSpecialFilters = nullptr;
};
