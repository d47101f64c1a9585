// The "Docs" page: the list, the two display modes, New/Edit/Save/Cancel/Delete, the
// document chooser, and opening a document by double click.
#include "tests/support/chooserfolders.h"
#include "tests/support/fakes.h"
#include "tests/support/frontendrun.h"
#include "tests/support/testinstall.h"
#include "tests/support/typing.h"
#include "tests/support/windowcontrols.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QMainWindow>
#include <QTest>

class TestDocuments : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void listLeavesOutNamelessRecords();
    void newThenCancelStoresNothing();
    void newThenSaveStoresTheChosenFullPath();
    void sameNameShowsItsOwnRecord();
    void editThenSave();
    void deleteAsksFirst_data();
    void deleteAsksFirst();
    void doubleClickOpensTheFile_data();
    void doubleClickOpensTheFile();
    void editAndDeleteWithNothingPickedDoNothing_data();
    void editAndDeleteWithNothingPickedDoNothing();

private:
    void addDocument(const QVariant &name, const QString &file);
    QVariantList stored(const QString &column);
    QStringList listed() const { return entries(m_main, QStringLiteral("LstDoc")); }
    void click(const char *name) { clickOn(m_main, QLatin1String(name)); }
    QString shown(const char *name) const { return shownText(m_main, QLatin1String(name)); }
    void verifyMode(bool editing);

    std::unique_ptr<TestInstall> m_install;
    ScriptedDialogs m_dialogs;
    RecordingLauncher m_launcher;
    QMainWindow *m_main = nullptr;
};

void TestDocuments::init()
{
    m_install = std::make_unique<TestInstall>();
    QVERIFY2(m_install->isValid(), qPrintable(m_install->error()));
    m_dialogs = ScriptedDialogs();
    m_launcher = RecordingLauncher();
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

QVariantList TestDocuments::stored(const QString &column)
{
    return m_install->column(TestInstall::gameboyDb(), QStringLiteral("SELECT ") + column
                                                           + QStringLiteral(" FROM documents ORDER BY rowid"));
}

// View mode: locked boxes on the button face, New/Edit/Delete. Edit mode: the opposite.
void TestDocuments::verifyMode(bool editing)
{
    for (const char *name : {"TxtDocName", "TxtDocFile"}) {
        const auto *box = child<QLineEdit>(m_main, name);
        QVERIFY2(box, name);
        QCOMPARE(box->isReadOnly(), !editing);
        const QColor expected = QApplication::palette(box).color(editing ? QPalette::Base : QPalette::Button);
        QCOMPARE(box->palette().color(QPalette::Base), expected);
    }
    for (const char *name : {"CmdAddDoc", "CmdEditDoc", "CmdDeleteDoc", "CmdSaveDoc", "CmdCancelDoc"}) {
        const bool editButton = QByteArray(name) == "CmdSaveDoc" || QByteArray(name) == "CmdCancelDoc";
        QVERIFY2(child(m_main, name)->isEnabled() == (editButton == editing), name);
    }
}

void TestDocuments::listLeavesOutNamelessRecords()
{
    addDocument(QStringLiteral("Zeta Manual"), QStringLiteral("/docs/zeta.txt"));
    addDocument(QVariant(), QStringLiteral("/docs/nameless.txt"));
    addDocument(QStringLiteral("Alpha Guide"), QStringLiteral("/docs/alpha.txt"));
    QVERIFY(m_main = startFrontEnd(m_install->root(), m_dialogs, m_launcher));
    QCOMPARE(listed(), QStringList({"Zeta Manual", "Alpha Guide"})); // the table's order
    verifyMode(false);
    QVERIFY(QApplication::palette().color(QPalette::Base) != QApplication::palette().color(QPalette::Button));
}

void TestDocuments::newThenCancelStoresNothing()
{
    addDocument(QStringLiteral("Readme"), QStringLiteral("/docs/readme.txt"));
    QVERIFY(m_main = startFrontEnd(m_install->root(), m_dialogs, m_launcher));
    click("CmdAddDoc");
    verifyMode(true);
    QVERIFY(shown("TxtDocName").isEmpty());
    QVERIFY(shown("TxtDocFile").isEmpty());
    typeText(child(m_main, "TxtDocName"), QStringLiteral("Never Stored"));

    click("CmdCancelDoc");
    verifyMode(false);
    QCOMPARE(shown("TxtDocName"), QStringLiteral("Readme"));
    QCOMPARE(stored(QStringLiteral("Doc_Name")), QVariantList({QStringLiteral("Readme")}));
    // Nothing pending survives to a later store either.
    clickEntry(m_main, QStringLiteral("LstDoc"), 0);
    click("CmdEditDoc");
    click("CmdSaveDoc");
    QCOMPARE(stored(QStringLiteral("Doc_Name")), QVariantList({QStringLiteral("Readme")}));
    QCOMPARE(listed(), QStringList({"Readme"}));
}

void TestDocuments::newThenSaveStoresTheChosenFullPath()
{
    addDocument(QStringLiteral("Readme"), QStringLiteral("/docs/readme.txt"));
    const QString folder = m_install->path(QStringLiteral("my docs"));
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(writeFile(folder + QStringLiteral("/Manual.txt")));
    QVERIFY(m_main = startFrontEnd(m_install->root(), m_dialogs, m_launcher));
    // The file box opens the chooser only while editing.
    clickEntry(m_main, QStringLiteral("LstDoc"), 0);
    click("TxtDocFile");
    QVERIFY(!openChooser());

    click("CmdAddDoc");
    typeText(child(m_main, "TxtDocName"), QStringLiteral("Kiki's Manual"));
    click("TxtDocFile");
    QVERIFY(openChooser());
    QCOMPARE(openChooser()->windowTitle(), QStringLiteral("Choose Document File "));
    QVERIFY(chooserShowsFolder(m_install->root()));
    QVERIFY(enterFolder(QStringLiteral("my docs")));
    QVERIFY(clickFile(QStringLiteral("Manual.txt")));
    const QString path = QDir::toNativeSeparators(QDir(folder).canonicalPath() + QStringLiteral("/Manual.txt"));
    QCOMPARE(shown("TxtDocFile"), path);

    click("CmdSaveDoc");
    verifyMode(false);
    QCOMPARE(stored(QStringLiteral("Doc_Name")),
             QVariantList({QStringLiteral("Readme"), QStringLiteral("Kiki's Manual")}));
    QCOMPARE(stored(QStringLiteral("Doc_File")), QVariantList({QStringLiteral("/docs/readme.txt"), path}));
    QCOMPARE(listed(), QStringList({"Readme", "Kiki's Manual"}));

    // A name with a quote is found like any other.
    clickEntry(m_main, QStringLiteral("LstDoc"), 0);
    clickEntry(m_main, QStringLiteral("LstDoc"), 1);
    QCOMPARE(shown("TxtDocFile"), path);
}

// Two documents of one name: each entry shows its own record.
void TestDocuments::sameNameShowsItsOwnRecord()
{
    addDocument(QStringLiteral("Guide"), QStringLiteral("/docs/first.txt"));
    addDocument(QStringLiteral("Guide"), QStringLiteral("/docs/second.txt"));
    QVERIFY(m_main = startFrontEnd(m_install->root(), m_dialogs, m_launcher));
    clickEntry(m_main, QStringLiteral("LstDoc"), 1);
    QCOMPARE(shown("TxtDocFile"), QStringLiteral("/docs/second.txt"));
    verifyMode(false);
}

void TestDocuments::editThenSave()
{
    addDocument(QStringLiteral("Readme"), QStringLiteral("/docs/readme.txt"));
    addDocument(QStringLiteral("Guide"), QStringLiteral("/docs/guide.txt"));
    QVERIFY(m_main = startFrontEnd(m_install->root(), m_dialogs, m_launcher));
    clickEntry(m_main, QStringLiteral("LstDoc"), 1);
    click("CmdEditDoc");
    verifyMode(true);
    replaceText(child(m_main, "TxtDocName"), QStringLiteral("Player's Guide"));
    click("CmdSaveDoc");
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
    QVERIFY(m_main = startFrontEnd(m_install->root(), m_dialogs, m_launcher));
    clickEntry(m_main, QStringLiteral("LstDoc"), 1);
    m_dialogs.queueAnswers({answer});
    click("CmdDeleteDoc");
    QCOMPARE(m_dialogs.shown.size(), 1);
    QCOMPARE(m_dialogs.shown[0].icon, Dialogs::Icon::Question);
    QCOMPARE(m_dialogs.shown[0].buttons, Dialogs::Buttons::OkCancel);
    QCOMPARE(m_dialogs.shown[0].title, QStringLiteral("Guide"));
    QCOMPARE(m_dialogs.shown[0].text, QStringLiteral("Delete This Docs?"));
    QCOMPARE(listed(), left);
    QCOMPARE(stored(QStringLiteral("Doc_Name")).size(), left.size());
}

// A double click opens the stored path, or the file on disk whose name differs only in
// case ("<root>" stands for the installation). A refused open names the path on the
// error line.
void TestDocuments::doubleClickOpensTheFile_data()
{
    QTest::addColumn<QString>("storedPath");
    QTest::addColumn<QString>("onDisk"); // below the installation, made before the start
    QTest::addColumn<QString>("opened");
    QTest::newRow("stored path") << "/my docs/Player's Guide.pdf" << QString() << "/my docs/Player's Guide.pdf";
    QTest::newRow("other case on disk") << "<root>/DOCS/Manual.TXT"
                                        << "docs/manual.txt"
                                        << "<root>/docs/manual.txt";
}

void TestDocuments::doubleClickOpensTheFile()
{
    QFETCH(QString, storedPath);
    QFETCH(QString, onDisk);
    QFETCH(QString, opened);
    const QString root = m_install->root();
    if (!onDisk.isEmpty()) {
        QVERIFY(QDir().mkpath(QFileInfo(m_install->path(onDisk)).path()));
        QVERIFY(writeFile(m_install->path(onDisk)));
    }
    addDocument(QStringLiteral("Readme"), QStringLiteral("/docs/readme.txt"));
    addDocument(QStringLiteral("Guide"), storedPath.replace(QStringLiteral("<root>"), root));
    QVERIFY(m_main = startFrontEnd(root, m_dialogs, m_launcher));
    doubleClickEntry(m_main, QStringLiteral("LstDoc"), 1);
    QCOMPARE(m_launcher.documents,
             QStringList{QDir::toNativeSeparators(opened.replace(QStringLiteral("<root>"), root))});
    QVERIFY(m_launcher.started.isEmpty());

    m_launcher.succeed = false;
    doubleClickEntry(m_main, QStringLiteral("LstDoc"), 0);
    QVERIFY2(errorLine(m_main).contains(QStringLiteral("/docs/readme.txt")), qPrintable(errorLine(m_main)));
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
    QVERIFY(m_main = startFrontEnd(m_install->root(), m_dialogs, m_launcher));
    QCOMPARE(listed(), documents);
    click("CmdEditDoc");
    verifyMode(false);
    click("CmdDeleteDoc");
    QVERIFY(m_dialogs.shown.isEmpty());
    QCOMPARE(stored(QStringLiteral("Doc_Name")).size(), documents.size());
    verifyMode(false);
}

QTEST_MAIN(TestDocuments)
#include "tst_documents.moc"
