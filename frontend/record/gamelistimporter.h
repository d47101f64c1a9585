#pragma once

#include <QObject>
#include <QString>

class QPushButton;
class Session;
namespace GamelistImport {
struct Prepared;
}

// "Import gamelist…" beside "Scan Roms": a gamelist.xml chosen from the console's games
// folder, one question saying what will happen, a progress that can be cancelled (nothing
// is stored then), and the summary; the list and its counts follow.
class GamelistImporter : public QObject {
    Q_OBJECT
public:
    explicit GamelistImporter(Session &session, QObject *parent = nullptr);

    QPushButton *button() const { return m_button; }

signals:
    // An import was stored: genres and producers may have joined the master lists.
    void stored();

private:
    void chooseFile();
    void importFile(const QString &path);
    bool confirm(const GamelistImport::Prepared &prepared, const QString &fileName);
    void showStored(const GamelistImport::Prepared &prepared);

    Session &m_session;
    QPushButton *m_button = nullptr;
};
