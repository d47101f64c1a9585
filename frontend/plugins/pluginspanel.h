#pragma once

#include "shared/datasource.h"

#include <QObject>

#include <array>

class ClickableLabel;
class QGroupBox;
class QLabel;
class QPushButton;
class QWidget;
class Session;

// The "Plug-Ins" page: the registered plug-ins with their start buttons, a plug-in's
// executable chosen through its path label, and the "Ludora4 Help" button.
class PluginsPanel : public QObject {
    Q_OBJECT
public:
    PluginsPanel(Session &session, QWidget *window, QObject *parent = nullptr);
    struct Plugin;

    QGroupBox *page() const { return m_page; }

    // Shows each registered plug-in's path and enables the start buttons of those found.
    void ReadPluginRegistry();

private:
    struct Controls {
        QPushButton *start = nullptr;
        ClickableLabel *path = nullptr;
    };
    QGroupBox *buildPage();
    QGroupBox *buildPluginFrame(int row);
    Controls &controlsOf(const Plugin &plugin);
    void startPlugin(const Plugin &plugin);
    void askForExecutable(const Plugin &plugin);
    void registerExecutable(const Plugin &plugin, const QString &path);
    void showHelp();

    Session &m_session;
    QWidget *m_window;
    DataSource DatPlug{QStringLiteral("DatPlug")};
    QGroupBox *m_page = nullptr;
    std::array<Controls, 5> m_rows{};
    QPushButton *Command2 = nullptr;
};
