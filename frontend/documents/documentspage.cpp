#include "frontend/documents/documentspage.h"

#include "frontend/chooser/filechooser.h"
#include "frontend/session/session.h"
#include "shared/columntexts.h"
#include "shared/dialogs.h"
#include "shared/launcher.h"
#include "shared/paths.h"
#include "shared/queries.h"
#include "shared/schema.h"
#include "shared/widgets/boundwidget.h"
#include "shared/widgets/clickablelineedit.h"
#include "shared/widgets/rowentries.h"

#include <QApplication>
#include <QGroupBox>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

DocumentsPage::DocumentsPage(Session &session, QPlainTextEdit *gameNotes, QObject *parent)
    : QObject(parent), m_session(session)
{
    m_page = buildPage(gameNotes);
    bindWidget(DatDoc, TxtDocName, QStringLiteral("Doc_Name"));
    bindWidget(DatDoc, TxtDocFile, QStringLiteral("Doc_File"));
    connect(LstDoc, &QListWidget::itemClicked, this, &DocumentsPage::documentClicked);
    connect(LstDoc, &QListWidget::itemDoubleClicked, this, &DocumentsPage::documentDoubleClicked);
    connect(CmdAddDoc, &QPushButton::clicked, this, &DocumentsPage::newDocument);
    connect(CmdEditDoc, &QPushButton::clicked, this, &DocumentsPage::editDocument);
    connect(CmdSaveDoc, &QPushButton::clicked, this, &DocumentsPage::saveDocument);
    connect(CmdCancelDoc, &QPushButton::clicked, this, &DocumentsPage::cancelDocument);
    connect(CmdDeleteDoc, &QPushButton::clicked, this, &DocumentsPage::deleteDocument);
    connect(TxtDocFile, &ClickableLineEdit::clicked, this, &DocumentsPage::chooseDocumentFileIfEditing);
    connect(&m_session, &Session::errorReported, this, [this](const QString &text, bool logged) {
        if (logged)
            Text7->setPlainText(text);
    });
}

// Reading the list afresh drops what was being typed: the panel returns to view mode.
void DocumentsPage::LoadDocumentList()
{
    setDocumentEditing(false);
    QList<RowEntries::Entry> documents;
    const bool opened = RowEntries::read(DatDoc, m_session.console().database,
                                         QStringLiteral("select * from documents"), Schema::Documents::Name,
                                         &documents);
    RowEntries::fill(LstDoc, documents);
    if (!opened)
        m_session.reportError(DatDoc.lastError());
}

// View mode: boxes locked on the button-face colour, New/Edit/Delete. Edit mode: boxes
// open on the text-box (window) background, Save/Cancel.
void DocumentsPage::setDocumentEditing(bool editing)
{
    for (QLineEdit *box : {TxtDocName, static_cast<QLineEdit *>(TxtDocFile)}) {
        box->setReadOnly(!editing);
        QPalette colours = box->palette();
        colours.setColor(QPalette::Base,
                         QApplication::palette(box).color(editing ? QPalette::Base : QPalette::Button));
        box->setPalette(colours);
    }
    for (QPushButton *button : {CmdAddDoc, CmdEditDoc, CmdDeleteDoc})
        button->setEnabled(!editing);
    for (QPushButton *button : {CmdSaveDoc, CmdCancelDoc})
        button->setEnabled(editing);
}

// The entry the user picked in LstDoc, or nullptr.
static const QListWidgetItem *pickedDocument(const QListWidget *list)
{
    const QList<QListWidgetItem *> picked = list->selectedItems();
    return picked.isEmpty() ? nullptr : picked.first();
}

// Reads the table afresh and makes the picked entry's document current, in edit mode.
// False when nothing is picked; false, with the error line saying why, when the
// document is no longer there (nothing is current then).
bool DocumentsPage::editSelectedDocument()
{
    const QListWidgetItem *item = pickedDocument(LstDoc);
    if (!item)
        return false;
    QString error;
    if (!DatDoc.refresh() || !RowEntries::positionOn(DatDoc, item, &error) || !DatDoc.edit()) {
        m_session.reportError(error.isEmpty() ? DatDoc.lastError() : error);
        return false;
    }
    return true;
}

void DocumentsPage::documentClicked()
{
    editSelectedDocument();
    setDocumentEditing(false);
}

void DocumentsPage::documentDoubleClicked()
{
    if (!editSelectedDocument())
        return;
    const QString path = Paths::existing(TxtDocFile->text());
    if (!m_session.launcher().openDocument(path))
        m_session.reportError(QStringLiteral("Document ") + path + QStringLiteral(" could not be opened"));
}

void DocumentsPage::newDocument()
{
    setDocumentEditing(true);
    if (!DatDoc.addNew())
        m_session.reportError(DatDoc.lastError());
}

void DocumentsPage::editDocument()
{
    if (editSelectedDocument())
        setDocumentEditing(true);
}

// A refused store is reported and the typed values stay in the boxes.
void DocumentsPage::saveDocument()
{
    if (!DatDoc.update()) {
        m_session.dialogs().critical(QStringLiteral("The document was not saved: ") + DatDoc.lastError());
        return;
    }
    setDocumentEditing(false);
    LoadDocumentList();
}

void DocumentsPage::cancelDocument()
{
    setDocumentEditing(false);
    DatDoc.cancelUpdate();
}

// With no entry picked there is nothing to delete, whatever row the data source stands on.
void DocumentsPage::deleteDocument()
{
    if (!pickedDocument(LstDoc))
        return;
    if (!m_session.dialogs().question(TxtDocName->text(), QStringLiteral("Delete This Docs?")))
        return;
    if (DatDoc.atEnd())
        return; // no current document
    if (!DatDoc.deleteCurrent()) {
        m_session.dialogs().critical(QStringLiteral("The document was not deleted: ") + DatDoc.lastError());
        return;
    }
    LoadDocumentList();
}

void DocumentsPage::chooseDocumentFileIfEditing()
{
    if (TxtDocFile->isReadOnly())
        return;
    m_session.chooser().openKeepingFolder(QStringLiteral("Choose Document File "), QStringLiteral("*.*"),
                                          m_session.rootDir(),
                                          [this](const QString &directory, const QString &fileName) {
                                              TxtDocFile->setText(FileChooser::path(directory, fileName));
                                          });
}
