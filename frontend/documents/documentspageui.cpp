// The widgets of the "Docs" page.
#include "frontend/common/formparts.h"
#include "frontend/documents/documentspage.h"
#include "shared/widgets/clickablelineedit.h"
#include "shared/widgets/formbuilder.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

using Form::button;
using Form::named;

QGroupBox *DocumentsPage::buildPage(QPlainTextEdit *gameNotes)
{
    QGroupBox *page = Form::frame({}, QStringLiteral("Documents"));
    Text7 = FormParts::textArea(QStringLiteral("Text7"), 40);
    Text7->setReadOnly(true);
    Text7->setMaximumHeight(56);

    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(6, 4, 6, 6);
    layout->addWidget(buildDocumentFrame());
    layout->addWidget(FormParts::frameAround(QStringLiteral("Game Notes"), gameNotes), 1);
    layout->addWidget(FormParts::frameAround(QStringLiteral("Error LOG"), Text7));
    return page;
}

QWidget *DocumentsPage::buildDocumentFrame()
{
    LstDoc = named(new QListWidget, QStringLiteral("LstDoc"));
    LstDoc->setStyleSheet(QStringLiteral("QListWidget { background: rgb(128, 128, 128); color: white; }"));
    LstDoc->setFixedHeight(112);
    LabNote1 = named(new QLabel(QStringLiteral("<< Double Click To Open")), QStringLiteral("LabNote1"));
    LabDocName = named(new QLabel(QStringLiteral("Doc. Name :")), QStringLiteral("LabDocName"));
    TxtDocName = named(new QLineEdit, QStringLiteral("TxtDocName"));
    TxtDocFile = named(new ClickableLineEdit, QStringLiteral("TxtDocFile"));
    TxtDocFile->setCursor(Qt::PointingHandCursor);
    for (QLineEdit *box : {TxtDocName, static_cast<QLineEdit *>(TxtDocFile)})
        box->setReadOnly(true);

    CmdAddDoc = button(QStringLiteral("CmdAddDoc"), QStringLiteral("New"));
    CmdEditDoc = button(QStringLiteral("CmdEditDoc"), QStringLiteral("Edit"));
    CmdSaveDoc = button(QStringLiteral("CmdSaveDoc"), QStringLiteral("Save"), false);
    CmdCancelDoc = button(QStringLiteral("CmdCancelDoc"), QStringLiteral("Cancel"), false);
    CmdDeleteDoc = button(QStringLiteral("CmdDeleteDoc"), QStringLiteral("Delete"));
    auto *buttons = new QGridLayout;
    buttons->setSpacing(3);
    buttons->addWidget(LabNote1, 0, 0, 1, 2);
    buttons->addWidget(CmdAddDoc, 1, 0);
    buttons->addWidget(CmdEditDoc, 1, 1);
    buttons->addWidget(CmdSaveDoc, 2, 0);
    buttons->addWidget(CmdCancelDoc, 2, 1);
    buttons->addWidget(CmdDeleteDoc, 3, 0);
    buttons->setRowStretch(4, 1);

    QGroupBox *box = Form::frame({}, QStringLiteral("Emulator Docs"));
    auto *grid = new QGridLayout(box);
    grid->setContentsMargins(6, 4, 6, 6);
    grid->setVerticalSpacing(3);
    grid->addWidget(LstDoc, 0, 0, 1, 2);
    grid->addLayout(buttons, 0, 2);
    grid->addWidget(LabDocName, 1, 0);
    grid->addWidget(TxtDocName, 1, 1, 1, 2);
    grid->addWidget(TxtDocFile, 2, 1, 1, 2);
    grid->setColumnStretch(1, 1);
    return box;
}
