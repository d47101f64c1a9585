#pragma once

#include "shared/datasource.h"

#include <QObject>

class MarkList;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidgetItem;
class QPlainTextEdit;
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
    void bindControls();

    void settingEntryClicked(int row);
    void ApplySetMarks();
    bool openOneSet(const QString &emulator, const QListWidgetItem *entry, QString *error);
    bool positionOnGameEmulator(QString *error);

    // The play (play.cpp)
    void playGame();
    bool playSteps(QString *error);
    bool startEmulator(bool *started, QString *error);

    Session &m_session;
    DataSource DatEmu{QStringLiteral("DatEmu")};
    DataSource DatSett{QStringLiteral("DatSett")};
    bool SettingListReady = true; // false while LstSetting is being filled
    QGroupBox *m_page = nullptr;
    QLineEdit *TxtFileEmu1 = nullptr, *TxtSetmode = nullptr, *TxtSettName = nullptr, *TxtParameter = nullptr,
              *TxtPassed = nullptr, *TxtValue = nullptr;
    MarkList *LstSetting = nullptr;
    QLabel *LabEmu = nullptr;
    QPlainTextEdit *TxtOptAvaiable = nullptr, *TxtDescri = nullptr;
};
