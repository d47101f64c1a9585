#pragma once

#include "frontend/globale.h"
#include "shared/datasource.h"

#include <QObject>

#include <functional>

struct FrmMainUi;

// The "Docs" page of the main window: the console's documents listed, edited and opened.
// It works on the window's widgets and state; errors go to the sink the window gives
// (its error line), and the file chooser is the window's, asked for by fileWanted().
class DocumentsPage : public QObject {
    Q_OBJECT
public:
    using ErrorSink = std::function<void(const QString &)>;

    DocumentsPage(FrmMainUi &windowUi, Globale::State &state, ErrorSink errorSink, QObject *parent = nullptr);

    DataSource DatDoc{QStringLiteral("DatDoc")};

    // Reads the list afresh; what was being typed is dropped and the page is in view mode.
    void load();
    // The file chosen for the document being edited.
    void setFile(const QString &path);

signals:
    // The file box was clicked while a document is edited.
    void fileWanted();

private:
    void setDocumentEditing(bool editing);
    bool editSelectedDocument();
    void documentClicked();
    void documentDoubleClicked();
    void newDocument();
    void editDocument();
    void saveDocument();
    void cancelDocument();
    void deleteDocument();
    void chooseDocumentFileIfEditing();

    FrmMainUi &ui;
    Globale::State &m_state;
    ErrorSink recordError;
};
