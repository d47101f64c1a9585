#pragma once

#include "shared/consoles.h"
#include "shared/twips.h"

#include <QSize>

#include <array>

class ClickableLabel;
class ClickableLineEdit;
class GameListWidget;
class MarkList;
class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMainWindow;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QToolBar;
class QWidget;
class StatusPanels;
class StrikeLine;

// The widgets of the main window FrmMain, without behaviour. Every control carries its
// form name as objectName; members of a control array are named Name_i.
struct FrmMainUi {
    // The form's size: 11685 x 8520 twips.
    static QSize windowSize() { return {Twips::toPixels(11685), Twips::toPixels(8520)}; }

    void setupUi(QMainWindow *window);

    // Toolbar and frame of the active console
    QToolBar *Toolbar1 = nullptr;
    std::array<QAction *, Consoles::Count> ConsoleButtons{}; // toolbar order, named by key
    QGroupBox *FrmConsoleattiva = nullptr;
    ClickableLabel *ImgConsole = nullptr;
    StatusPanels *StatusBar1 = nullptr;

    // Tab strips and their pages
    QTabWidget *TabGames = nullptr;
    std::array<QGroupBox *, 3> FrmGames{};
    QTabWidget *TabGeneral = nullptr;
    std::array<QGroupBox *, 5> FrmGeneral{};

    // "Games": the search, the game list and its options
    QLineEdit *TxtSearch = nullptr;
    QLabel *LabSearchCount = nullptr;
    GameListWidget *LstGames = nullptr;
    QGroupBox *Frame4 = nullptr;
    QRadioButton *OptAll = nullptr;
    QRadioButton *OptFavorite = nullptr;
    QRadioButton *OptPlayable = nullptr;
    QRadioButton *OptNotPlay = nullptr;
    QGroupBox *Frame3 = nullptr;
    QRadioButton *OptIcon1 = nullptr;
    QRadioButton *OptIcon2 = nullptr;
    QRadioButton *OptIcon3 = nullptr;
    QGroupBox *Frame1 = nullptr;
    QRadioButton *Option1 = nullptr;
    QRadioButton *Option2 = nullptr;
    QRadioButton *Option3 = nullptr;
    QRadioButton *Option4 = nullptr;
    QPushButton *Command1 = nullptr;

    // "Plug-Ins"
    QPushButton *Command2 = nullptr;
    QGroupBox *Frame10 = nullptr;
    QGroupBox *Frame11 = nullptr, *Frame12 = nullptr, *Frame13 = nullptr, *Frame14 = nullptr, *Frame16 = nullptr;
    QPushButton *Command3 = nullptr, *Command4 = nullptr, *Command5 = nullptr, *Command6 = nullptr,
                *Command7 = nullptr;
    QLabel *Label20 = nullptr, *Label21 = nullptr, *Label23 = nullptr, *Label25 = nullptr, *Label28 = nullptr;
    ClickableLabel *Label18 = nullptr, *Label22 = nullptr, *Label24 = nullptr, *Label26 = nullptr,
                   *Label27 = nullptr;

    // "Info": the game record
    QLineEdit *LabGame = nullptr;
    QComboBox *TxtYear = nullptr;
    QComboBox *CmbGenre = nullptr;
    QComboBox *CmbLanguage = nullptr;
    QComboBox *CmbProducer = nullptr;
    QComboBox *TxtRating = nullptr;
    QComboBox *CmbEmulatore = nullptr;
    ClickableLabel *TxtRom = nullptr;
    ClickableLabel *Label19 = nullptr;
    ClickableLabel *ImgSnap3 = nullptr;
    QCheckBox *ChkPlayable = nullptr;
    QCheckBox *ChkFavorite = nullptr;
    QCheckBox *ChkColour = nullptr;
    QCheckBox *ChkSound = nullptr;
    QLabel *TxtTimes = nullptr;
    QLabel *TxtLastPlay = nullptr;
    QLabel *Label15 = nullptr;
    QPushButton *Command10 = nullptr;
    QPushButton *Command9 = nullptr;
    QPushButton *CmdScanRoms = nullptr;
    QPushButton *Command8 = nullptr;
    QPushButton *CmdDeleteGame = nullptr;
    QPushButton *CmdAddPro = nullptr;
    QPushButton *CmdConvUtil = nullptr;
    std::array<ClickableLabel *, 5> ImgStar2{};
    ClickableLabel *ImgFavorites = nullptr;
    ClickableLabel *ImgFavorites2 = nullptr;
    StrikeLine *Line2 = nullptr;

    // "Multi Snap"
    ClickableLabel *ImgSnap1 = nullptr;
    ClickableLabel *ImgSnap2 = nullptr;
    QPushButton *CmdLeft = nullptr;
    QPushButton *CmdRight = nullptr;

    // "Setting": the game's emulator and its parameter sets
    QLineEdit *TxtFileEmu1 = nullptr;
    QLineEdit *TxtSetmode = nullptr;
    MarkList *LstSetting = nullptr;
    QLabel *LabEmu = nullptr;
    QLineEdit *TxtSettName = nullptr;
    QLineEdit *TxtParameter = nullptr;
    QPlainTextEdit *TxtOptAvaiable = nullptr;
    QLineEdit *TxtPassed = nullptr;
    QLineEdit *TxtValue = nullptr;
    QPlainTextEdit *TxtDescri = nullptr;

    // "Docs"
    QListWidget *LstDoc = nullptr;
    QLabel *LabNote1 = nullptr;
    QLabel *LabDocName = nullptr;
    QLineEdit *TxtDocName = nullptr;
    ClickableLineEdit *TxtDocFile = nullptr;
    QPushButton *CmdAddDoc = nullptr;
    QPushButton *CmdEditDoc = nullptr;
    QPushButton *CmdSaveDoc = nullptr;
    QPushButton *CmdCancelDoc = nullptr;
    QPushButton *CmdDeleteDoc = nullptr;
    QPlainTextEdit *TxtGameHelp = nullptr;
    QPlainTextEdit *Text7 = nullptr;

private:
    void createToolbar(QMainWindow *window);
    QWidget *createActiveConsole();
    void createTabGames();
    void createTabGeneral();
    void createStatusBar(QMainWindow *window);

    QGroupBox *createGamesPage();
    QWidget *createSearchRow();
    QWidget *createGameOptions();
    QGroupBox *createAboutPage();
    QGroupBox *createPluginsPage();
    struct PluginRow;
    QGroupBox *createPluginFrame(const PluginRow &row);

    QGroupBox *createInfoPage();
    QWidget *createRecordFields();
    QWidget *createRecordPictures();
    QWidget *createPlayStatistics();
    QWidget *createRecordButtons();
    QGroupBox *createSnapPage();
    QGroupBox *createSettingPage();
    QWidget *createEmulatorFrame();
    QWidget *createSetDetails();
    QGroupBox *createDocsPage();
    QWidget *createDocumentFrame();
    QGroupBox *createFiltersPage();
};
