#pragma once

#include "frontend/frmbrowser.h"
#include "frontend/frmmain_ui.h"
#include "frontend/globale.h"
#include "shared/datasource.h"

#include <QMainWindow>
#include <QPointer>



// The front-end's main window. Its operations are split by concern over several files:
// frmmain.cpp (load, checks, close), frmmain_plugins.cpp (plug-in panel), and one file
// per page for the game list, the record, the setting page, snapshots and documents.
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
    DataSource DatDoc{QStringLiteral("DatDoc")};
    DataSource DatConfig{QStringLiteral("DatConfig")};
    DataSource DatLast{QStringLiteral("DatLast")};
    DataSource DatLudora{QStringLiteral("DatLudora")};
    DataSource DatPlug{QStringLiteral("DatPlug")};

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
    QPoint m_storedPosition{-1, -1};
    QPointer<FrmBrowser> m_browser;
};
