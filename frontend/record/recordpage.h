#pragma once

#include "frontend/session/session.h"
#include "shared/datasource.h"

#include <QObject>

#include <array>
#include <optional>

class ClickableLabel;
class GamelistImporter;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class StrikeLine;

// The "Info" page: the shown game's record, bound to its row, with the commands that add,
// save and delete games, add producers, scan the rom folder and convert a snapshot; and the
// game's notes, which the "Docs" page shows.
class RecordPage : public QObject {
    Q_OBJECT
public:
    explicit RecordPage(Session &session, QObject *parent = nullptr);

    QGroupBox *page() const { return m_page; }
    QPlainTextEdit *notes() const { return TxtGameHelp; }

    // The lists of the master database (languages, genres, producers) and the fixed ones.
    void fillLookupLists();
    void refreshMasterLists();
    // The active console's emulators.
    void FillEmulatorList();
    // Shows the current game: its own row when known, otherwise the first of its name, and
    // the first row of the query when it is not listed.
    void ShowGameRecord();

private:
    QGroupBox *buildPage();
    QWidget *buildFields();
    QWidget *buildPictures();
    QWidget *buildPlayStatistics();
    QWidget *buildButtons();
    void bindControls();
    void connectCommands();

    void fillLookupList(QComboBox *list, const QString &recordSource);
    void positionOnCurrentGame();
    void showPickedGame(std::optional<qint64> row, const QString &text);
    void showNoGame();
    void showRecordDetails();
    void showPlayableMark();
    void showRatingPictures();
    void showFirstScreenshot();
    void showPlayTime();
    void showAddedPlayTime(const QString &database, qint64 row, qint64 total);
    Session::ShownGame shownGame() const;
    void reportDisplayError(const QString &text);
    void reportStoreError(const QString &text);

    Session::Leave settleChanges();
    bool refuseUnnamedNewGame();
    bool storeForPlay(QString *error);
    bool countPlay(QString *error);

    void addRom();
    void saveRecord();
    void deleteGame();
    void addProducer();
    void resetTimes();
    void chooseRomFile();
    void chooseScreenFile();
    void chooseSnapshotToConvert();
    void convertSnapshot(const QString &source);
    void scanRoms();

    Session &m_session;
    DataSource DatGames{QStringLiteral("DatGames")};
    DataSource DatEmu{QStringLiteral("DatEmu")};
    DataSource DatLudora{QStringLiteral("DatLudora")};
    QGroupBox *m_page = nullptr;
    QLineEdit *LabGame = nullptr;
    QComboBox *TxtYear = nullptr, *CmbGenre = nullptr, *CmbLanguage = nullptr, *CmbProducer = nullptr,
              *TxtRating = nullptr, *CmbEmulatore = nullptr;
    ClickableLabel *TxtRom = nullptr, *Label19 = nullptr, *ImgSnap3 = nullptr;
    QCheckBox *ChkPlayable = nullptr, *ChkFavorite = nullptr, *ChkColour = nullptr, *ChkSound = nullptr;
    QLabel *TxtTimes = nullptr, *TxtLastPlay = nullptr, *Label15 = nullptr, *LabPlayTime = nullptr;
    QPushButton *Command10 = nullptr, *Command9 = nullptr, *CmdScanRoms = nullptr, *Command8 = nullptr,
                *CmdDeleteGame = nullptr, *CmdAddPro = nullptr, *CmdConvUtil = nullptr;
    std::array<ClickableLabel *, 5> ImgStar2{};
    ClickableLabel *ImgFavorites = nullptr, *ImgFavorites2 = nullptr;
    StrikeLine *Line2 = nullptr;
    QPlainTextEdit *TxtGameHelp = nullptr;
    GamelistImporter *m_gamelistImporter = nullptr;
};
