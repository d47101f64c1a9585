#pragma once

#include "shared/datasource.h"

#include <QObject>

class ClickableLineEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class Session;

// The "Docs" page: the console's documents listed, edited and opened; the shown game's
// notes (a control of the record, placed here); and the "Error LOG" of the record display.
class DocumentsPage : public QObject {
    Q_OBJECT
public:
    DocumentsPage(Session &session, QPlainTextEdit *gameNotes, QObject *parent = nullptr);

    QGroupBox *page() const { return m_page; }

    // Reads the list afresh; what was being typed is dropped and the page is in view mode.
    void LoadDocumentList();

private:
    QGroupBox *buildPage(QPlainTextEdit *gameNotes);
    QWidget *buildDocumentFrame();
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

    Session &m_session;
    DataSource DatDoc{QStringLiteral("DatDoc")};
    QGroupBox *m_page = nullptr;
    QListWidget *LstDoc = nullptr;
    QLabel *LabNote1 = nullptr, *LabDocName = nullptr;
    QLineEdit *TxtDocName = nullptr;
    ClickableLineEdit *TxtDocFile = nullptr;
    QPushButton *CmdAddDoc = nullptr, *CmdEditDoc = nullptr, *CmdSaveDoc = nullptr, *CmdCancelDoc = nullptr,
                *CmdDeleteDoc = nullptr;
    QPlainTextEdit *Text7 = nullptr;
};
