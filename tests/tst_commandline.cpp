// The emulator command line: the parameter string of other consoles and of the Amiga,
// the three placements as text (every blank counted) and as the program plus arguments
// really started, the placement text's conversion, and the failures.
#include "shared/commandline.h"

#include <QTest>

using CommandLine::ParameterSet;
using CommandLine::Placement;
using Outcome = CommandLine::Result::Outcome;

Q_DECLARE_METATYPE(CommandLine::ParameterSet)
Q_DECLARE_METATYPE(CommandLine::Placement)
Q_DECLARE_METATYPE(CommandLine::Result::Outcome)

namespace {

// Every path holds blanks, so each row also checks that they pass unchanged in the text
// and stay inside one argument.
const QString exe = QStringLiteral("/opt/My Emus/fake emu");
const QString dir = QStringLiteral("/home/me/Game Boy/games/");
const QString rom = QStringLiteral("Super Game (E).gb");
const QString romPath = dir + rom;

const QVariant null;

ParameterSet set(const QVariant &stringa, const QVariant &scelta, const QVariant &attivo = 1,
                 const QString &name = QStringLiteral("sett.name"))
{
    return {stringa, scelta, attivo, name};
}

QString text(const char *latin1) { return QString::fromLatin1(latin1); }

} // namespace

class TestCommandLine : public QObject {
    Q_OBJECT
private slots:
    void build_data();
    void build();
    void failures_data();
    void failures();
    void placement_data();
    void placement();
    void testLaunchIsTheExecutableAlone();
    void shellText_data();
    void shellText();
};

void TestCommandLine::build_data()
{
    QTest::addColumn<QList<ParameterSet>>("sets");
    QTest::addColumn<bool>("amiga");
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("expectedText");
    QTest::addColumn<QStringList>("expectedArguments");

    const ParameterSet display = set(text("-display"), text("1"));
    const ParameterSet a1 = set(text("A"), text("1"));
    const ParameterSet bNoValue = set(text("B"), null);

    QTest::newRow("no sets, type 1: two blanks after the rom")
        << QList<ParameterSet>{} << false << text("1") << exe + " " + romPath + "  " << QStringList{romPath};
    QTest::newRow("no sets, type 2") << QList<ParameterSet>{} << false << text("2") << exe + "   " + romPath
                                     << QStringList{romPath};
    QTest::newRow("no sets, type 3") << QList<ParameterSet>{} << false << text("3") << exe + "  " + romPath
                                     << QStringList{romPath};
    QTest::newRow("-display 1, type 2")
        << QList<ParameterSet>{display} << false << text("2") << exe + "  -display 1  " + romPath
        << QStringList{"-display", "1", romPath};
    QTest::newRow("-display 1, type 1")
        << QList<ParameterSet>{display} << false << text("1") << exe + " " + romPath + "  -display 1 "
        << QStringList{romPath, "-display", "1"};
    QTest::newRow("type 2, A with value, B without")
        << QList<ParameterSet>{a1, bNoValue} << false << text("2") << exe + "  A 1 B  " + romPath
        << QStringList{"A", "1", "B", romPath};
    QTest::newRow("type 3 on other consoles: parameters end with a blank, nothing glued")
        << QList<ParameterSet>{a1, bNoValue} << false << text("3") << exe + "  A 1 B " + romPath
        << QStringList{"A", "1", "B", romPath};
    QTest::newRow("empty value counts: two blanks after the parameter")
        << QList<ParameterSet>{set(text("-x"), text(""))} << false << text("1") << exe + " " + romPath + "  -x  "
        << QStringList{romPath, "-x"};
    QTest::newRow("empty parameter adds only its blanks, type 2")
        << QList<ParameterSet>{set(text(""), text("1"))} << false << text("2") << exe + "   1  " + romPath
        << QStringList{"1", romPath};
    QTest::newRow("empty parameter without value, type 1")
        << QList<ParameterSet>{set(text(""), null), a1} << false << text("1") << exe + " " + romPath + "   A 1 "
        << QStringList{romPath, "A", "1"};
    QTest::newRow("Amiga, empty parameter adds nothing")
        << QList<ParameterSet>{set(text(""), null), bNoValue} << true << text("3") << exe + " B" + romPath
        << QStringList{"B" + romPath};
    QTest::newRow("a value with a blank splits into two arguments")
        << QList<ParameterSet>{set(text("-o"), text("a b"))} << false << text("2") << exe + "  -o a b  " + romPath
        << QStringList{"-o", "a", "b", romPath};
    QTest::newRow("double quotes group a value with blanks and are removed")
        << QList<ParameterSet>{set(text("--config=\"/home/me/my dir/x.ini\""), null),
                               set(text("-o"), text("\"a b\""))}
        << false << text("2") << exe + "  --config=\"/home/me/my dir/x.ini\" -o \"a b\"  " + romPath
        << QStringList{"--config=/home/me/my dir/x.ini", "-o", "a b", romPath};
    QTest::newRow("no expansion: $HOME, ~ and * stay as typed")
        << QList<ParameterSet>{set(text("$HOME"), text("~/*"))} << false << text("1")
        << exe + " " + romPath + "  $HOME ~/* " << QStringList{romPath, "$HOME", "~/*"};
    QTest::newRow("Attivo -1 is not active") << QList<ParameterSet>{set(text("A"), text("1"), -1)} << false
                                             << text("1") << exe + " " + romPath + "  " << QStringList{romPath};
    QTest::newRow("Attivo 0, Null and 2 are not active")
        << QList<ParameterSet>{set(text("A"), null, 0), set(text("B"), null, null), set(text("C"), null, 2)}
        << false << text("2") << exe + "   " + romPath << QStringList{romPath};
    QTest::newRow("Attivo stored as text 1 is active")
        << QList<ParameterSet>{set(text("A"), null, text("1"))} << false << text("2") << exe + "  A  " + romPath
        << QStringList{"A", romPath};
    QTest::newRow("inactive set without parameter is no error")
        << QList<ParameterSet>{set(null, null, 0), a1} << false << text("2") << exe + "  A 1  " + romPath
        << QStringList{"A", "1", romPath};
    QTest::newRow("only active sets, in query order")
        << QList<ParameterSet>{set(text("C"), null), set(text("A"), null, 0), a1} << false << text("2")
        << exe + "  C A 1  " + romPath << QStringList{"C", "A", "1", romPath};

    QTest::newRow("Amiga, type 3: parameters and rom run together in one argument")
        << QList<ParameterSet>{a1, bNoValue} << true << text("3") << exe + " AB" + romPath
        << QStringList{"AB" + romPath};
    QTest::newRow("Amiga, type 3, no sets")
        << QList<ParameterSet>{} << true << text("3") << exe + " " + romPath << QStringList{romPath};
    QTest::newRow("Amiga, type 3: only the piece after the last blank is glued")
        << QList<ParameterSet>{set(text("-c x"), null), set(text("y"), text("ignored"))} << true << text("3")
        << exe + " -c xy" + romPath << QStringList{"-c", "xy" + romPath};
    QTest::newRow("Amiga, type 3: a quoted last word is glued without its quotes")
        << QList<ParameterSet>{set(text("-c \"x y\""), null)} << true << text("3") << exe + " -c \"x y\"" + romPath
        << QStringList{"-c", "x y" + romPath};
    QTest::newRow("Amiga, type 1") << QList<ParameterSet>{a1, bNoValue} << true << text("1")
                                   << exe + " " + romPath + " AB" << QStringList{romPath, "AB"};
    QTest::newRow("Amiga, type 2, no sets")
        << QList<ParameterSet>{} << true << text("2") << exe + "  " + romPath << QStringList{romPath};
}

void TestCommandLine::build()
{
    QFETCH(QList<ParameterSet>, sets);
    QFETCH(bool, amiga);
    QFETCH(QString, type);
    QFETCH(QString, expectedText);
    QFETCH(QStringList, expectedArguments);

    const CommandLine::Result result = CommandLine::build({exe, type, sets, dir, rom, amiga});
    QCOMPARE(result.outcome, Outcome::Start);
    QCOMPARE(result.text, expectedText);
    QCOMPARE(result.launch.program, exe);
    QCOMPARE(result.launch.arguments, expectedArguments);
    QVERIFY(result.error.isEmpty());
}

void TestCommandLine::failures_data()
{
    QTest::addColumn<QList<ParameterSet>>("sets");
    QTest::addColumn<QString>("executable");
    QTest::addColumn<QString>("type");
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<QString>("errorMentions");

    const QList<ParameterSet> none;
    const QList<ParameterSet> nullParameter{set(text("A"), null), set(null, text("1"), 1, text("Joypad"))};

    QTest::newRow("type 0 starts nothing") << none << exe << text("0") << Outcome::Nothing << QString();
    QTest::newRow("type 4 starts nothing") << none << exe << text("4") << Outcome::Nothing << QString();
    QTest::newRow("type -1 starts nothing") << none << exe << text("-1") << Outcome::Nothing << QString();
    QTest::newRow("a huge number starts nothing")
        << none << exe << text("99999999999") << Outcome::Nothing << QString();
    QTest::newRow("type 0 needs no executable") << none << QString() << text("0") << Outcome::Nothing << QString();
    QTest::newRow("empty type") << none << exe << QString() << Outcome::Error << text("Setting mode");
    QTest::newRow("blank type") << none << exe << text(" ") << Outcome::Error << text("Setting mode");
    QTest::newRow("letters") << none << exe << text("abc") << Outcome::Error << text("\"abc\"");
    QTest::newRow("active set with Null parameter")
        << nullParameter << exe << text("1") << Outcome::Error << text("Joypad");
    QTest::newRow("missing parameter fails before the type is looked at")
        << nullParameter << exe << text("0") << Outcome::Error << text("Joypad");
    QTest::newRow("empty executable") << none << QString() << text("1") << Outcome::Error << text("executable");
    QTest::newRow("blank executable") << none << text("  ") << text("3") << Outcome::Error << text("executable");
}

void TestCommandLine::failures()
{
    QFETCH(QList<ParameterSet>, sets);
    QFETCH(QString, executable);
    QFETCH(QString, type);
    QFETCH(Outcome, outcome);
    QFETCH(QString, errorMentions);

    const CommandLine::Result result = CommandLine::build({executable, type, sets, dir, rom, false});
    QCOMPARE(result.outcome, outcome);
    QVERIFY(result.text.isEmpty());
    QVERIFY(result.launch.program.isEmpty());
    QVERIFY(result.launch.arguments.isEmpty());
    if (outcome == Outcome::Error)
        QVERIFY2(result.error.contains(errorMentions), qPrintable(result.error));
}

void TestCommandLine::placement_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<bool>("isNumber");
    QTest::addColumn<Placement>("placement");

    QTest::newRow("1") << text("1") << true << Placement::After;
    QTest::newRow("2") << text("2") << true << Placement::Before;
    QTest::newRow("3") << text("3") << true << Placement::Glued;
    QTest::newRow("leading blank") << text(" 2") << true << Placement::Before;
    QTest::newRow("trailing blank") << text("3 ") << true << Placement::Glued;
    QTest::newRow("2.0") << text("2.0") << true << Placement::Before;
    QTest::newRow("2.5 rounds to even") << text("2.5") << true << Placement::Before;
    QTest::newRow("3.5 rounds to 4") << text("3.5") << true << Placement::Nothing;
    QTest::newRow("0.6 rounds to 1") << text("0.6") << true << Placement::After;
    QTest::newRow("+1") << text("+1") << true << Placement::After;
    QTest::newRow("0") << text("0") << true << Placement::Nothing;
    QTest::newRow("99999999999") << text("99999999999") << true << Placement::Nothing;
    QTest::newRow("empty") << QString() << false << Placement::Nothing;
    QTest::newRow("x") << text("x") << false << Placement::Nothing;
    QTest::newRow("2x") << text("2x") << false << Placement::Nothing;
    QTest::newRow("1 2") << text("1 2") << false << Placement::Nothing;
    QTest::newRow("comma decimal") << text("2,0") << false << Placement::Nothing;
    QTest::newRow("inf") << text("inf") << false << Placement::Nothing;
}

void TestCommandLine::placement()
{
    QFETCH(QString, type);
    QFETCH(bool, isNumber);
    QFETCH(Placement, placement);

    Placement parsed = Placement::Nothing;
    QCOMPARE(CommandLine::parsePlacement(type, &parsed), isNumber);
    if (isNumber)
        QCOMPARE(parsed, placement);
}

void TestCommandLine::testLaunchIsTheExecutableAlone()
{
    const CommandLine::Launch launch = CommandLine::testLaunch(exe);
    QCOMPARE(launch.program, exe);
    QVERIFY(launch.arguments.isEmpty());
}

// The command as the Setting page shows it: a shell given that line runs the same
// program with the same arguments (the end-to-end check is in tst_playtime).
void TestCommandLine::shellText_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("shown");
    QTest::newRow("plain words stay bare")
        << QStringList{text("-display"), text("1"), text("/roms/a.gb")} << text("/emu -display 1 /roms/a.gb");
    QTest::newRow("blanks are quoted") << QStringList{romPath}
                                       << text("/emu '/home/me/Game Boy/games/Super Game (E).gb'");
    QTest::newRow("a single quote is closed, escaped and opened again")
        << QStringList{text("It's")} << text("/emu 'It'\\''s'");
    QTest::newRow("an empty argument is two quotes") << QStringList{QString()} << text("/emu ''");
    QTest::newRow("nothing is expanded")
        << QStringList{text("$HOME"), text("~"), text("*"), text("a\"b")} << text("/emu '$HOME' '~' '*' 'a\"b'");
}

void TestCommandLine::shellText()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, shown);
    QCOMPARE(CommandLine::shellText({text("/emu"), arguments}), shown);
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
