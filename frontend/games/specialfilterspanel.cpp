#include "frontend/games/specialfilterspanel.h"

#include "frontend/games/missingroms.h"
#include "frontend/session/session.h"
#include "shared/columntexts.h"
#include "shared/datasource.h"
#include "shared/schema.h"
#include "shared/sqlitestatement.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>

#include <set>

namespace {

// The years the record view offers, and any other year a game of the console has.
QStringList yearEntries(const QString &database)
{
    std::set<int> years;
    for (int year = 1975; year <= 2009; ++year)
        years.insert(year);
    QString error;
    const QSqlDatabase db = DataSource::connection(database, &error);
    if (db.isValid()) {
        SqliteStatement stored(SqliteStatement::handle(db),
                               QStringLiteral("SELECT DISTINCT CAST(Anno AS INTEGER) FROM giochi"));
        while (stored.next()) {
            const qint64 year = stored.integer(0);
            if (year > 0 && year < 10000)
                years.insert(int(year));
        }
    }
    QStringList entries;
    for (const int year : years)
        entries.append(QString::number(year));
    return entries;
}

// Puts the entries after "any", keeping the text chosen (added when it is no longer one).
void refill(QComboBox *list, const QStringList &entries)
{
    const QSignalBlocker quiet(list);
    const QString chosen = list->currentIndex() > 0 ? list->currentText() : QString();
    while (list->count() > 1)
        list->removeItem(1);
    list->addItems(entries);
    if (!chosen.isEmpty() && list->findText(chosen, Qt::MatchExactly) < 0)
        list->addItem(chosen);
    list->setCurrentIndex(chosen.isEmpty() ? 0 : list->findText(chosen, Qt::MatchExactly));
}

// A list's text, or an empty one for "any".
QString chosenText(const QComboBox *list) { return list->currentIndex() > 0 ? list->currentText() : QString(); }

void choose(QComboBox *list, const QString &text)
{
    int index = text.isEmpty() ? 0 : list->findText(text, Qt::MatchExactly);
    if (index < 0) {
        list->addItem(text);
        index = list->count() - 1;
    }
    list->setCurrentIndex(index);
}

QString numberText(int number) { return number > 0 ? QString::number(number) : QString(); }

constexpr SpecialFilters::Flag SpecialFilters::Choice::*flagMembers[] = {
    &SpecialFilters::Choice::playable,
    &SpecialFilters::Choice::favourite,
    &SpecialFilters::Choice::colour,
    &SpecialFilters::Choice::cracked,
};

} // namespace

SpecialFiltersPanel::SpecialFiltersPanel(Session &session, QObject *parent) : QObject(parent), m_session(session)
{
    m_page = buildPage();
    m_line = buildLine();
    connectControls();
}

void SpecialFiltersPanel::connectControls()
{
    for (QComboBox *list : {CmbFilterGenre, CmbFilterLanguage, CmbFilterProducer, CmbFilterYearFrom,
                            CmbFilterYearTo, CmbFilterRating})
        connect(list, &QComboBox::activated, this, &SpecialFiltersPanel::take);
    for (QComboBox *list : m_flags)
        connect(list, &QComboBox::activated, this, &SpecialFiltersPanel::take);
    for (QCheckBox *box : {ChkNeverPlayed, ChkRomMissing})
        connect(box, &QCheckBox::clicked, this, &SpecialFiltersPanel::take);
    for (QPushButton *button : {CmdClearFilters, CmdClearSpecialFilters})
        connect(button, &QPushButton::clicked, this, &SpecialFiltersPanel::clear);
}

// The lists are read when the page is shown: a producer added meanwhile is there.
bool SpecialFiltersPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_page && event->type() == QEvent::Show)
        fillLists();
    return QObject::eventFilter(watched, event);
}

void SpecialFiltersPanel::fillLists()
{
    const struct {
        QComboBox *list;
        const char *source;
    } lookups[] = {
        {CmbFilterGenre, "genres"},
        {CmbFilterLanguage, "SELECT * from langu order by [language]"},
        {CmbFilterProducer, "SELECT * from publisher order by [publisher]"},
    };
    DataSource master(QStringLiteral("DatFilterLists"));
    for (const auto &lookup : lookups) {
        QStringList entries;
        if (!readColumnTexts(master, m_session.masterDatabase(), QLatin1String(lookup.source),
                             Schema::Lookup::Text, &entries))
            m_session.reportError(master.lastError());
        refill(lookup.list, entries);
    }
    const QStringList years = yearEntries(m_session.console().database);
    refill(CmbFilterYearFrom, years);
    refill(CmbFilterYearTo, years);
}

void SpecialFiltersPanel::show(const SpecialFilters::Choice &choice)
{
    const QSignalBlocker quietBoxes[] = {QSignalBlocker(ChkNeverPlayed), QSignalBlocker(ChkRomMissing)};
    choose(CmbFilterGenre, choice.genre);
    choose(CmbFilterLanguage, choice.language);
    choose(CmbFilterProducer, choice.producer);
    choose(CmbFilterYearFrom, numberText(choice.yearFrom));
    choose(CmbFilterYearTo, numberText(choice.yearTo));
    choose(CmbFilterRating, numberText(choice.leastRating));
    for (size_t i = 0; i < m_flags.size(); ++i)
        m_flags[i]->setCurrentIndex(int(choice.*flagMembers[i]));
    ChkNeverPlayed->setChecked(choice.neverPlayed);
    ChkRomMissing->setChecked(choice.romMissing);
}

SpecialFilters::Choice SpecialFiltersPanel::shown() const
{
    SpecialFilters::Choice choice;
    choice.genre = chosenText(CmbFilterGenre);
    choice.language = chosenText(CmbFilterLanguage);
    choice.producer = chosenText(CmbFilterProducer);
    choice.yearFrom = chosenText(CmbFilterYearFrom).toInt();
    choice.yearTo = chosenText(CmbFilterYearTo).toInt();
    // A range given backwards means the same years.
    if (choice.yearFrom && choice.yearTo && choice.yearFrom > choice.yearTo)
        std::swap(choice.yearFrom, choice.yearTo);
    choice.leastRating = chosenText(CmbFilterRating).toInt();
    for (size_t i = 0; i < m_flags.size(); ++i)
        choice.*flagMembers[i] = SpecialFilters::Flag(m_flags[i]->currentIndex());
    choice.neverPlayed = ChkNeverPlayed->isChecked();
    choice.romMissing = ChkRomMissing->isChecked();
    return choice;
}

void SpecialFiltersPanel::take()
{
    // The shown record's changes are settled first; staying shows the choice as it was.
    if (!m_session.mayLeaveRecord()) {
        show(m_choice);
        return;
    }
    m_choice = shown();
    m_choices.insert(m_console, m_choice);
    showLine();
    emit changed();
}

void SpecialFiltersPanel::clear()
{
    show({});
    take();
}

void SpecialFiltersPanel::showLine()
{
    const bool on = m_choice.isOn();
    LabSpecialFilters->setText(on ? QStringLiteral("Special filters on: ") + SpecialFilters::description(m_choice)
                                  : QString());
    m_line->setVisible(on);
    CmdClearFilters->setEnabled(on);
}

void SpecialFiltersPanel::prepareFill()
{
    const QString console = m_session.console().database;
    if (console != m_console) {
        m_console = console;
        m_choice = m_choices.value(console);
        show(m_choice);
        showLine();
    }
    QString error;
    if (m_choice.romMissing && !MissingRoms::prepare(console, m_session.console().gamesDir, &m_romListing, &error))
        m_session.reportError(error);
}

QString SpecialFiltersPanel::narrowed(const QString &query) const
{
    return SpecialFilters::narrowed(query, m_choice, m_romListing);
}
