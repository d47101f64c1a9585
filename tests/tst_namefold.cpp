// The folded form of names that searching compares: case and accents ignored, the
// letters of other scripts kept as they are. And the set of case-folded file names the rom
// folder scan looks files up in.
#include "frontend/games/namefold.h"
#include "frontend/record/foldednameset.h"

#include <QTest>

class TestNameFold : public QObject {
    Q_OBJECT
private slots:
    void folds_data();
    void folds();
    void searchTextMatchesName_data();
    void searchTextMatchesName();
    void foldedNameSetHoldsWhatWasInserted();
};

void TestNameFold::folds_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("folded");
    QTest::newRow("ASCII") << "Star League 2: The RETURN!"
                           << "star league 2: the return!";
    QTest::newRow("composed accents") << QString::fromUtf8("Stár FOX Écôle Ñandú") << "star fox ecole nandu";
    QTest::newRow("decomposed accents") << QString::fromUtf8("Cafe\u0301 A\u0308") << "cafe a";
    QTest::newRow("ligature and full width") << QString::fromUtf8("ﬁnal Ｓｔａｒ") << "final star";
    QTest::newRow("Greek") << QString::fromUtf8("Άλφα ΩΜΕΓΑ") << QString::fromUtf8("αλφα ωμεγα");
    QTest::newRow("Cyrillic") << QString::fromUtf8("Ёлка ТЕТРИС") << QString::fromUtf8("елка тетрис");
    // Voicing marks and vowel signs are letters' parts there, not accents.
    QTest::newRow("Japanese keeps voicing")
        << QString::fromUtf8("ポケモン ガ") << QString::fromUtf8("ホ\u309Aケモン カ\u3099");
    QTest::newRow("Hindi keeps vowel signs") << QString::fromUtf8("खेल") << QString::fromUtf8("खेल");
    QTest::newRow("outside the BMP") << QString::fromUtf8("Go 🎮 𝐀") << QString::fromUtf8("go 🎮 a");
    QTest::newRow("lone surrogate kept") << QString(QChar(0xD800)) + "X" << QString(QChar(0xD800)) + "x";
    QTest::newRow("empty") << ""
                           << "";
}

void TestNameFold::folds()
{
    QFETCH(QString, name);
    QFETCH(QString, folded);
    QCOMPARE(NameFold::fold(name), folded);
}

void TestNameFold::searchTextMatchesName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("search");
    QTest::addColumn<bool>("matches");
    QTest::newRow("plain in accented") << QString::fromUtf8("Stár Fox") << "star" << true;
    QTest::newRow("accented in plain") << "Star League" << QString::fromUtf8("STÁR") << true;
    QTest::newRow("composed in decomposed")
        << QString::fromUtf8("Cafe\u0301") << QString::fromUtf8("café") << true;
    QTest::newRow("voiced kana") << QString::fromUtf8("ガンダム") << QString::fromUtf8("ガン") << true;
    QTest::newRow("blank counts") << "Mars Tar"
                                  << "star" << false;
    QTest::newRow("different letter") << QString::fromUtf8("Stór") << "star" << false;
}

void TestNameFold::searchTextMatchesName()
{
    QFETCH(QString, name);
    QFETCH(QString, search);
    QFETCH(bool, matches);
    QCOMPARE(NameFold::fold(name).contains(NameFold::fold(search)), matches);
}

// Enough names to make the table grow several times, names that are prefixes of others,
// and the empty name.
void TestNameFold::foldedNameSetHoldsWhatWasInserted()
{
    FoldedNameSet set;
    QCOMPARE(set.contains(u""), false);
    for (int n = 0; n < 5000; ++n)
        set.insert(QString::number(n) + QStringLiteral(".gb"));
    set.insert(u"");
    set.insert(u"7.gb"); // again
    QCOMPARE(set.size(), 5001);
    for (int n = 0; n < 5000; ++n)
        QVERIFY2(set.contains(QString::number(n) + QStringLiteral(".gb")), qPrintable(QString::number(n)));
    QVERIFY(set.contains(u""));
    for (const char16_t *absent : {u"5000.gb", u"7.g", u"7.gbc", u"07.gb", u".gb", u"7.GB"})
        QVERIFY2(!set.contains(absent), qPrintable(QString::fromUtf16(absent)));
}

QTEST_APPLESS_MAIN(TestNameFold)
#include "tst_namefold.moc"
