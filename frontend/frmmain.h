#pragma once

#include "frontend/frmbrowser.h"
#include "frontend/frmmain_ui.h"
#include "frontend/globale.h"
#include "shared/datasource.h"

#include <QMainWindow>
#include <QPointer>

#include <optional>

class DocumentsPage;
class PluginsPanel;
class GameListModel; // games page
class QListWidgetItem;
class ImageListPair; // games page

// The front-end's main window. Its operations are split by concern over several files:
// frmmain.cpp (load, checks, close) and one file per page for the game list, the record,
// the setting page and snapshots; the documents page and the plug-ins panel are classes
// of their own (DocumentsPage, PluginsPanel).
class FrmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit FrmMain(Globale::State &state, QWidget *parent = nullptr);
    ~FrmMain() override;

    // The main-window load; false when the program must end (no master database).
    bool load();
    // Moves the window to the position stored in the master configuration record.
    void applyStoredPosition();

    FrmMainUi ui;

    // Data sources, each bound to a database file and a record source.
    DataSource DatGames{QStringLiteral("DatGames")};
    DataSource DatEmu{QStringLiteral("DatEmu")};
    DataSource DatSett{QStringLiteral("DatSett")};
    DataSource DatConfig{QStringLiteral("DatConfig")};
    DataSource DatLast{QStringLiteral("DatLast")};
    DataSource DatLudora{QStringLiteral("DatLudora")};

    // Operations shared by the pages.
    void CheckConsoleDatabases();
    void LoadDocumentList();
    void FillEmulatorList();
    void FillGameList();
    void ShowGameRecord();
    void LoadSettingList();
    void ReadPluginRegistry();
    void ShowSnapshots();

    // The error line: panel 6 receives the text of an error a handler records.
    void recordError(const QString &text);

    // The file chooser (frmmain_chooser.cpp): purpose codes and what a click does.
    enum ChooserPurposes {
        PurposeUnfoldr = 1,
        PurposeEmuset = 2,
        PurposeCartload = 3,
        PurposeSnapshift = 5,
        PurposeConvertSnapshot = 8,
        PurposeNewGameRom = 10,
        PurposeDocument = 66,
        PurposeGameRom = 100,
        PurposeScreenFile = 200,
    };
    FrmBrowser *chooser() const { return m_browser; }
    void chooserFileClicked(const QString &directory, const QString &fileName);
    void chooseSnapshotToConvert(const QString &directory, const QString &fileName);
    void chooseNewGameRom(const QString &directory, const QString &fileName);
    void chooseGameRom(const QString &directory, const QString &fileName);
    void chooseScreenFile(const QString &directory, const QString &fileName);
    void choosePluginExecutable(const QString &directory, const QString &fileName);
    void chooseDocumentFile(const QString &directory, const QString &fileName);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    // Wiring of each page, in the page's own file.
    void bindRecordControls();
    void connectPages();
    void connectGamesPage();
    void connectRecordPage();
    void connectSettingPage();
    void connectDocumentsPage();
    void connectPluginsPage();
    void connectToolbar();

    void connectSnapshotPage();
    void connectHelpButton();
    void positionOnCurrentGame();
    void rememberCurrentGameRow();
    void showRecordDetails();

    // --- record page (frmmain_record.cpp) ---
    // An error of the record display: panel 6 and the "Error LOG" box Text7.
    void recordDisplayError(const QString &text);
    void showRecordPictures();
    void showPlayableMark();
    void showRatingPictures();
    void addRom();
    void saveRecord();
    void deleteGame();
    void addProducer();
    void resetTimes();
    void chooseRomFile();
    bool isAmigaActive() const;
    void reportStoreError(const QString &text);

    // --- rom folder scan (frmmain_scan.cpp) ---
    void connectScanButton();
    void scanRoms();
    void showNewGames(const QString &first);

    // --- games page (frmmain_games.cpp) and console switching (frmmain_switch.cpp) ---
    void selectGame();
    void showGameCounts();
    void restoreGameListChoices();
    void connectSearch();
    void focusSearch();
    void enterGameList();
    void applySearch();
    void selectShownGame();
    void clearSearch();
    void showSearchCount();
    void setGameImageLists(const ImageListPair &pair);
    void setGameViewMode(int mode);
    void switchConsole(const Consoles::Console &console);
    void storeConsoleChoice(const Consoles::Console &console);
    void reportMissingConsoleDatabase();
    GameListModel *m_gameList = nullptr;

    // --- setting page (frmmain_setting.cpp) and play (frmmain_play.cpp) ---
    void ApplySetMarks();
    void bindSettingControls();
    void settingEntryClicked(int row);
    bool storeSetMarks(QString *error);
    bool openOneSet(const QString &emulator, const QListWidgetItem *entry, QString *error);
    bool positionOnGameEmulator(QString *error);
    void connectPlayButton();
    void playGame();
    bool playSteps(QString *error);
    bool storeRecordForPlay(QString *error);
    bool storePlay(QString *error);
    bool startEmulator(bool *started, QString *error);
    bool SettingListReady = true; // false while LstSetting is being filled

    // --- snapshots (frmmain_snapshots.cpp) ---
    QString snapBase() const;
    QString snapshotFile(int number) const; // 0: the first screenshot
    bool loadPicture(QLabel *box, const QString &path);
    void showNoPicture(QLabel *box);
    void showPictureOrNone(QLabel *box, const QString &path);
    void showNextSnapshot();
    void showPreviousSnapshot();
    void restartSnapshots();
    void openScreenFileChooser();
    void openConversionChooser();
    void ConvertSnapshot(const QString &source);
    int m_snapNumber = 0; // SnapNumber: the screenshot shown in ImgSnap1

    // --- documents (documentspage.cpp) ---
    DocumentsPage *m_documents = nullptr;

    // --- plug-ins (pluginspanel.cpp) ---
    PluginsPanel *m_plugins = nullptr;

    // Opening the chooser, in the two ways its callers do.
    FrmBrowser *showChooser();
    void openChooser(int purpose, const QString &caption, const QString &directory, const QString &pattern);
    void openChooserWithCaption(int purpose, const QString &caption, const QString &pattern,
                                const QString &directory = QString());
    static QString chooserPath(const QString &directory, const QString &fileName);

    bool readMasterConfig();
    void readConsoleConfig();
    void fillLookupList(QComboBox *list, const QString &recordSource);
    void fillFixedLists();
    void showConsolePicture();
    void storeWindowPosition();

    Globale::State &m_state;
    std::optional<QPoint> m_storedPosition; // none stored
    QPointer<FrmBrowser> m_browser;
};
