#pragma once

#include "frontend/globale.h"
#include "shared/datasource.h"

#include <QObject>

#include <functional>

struct FrmMainUi;
class QLabel;

// The plug-ins panel of the main window: the registry read at start-up, the start
// buttons, and a plug-in's executable chosen through its path label. The file chooser is
// the window's, asked for by executableWanted(); errors go to the sink the window gives.
class PluginsPanel : public QObject {
    Q_OBJECT
public:
    using ErrorSink = std::function<void(const QString &)>;

    PluginsPanel(FrmMainUi &windowUi, Globale::State &state, ErrorSink errorSink, QObject *parent = nullptr);

    DataSource DatPlug{QStringLiteral("DatPlug")};

    // Shows each registered plug-in's path and enables the start buttons of those found.
    void readRegistry();
    // Stores path as the executable of the plug-in of a chooser purpose, through the data
    // source given (the chooser's own while it is open).
    void registerExecutable(int purpose, const QString &path, DataSource &registryData);

signals:
    void executableWanted(int purpose, const QString &caption, const QString &pattern);

private:
    void startPlugin(QLabel *pathLabel, bool warnFirst);
    void askForExecutable(int purpose);

    FrmMainUi &ui;
    Globale::State &m_state;
    ErrorSink recordError;
};
