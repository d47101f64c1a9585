// The "Docs" page: the list, the two display modes, New/Edit/Save/Cancel/Delete, the
// document chooser, and opening a document by double click.
#include "frontend/frmbrowser.h"
#include "frontend/frmmain.h"
#include "frontend/globale.h"
#include "shared/widgets/clickablelineedit.h"
#include "shared/widgets/filelists.h"
#include "shared/widgets/statuspanels.h"
#include "tests/support/fakes.h"
#include "tests/support/frontendrun.h"
#include "tests/support/testinstall.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

class TestDocuments : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void listLeavesOutNamelessRecords();
    void newThenCancelStoresNothing();
    void newThenSaveStoresTheChosenFullPath();
    void fileBoxOpensTheChooserOnlyWhileEditing();
    void sameNameShowsItsOwnRecord();
    void editThenSave();
    void deleteAsksFirst_data();
    void deleteAsksFirst();
    void doubleClickOpensTheStoredPath();
    void doubleClickFindsTheFileWhateverItsCase();
    void editAndDeleteWithNothingPickedDoNothing_data();
    void editAndDeleteWithNothingPickedDoNothing();

private:
    void addDocument(const QVariant &name, const QString &file);
    bool startMain();
    QVariantList stored(const QString &column);
    void clickEntry(int row);
    void doubleClickEntry(int row);
    void click(QWidget *widget) { QTest::mouseClick(widget, Qt::LeftButton); }
    QStringList listed() const;
    void verifyMode(bool editing);

    std::unique_ptr<TestInstall> m_install;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    std::unique_ptr<RecordingLauncher> m_launcher;
    FrmMain *m_main = nullptr;
};

void TestDocuments::init()
{
    m_install = std::make_unique<TestInstall>();
    QVERIFY2(m_install->isValid(), qPrintable(m_install->error()));
    m_dialogs = std::make_unique<ScriptedDialogs>();
    m_launcher = std::make_unique<RecordingLauncher>();
}

void TestDocuments::cleanup()
{
    closeFrontEnd();
    m_main = nullptr;
    m_install.reset();
}

void TestDocuments::addDocument(const QVariant &name, const QString &file)
{
    QVERIFY(m_install->exec(TestInstall::gameboyDb(),
                            QStringLiteral("INSERT INTO documents (Doc_Name, Doc_File) VALUES (?, ?)"),
                            {name, file}));
}

bool TestDocuments::startMain()
{
    m_main = startFrontEnd(m_install->root(), *m_dialogs, *m_launcher);
    return m_main;
}

QVariantList TestDocuments::stored(const QString &column)
{
    return m_install->column(TestInstall::gameboyDb(), QStringLiteral("SELECT ") + column
                                                           + QStringLiteral(" FROM documents ORDER BY rowid"));
}

void TestDocuments::clickEntry(int row)
{
    QListWidget *list = m_main->ui.LstDoc;
    QVERIFY(row < list->count());
    list->scrollToItem(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
}

// A double click as the mouse makes it: a click, then the second press.
void TestDocuments::doubleClickEntry(int row)
{
    QListWidget *list = m_main->ui.LstDoc;
    const QPoint centre = list->visualItemRect(list->item(row)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centre);
}

QStringList TestDocuments::listed() const
{
    QStringList names;
    for (int i = 0; i < m_main->ui.LstDoc->count(); ++i)
        names.append(m_main->ui.LstDoc->item(i)->text());
    return names;
}

// View mode: locked boxes on the button face, New/Edit/Delete. Edit mode: the opposite.
void TestDocuments::verifyMode(bool editing)
{
    const FrmMainUi &ui = m_main->ui;
    for (QLineEdit *box : {ui.TxtDocName, static_cast<QLineEdit *>(ui.TxtDocFile)}) {
        QCOMPARE(box->isReadOnly(), !editing);
        const QColor expected = QApplication::palette(box).color(editing ? QPalette::Base : QPalette::Button);
        QCOMPARE(box->palette().color(QPalette::Base), expected);
    }
    QCOMPARE(ui.CmdAddDoc->isEnabled(), !editing);
    QCOMPARE(ui.CmdEditDoc->isEnabled(), !editing);
    QCOMPARE(ui.CmdDeleteDoc->isEnabled(), !editing);
    QCOMPARE(ui.CmdSaveDoc->isEnabled(), editing);
    QCOMPARE(ui.CmdCancelDoc->isEnabled(), editing);
}

void TestDocuments::listLeavesOutNamelessRecords()
{
    addDocument(QStringLiteral("Zeta Manual"), QStringLiteral("/docs/zeta.txt"));
    addDocument(QVariant(), QStringLiteral("/docs/nameless.txt"));
    addDocument(QStringLiteral("Alpha Guide"), QStringLiteral("/docs/alpha.txt"));
    QVERIFY(startMain());
    QCOMPARE(listed(), QStringList({"Zeta Manual", "Alpha Guide"})); // the table's order
    verifyMode(false);
    QVERIFY(QApplication::palette().color(QPalette::Base) != QApplication::palette().color(QPalette::Button));
}

void TestDocuments::newThenCancelStoresNothing()
{
    addDocument(QStringLiteral("Readme"), QStringLiteral("/docs/readme.txt"));
    QVERIFY(startMain());
    click(m_main->ui.CmdAddDoc);
    verifyMode(true);
    QVERIFY(m_main->ui.TxtDocName->text().isEmpty());
    QVERIFY(m_main->ui.TxtDocFile->text().isEmpty());
    QTest::keyClicks(m_main->ui.TxtDocName, QStringLiteral("Never Stored"));

    click(m_main->ui.CmdCancelDoc);
    verifyMode(false);
    QCOMPARE(m_main->ui.TxtDocName->text(), QStringLiteral("Readme"));
    QCOMPARE(stored(QStringLiteral("Doc_Name")), QVariantList({QStringLiteral("Readme")}));
    // Nothing pending survives to a later store either.
    clickEntry(0);
    click(m_main->ui.CmdEditDoc);
    click(m_main->ui.CmdSaveDoc);
    QCOMPARE(stored(QStringLiteral("Doc_Name")), QVariantList({QStringLiteral("Readme")}));
    QCOMPARE(listed(), QStringList({"Readme"}));
}

void TestDocuments::newThenSaveStoresTheChosenFullPath()
{
    const QString folder = m_install->path(QStringLiteral("my docs"));
    QVERIFY(QDir().mkpath(folder));
    QFile manual(folder + QStringLiteral("/Manual.txt"));
    QVERIFY(manual.open(QIODevice::WriteOnly));
    manual.close();
    QVERIFY(startMain());

    click(m_main->ui.CmdAddDoc);
    QTest::keyClicks(m_main->ui.TxtDocName, QStringLiteral("Kiki's Manual"));
    click(m_main->ui.TxtDocFile);
    FrmBrowser *chooser = m_main->chooser();
    QVERIFY(chooser && chooser->isVisible());
    QCOMPARE(chooser->windowTitle(), QStringLiteral("Choose Document File "));
    QCOMPARE(chooser->lists()->path(), QDir::toNativeSeparators(QDir(m_install->root()).canonicalPath()));
    QVERIFY(chooser->lists()->setPath(folder));
    QListWidget *files = chooser->lists()->File1;
    const auto found = files->findItems(QStringLiteral("Manual.txt"), Qt::MatchExactly);
    QCOMPARE(found.size(), 1);
    QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, files->visualItemRect(found[0]).center());
    const QString path = QDir::toNativeSeparators(QDir(folder).canonicalPath() + QStringLiteral("/Manual.txt"));
    QCOMPARE(m_main->ui.TxtDocFile->text(), path);

    click(m_main->ui.CmdSaveDoc);
    verifyMode(false);
    QCOMPARE(stored(QStringLiteral("Doc_Name")), QVariantList({QStringLiteral("Kiki's Manual")}));
    QCOMPARE(stored(QStringLiteral("Doc_File")), QVariantList({path}));
    QCOMPARE(listed(), QStringList({"Kiki's Manual"}));

    // A name with a quote is found like any other.
    m_main->ui.TxtDocFile->clear();
    clickEntry(0);
    QCOMPARE(m_main->ui.TxtDocFile->text(), path);
}

void TestDocuments::fileBoxOpensTheChooserOnlyWhileEditing()
{
    addDocument(QStringLiteral("Readme"), QStringLiteral("/docs/readme.txt"));
    QVERIFY(startMain());
    clickEntry(0);
    click(m_main->ui.TxtDocFile);
    QVERIFY(!m_main->chooser());

    click(m_main->ui.CmdEditDoc);
    click(m_main->ui.TxtDocFile);
    QVERIFY(m_main->chooser() && m_main->chooser()->isVisible());
    QCOMPARE(Globale::state().ChooserPurpose, int(FrmMain::PurposeDocument));
}

// Two documents of one name: each entry shows its own record.
void TestDocuments::sameNameShowsItsOwnRecord()
{
    addDocument(QStringLiteral("Guide"), QStringLiteral("/docs/first.txt"));
    addDocument(QStringLiteral("Guide"), QStringLiteral("/docs/second.txt"));
    QVERIFY(startMain());
    clickEntry(1);
    QCOMPARE(m_main->ui.TxtDocFile->text(), QStringLiteral("/docs/second.txt"));
    verifyMode(false);
}

void TestDocuments::editThenSave()
{
    addDocument(QStringLiteral("Readme"), QStringLiteral("/docs/readme.txt"));
    addDocument(QStringLiteral("Guide"), QStringLiteral("/docs/guide.txt"));
    QVERIFY(startMain());
    clickEntry(1);
    click(m_main->ui.CmdEditDoc);
    verifyMode(true);
    m_main->ui.TxtDocName->selectAll();
    QTest::keyClicks(m_main->ui.TxtDocName, QStringLiteral("Player's Guide"));
    click(m_main->ui.CmdSaveDoc);
    verifyMode(false);
    QCOMPARE(stored(QStringLiteral("Doc_Name")),
             QVariantList({QStringLiteral("Readme"), QStringLiteral("Player's Guide")}));
    QCOMPARE(stored(QStringLiteral("Doc_File")),
             QVariantList({QStringLiteral("/docs/readme.txt"), QStringLiteral("/docs/guide.txt")}));
    QCOMPARE(listed(), QStringList({"Readme", "Player's Guide"}));
}

void TestDocuments::deleteAsksFirst_data()
{
    QTest::addColumn<bool>("answer");
    QTest::addColumn<QStringList>("left");
    QTest::newRow("cancel") << false << QStringList{"Readme", "Guide"};
    QTest::newRow("ok") << true << QStringList{"Readme"};
}

void TestDocuments::deleteAsksFirst()
{
    QFETCH(bool, answer);
    QFETCH(QStringList, left);
    addDocument(QStringLiteral("Readme"), QStringLiteral("/docs/readme.txt"));
    addDocument(QStringLiteral("Guide"), QStringLiteral("/docs/guide.txt"));
    QVERIFY(startMain());
    clickEntry(1);
    m_dialogs->queueAnswers({answer});
    click(m_main->ui.CmdDeleteDoc);
    QCOMPARE(m_dialogs->shown.size(), 1);
    QCOMPARE(m_dialogs->shown[0].icon, Dialogs::Icon::Question);
    QCOMPARE(m_dialogs->shown[0].buttons, Dialogs::Buttons::OkCancel);
    QCOMPARE(m_dialogs->shown[0].title, QStringLiteral("Guide"));
    QCOMPARE(m_dialogs->shown[0].text, QStringLiteral("Delete This Docs?"));
    QCOMPARE(listed(), left);
    QCOMPARE(stored(QStringLiteral("Doc_Name")).size(), left.size());
}

void TestDocuments::doubleClickOpensTheStoredPath()
{
    addDocument(QStringLiteral("Readme"), QStringLiteral("/docs/readme.txt"));
    addDocument(QStringLiteral("Guide"), QStringLiteral("/my docs/Player's Guide.pdf"));
    QVERIFY(startMain());
    doubleClickEntry(1);
    QCOMPARE(m_launcher->documents, QStringList({"/my docs/Player's Guide.pdf"}));
    QVERIFY(m_launcher->started.isEmpty());

    m_launcher->succeed = false;
    doubleClickEntry(0);
    QVERIFY(m_main->ui.StatusBar1->text(6).contains(QStringLiteral("/docs/readme.txt")));
}

// A stored path whose case differs from the file on disk opens the file on disk.
void TestDocuments::doubleClickFindsTheFileWhateverItsCase()
{
    QVERIFY(QDir().mkpath(m_install->path(QStringLiteral("docs"))));
    QFile file(m_install->path(QStringLiteral("docs/manual.txt")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    addDocument(QStringLiteral("Manual"), m_install->root() + QStringLiteral("/DOCS/Manual.TXT"));
    QVERIFY(startMain());
    doubleClickEntry(0);
    QCOMPARE(m_launcher->documents,
             QStringList{QDir::toNativeSeparators(m_install->root() + QStringLiteral("/docs/manual.txt"))});
}

// Edit and Delete act on the picked entry only; with none picked they end silently,
// whatever row the data source stands on after the list was filled.
void TestDocuments::editAndDeleteWithNothingPickedDoNothing_data()
{
    QTest::addColumn<QStringList>("documents");
    QTest::newRow("empty table") << QStringList();
    QTest::newRow("two documents") << QStringList{"Readme", "Guide"};
}

void TestDocuments::editAndDeleteWithNothingPickedDoNothing()
{
    QFETCH(QStringList, documents);
    for (const QString &name : documents)
        addDocument(name, QStringLiteral("/docs/") + name);
    QVERIFY(startMain());
    QCOMPARE(listed(), documents);
    click(m_main->ui.CmdEditDoc);
    verifyMode(false);
    click(m_main->ui.CmdDeleteDoc);
    QVERIFY(m_dialogs->shown.isEmpty());
    QCOMPARE(stored(QStringLiteral("Doc_Name")).size(), documents.size());
    verifyMode(false);
}

QTEST_MAIN(TestDocuments)
#include "tst_documents.moc"
