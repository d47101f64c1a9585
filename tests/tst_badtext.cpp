// Stored texts that look like markup, and very long ones: both programs show them as
// the characters they are, never as rich text (which could read local files, never
// finish drawing, or overflow the stack), and store them back unchanged.
#include "tests/support/emusetwindow.h"
#include "tests/support/fakes.h"
#include "tests/support/frontendrun.h"
#include "tests/support/testinstall.h"
#include "tests/support/windowcontrols.h"

#include <QLabel>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString gameboy = TestInstall::gameboyDb();

QString repeated(const QString &text, int times)
{
    QString out;
    for (int i = 0; i < times; ++i)
        out += text;
    return out;
}

// The labels of a window that do not show their text as plain text.
QStringList interpretingLabels(QWidget *window)
{
    QStringList names;
    const auto labels = window->findChildren<QLabel *>();
    for (const QLabel *label : labels) {
        if (label->textFormat() != Qt::PlainText)
            names.append(label->objectName().isEmpty() ? label->text().left(30) : label->objectName());
    }
    return names;
}

} // namespace

class TestBadText : public QObject {
    Q_OBJECT
private slots:
    void cleanup()
    {
        closeFrontEnd();
        closeEmuset();
    }
    void markupIsShownAsText_data();
    void markupIsShownAsText();
    void longNotesRoundTrip();
};

void TestBadText::markupIsShownAsText_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("table that never finishes drawing") << repeated(QStringLiteral("<table><tr><td>"), 20);
    QTest::newRow("3,000 nested levels") << repeated(QStringLiteral("<b><i>"), 1500);
    QTest::newRow("picture of a local file") << QStringLiteral("<img src=\"/etc/passwd\">x");
    QTest::newRow("link and entity") << QStringLiteral("<a href=\"file:///\">a</a> &amp; &lt;");
}

// The text in every field the record view shows in a label, in the game's name (the
// start game), and in an emulator's name seen by both programs.
void TestBadText::markupIsShownAsText()
{
    QFETCH(QString, text);
    TestInstall install;
    QTemporaryDir own;
    QVERIFY2(install.isValid(), qPrintable(install.error()));
    QVERIFY(pointEmusetAt(own.path(), install.root()));
    QVERIFY(install.exec(gameboy,
                         QStringLiteral("INSERT INTO giochi (Gioco, Screen, Link, DataAdd, Times, Data, EmuName) "
                                        "VALUES (?, ?, ?, ?, ?, ?, ?)"),
                         {text, text, text, text, text, text, text}));
    QVERIFY(install.exec(gameboy, QStringLiteral("INSERT INTO emulatori (Emu_Name) VALUES (?)"), {text}));
    QVERIFY(
        install.exec(gameboy, QStringLiteral("INSERT INTO setting (ID_Emula, Nome) VALUES (?, 'set')"), {text}));
    QVERIFY(install.exec(TestInstall::masterDb(), QStringLiteral("UPDATE config SET Game = ?"), {text}));
    ScriptedDialogs dialogs;
    RecordingLauncher launcher;
    QMainWindow *window = startFrontEnd(install.root(), dialogs, launcher);
    QVERIFY(window);
    window->grab(); // drawn once, as the screen would
    QCOMPARE(interpretingLabels(window), QStringList());
    for (const char *name : {"LabGame", "Label19", "TxtRom", "Label15", "TxtTimes", "TxtLastPlay", "LabEmu"})
        QCOMPARE(shownText(window, QLatin1String(name)), text);
    clickOn(window, QStringLiteral("Command8")); // saves nothing: nothing changed
    QCOMPARE(install.column(gameboy,
                            QStringLiteral("SELECT count(*) FROM giochi WHERE Gioco = Screen AND Screen = Link "
                                           "AND Link = DataAdd AND DataAdd = Times AND Times = Data")),
             QVariantList{1});
    closeFrontEnd();

    QWidget *emuset = startEmuset(own.path(), dialogs, launcher);
    QVERIFY(emuset);
    QCOMPARE(interpretingLabels(emuset), QStringList());
    clickEntry(emuset, QStringLiteral("LstEmu"), 0);
    emuset->grab();
    QCOMPARE(shownText(emuset, QStringLiteral("LabEmu")), text);
}

// Notes of 200,000 characters on one line are shown whole and stored back unchanged with
// what is typed after them. Laying such a text out takes long, so it is set into the
// editor once per pick and not again by a save: never the first row's notes in between.
void TestBadText::longNotesRoundTrip()
{
    const QString notes = repeated(QStringLiteral("long notes "), 20000).trimmed();
    TestInstall install;
    QVERIFY2(install.isValid(), qPrintable(install.error()));
    QVERIFY(install.addGame(QStringLiteral("A First"), {{QStringLiteral("Notes"), QStringLiteral("first")}}));
    QVERIFY(install.addGame(QStringLiteral("Long"), {{QStringLiteral("Notes"), notes}}));
    QVERIFY(install.exec(TestInstall::masterDb(), QStringLiteral("UPDATE config SET Game = 'Long'")));
    ScriptedDialogs dialogs;
    RecordingLauncher launcher;
    QMainWindow *window = startFrontEnd(install.root(), dialogs, launcher);
    QVERIFY(window);
    window->grab();
    auto *editor = child<QPlainTextEdit>(window, "TxtGameHelp");
    QCOMPARE(editor->toPlainText(), notes);
    QTest::keyClick(editor, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClicks(editor, QStringLiteral("!"));
    QSignalSpy changes(editor, &QPlainTextEdit::textChanged);
    clickOn(window, QStringLiteral("Command8"));
    QVERIFY(dialogs.shown.isEmpty());
    QCOMPARE(install.scalar(gameboy, QStringLiteral("SELECT Notes FROM giochi WHERE Gioco = 'Long'")).toString(),
             notes + QLatin1Char('!'));
    QCOMPARE(changes.size(), 0);

    clickGame(window, 0);
    QCOMPARE(editor->toPlainText(), QStringLiteral("first"));
    changes.clear();
    clickGame(window, 1);
    QCOMPARE(editor->toPlainText(), notes + QLatin1Char('!'));
    QCOMPARE(changes.size(), 1);
}

QTEST_MAIN(TestBadText)
#include "tst_badtext.moc"
