#pragma once

#include "shared/commandline.h"
#include "shared/datasource.h"
#include "shared/launcher.h"

#include <QObject>

#include <optional>

class MarkList;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidgetItem;
class QPlainTextEdit;
class QPushButton;
class Session;

// The "Setting" page: the shown game's emulator and its parameter sets, whose marks a
// click stores; and the play, which starts the emulator with the marked sets.
class SettingPage : public QObject {
    Q_OBJECT
public:
    explicit SettingPage(Session &session, QObject *parent = nullptr);

    QGroupBox *page() const { return m_page; }

    // The shown game's sets with their marks, then its emulator's path and placement.
    void LoadSettingList();

private:
    QGroupBox *buildPage();
    QWidget *buildEmulatorFrame();
    QWidget *buildSetDetails();
    QWidget *buildCommandFrame();
    void bindControls();

    void settingEntryClicked(int row);
    void ApplySetMarks();
    bool openOneSet(const QString &emulator, const QListWidgetItem *entry, QString *error);
    bool positionOnGameEmulator(QString *error);

    // The command Play would run, the launch log
    void showCommand();
    void copyCommand();
    void openLaunchLog();

    // The play (play.cpp)
    struct Play {
        QString database;
        std::optional<qint64> row;
        QString logLine; // empty when the log could not be written
    };
    void playGame();
    bool playSteps(QString *error);
    bool startEmulator(bool *started, QString *error);
    CommandLine::Input commandInput(DataSource &sets) const;
    bool shownCommand(CommandLine::Launch *launch, QString *why);
    void logPlay(Play *play, const CommandLine::Launch &launch, const QString &notStarted);
    Launcher::Finished playEnded(const std::shared_ptr<const Play> &play);
    void endPlay(const Play &play, const Launcher::Exit &exit);

    Session &m_session;
    DataSource DatEmu{QStringLiteral("DatEmu")};
    DataSource DatSett{QStringLiteral("DatSett")};
    DataSource m_commandSets{QStringLiteral("CommandSets")}; // the sets the shown command reads
    bool SettingListReady = true;                            // false while LstSetting is being filled
    QGroupBox *m_page = nullptr;
    QLineEdit *TxtFileEmu1 = nullptr, *TxtSetmode = nullptr, *TxtSettName = nullptr, *TxtParameter = nullptr,
              *TxtPassed = nullptr, *TxtValue = nullptr;
    MarkList *LstSetting = nullptr;
    QLabel *LabEmu = nullptr;
    QPlainTextEdit *TxtOptAvaiable = nullptr, *TxtDescri = nullptr;
    QLineEdit *TxtCommand = nullptr;
    QPushButton *CmdCopy = nullptr, *CmdOpenLog = nullptr;
    QString m_logError; // of the play just started, reported once it is counted
};
