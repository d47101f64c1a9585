#include "frontend/documentspage.h"

#include "frontend/frmmain_ui.h"
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
#include <QListWidget>
#include <QPushButton>

DocumentsPage::DocumentsPage(FrmMainUi &windowUi, Globale::State &state, ErrorSink errorSink, QObject *parent)
    : QObject(parent), ui(windowUi), m_state(state), recordError(std::move(errorSink))
{
    bindWidget(DatDoc, ui.TxtDocName, QStringLiteral("Doc_Name"));
    bindWidget(DatDoc, ui.TxtDocFile, QStringLiteral("Doc_File"));
    connect(ui.LstDoc, &QListWidget::itemClicked, this, &DocumentsPage::documentClicked);
    connect(ui.LstDoc, &QListWidget::itemDoubleClicked, this, &DocumentsPage::documentDoubleClicked);
    connect(ui.CmdAddDoc, &QPushButton::clicked, this, &DocumentsPage::newDocument);
    connect(ui.CmdEditDoc, &QPushButton::clicked, this, &DocumentsPage::editDocument);
    connect(ui.CmdSaveDoc, &QPushButton::clicked, this, &DocumentsPage::saveDocument);
    connect(ui.CmdCancelDoc, &QPushButton::clicked, this, &DocumentsPage::cancelDocument);
    connect(ui.CmdDeleteDoc, &QPushButton::clicked, this, &DocumentsPage::deleteDocument);
    connect(ui.TxtDocFile, &ClickableLineEdit::clicked, this, &DocumentsPage::chooseDocumentFileIfEditing);
}

// Reading the list afresh drops what was being typed: the panel returns to view mode.
void DocumentsPage::load()
{
    setDocumentEditing(false);
    QList<RowEntries::Entry> documents;
    const bool opened = RowEntries::read(DatDoc, m_state.ConsoleDb, QStringLiteral("select * from documents"),
                                         Schema::Documents::Name, &documents);
    RowEntries::fill(ui.LstDoc, documents);
    if (!opened)
        recordError(DatDoc.lastError());
}

// View mode: boxes locked on the button-face colour, New/Edit/Delete. Edit mode: boxes
// open on the text-box (window) background, Save/Cancel.
void DocumentsPage::setDocumentEditing(bool editing)
{
    for (QLineEdit *box : {ui.TxtDocName, static_cast<QLineEdit *>(ui.TxtDocFile)}) {
        box->setReadOnly(!editing);
        QPalette colours = box->palette();
        colours.setColor(QPalette::Base,
                         QApplication::palette(box).color(editing ? QPalette::Base : QPalette::Button));
        box->setPalette(colours);
    }
    for (QPushButton *button : {ui.CmdAddDoc, ui.CmdEditDoc, ui.CmdDeleteDoc})
        button->setEnabled(!editing);
    for (QPushButton *button : {ui.CmdSaveDoc, ui.CmdCancelDoc})
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
    const QListWidgetItem *item = pickedDocument(ui.LstDoc);
    if (!item)
        return false;
    QString error;
    if (!DatDoc.refresh() || !RowEntries::positionOn(DatDoc, item, &error) || !DatDoc.edit()) {
        recordError(error.isEmpty() ? DatDoc.lastError() : error);
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
    const QString path = Paths::existing(ui.TxtDocFile->text());
    if (!m_state.launcher->openDocument(path))
        recordError(QStringLiteral("Document ") + path + QStringLiteral(" could not be opened"));
}

void DocumentsPage::newDocument()
{
    setDocumentEditing(true);
    if (!DatDoc.addNew())
        recordError(DatDoc.lastError());
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
        m_state.dialogs->critical(QStringLiteral("The document was not saved: ") + DatDoc.lastError());
        return;
    }
    setDocumentEditing(false);
    load();
}

void DocumentsPage::cancelDocument()
{
    setDocumentEditing(false);
    DatDoc.cancelUpdate();
}

// With no entry picked there is nothing to delete, whatever row the data source stands on.
void DocumentsPage::deleteDocument()
{
    if (!pickedDocument(ui.LstDoc))
        return;
    if (!m_state.dialogs->question(ui.TxtDocName->text(), QStringLiteral("Delete This Docs?")))
        return;
    if (DatDoc.atEnd())
        return; // no current document
    if (!DatDoc.deleteCurrent()) {
        m_state.dialogs->critical(QStringLiteral("The document was not deleted: ") + DatDoc.lastError());
        return;
    }
    load();
}

void DocumentsPage::chooseDocumentFileIfEditing()
{
    if (!ui.TxtDocFile->isReadOnly())
        emit fileWanted();
}

void DocumentsPage::setFile(const QString &path) { ui.TxtDocFile->setText(path); }
