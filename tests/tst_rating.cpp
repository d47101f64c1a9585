// The one reading of a stored Rating, shared by the list's icon and the record's stars.
#include "shared/rating.h"

#include <QTest>

class TestRating : public QObject {
    Q_OBJECT
private slots:
    void stars_data();
    void stars();
};

void TestRating::stars_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<int>("stars");
    QTest::newRow("null") << QVariant() << 0;
    QTest::newRow("empty text") << QVariant(QStringLiteral("")) << 0;
    QTest::newRow("letters") << QVariant(QStringLiteral("abc")) << 0;
    QTest::newRow("0") << QVariant(0) << 0;
    QTest::newRow("3") << QVariant(3) << 3;
    QTest::newRow("5") << QVariant(5) << 5;
    QTest::newRow("text with blanks") << QVariant(QStringLiteral(" 4 ")) << 4;
    QTest::newRow("2.5 rounds up") << QVariant(2.5) << 3;
    QTest::newRow("text 2.5 rounds up") << QVariant(QStringLiteral("2.5")) << 3;
    QTest::newRow("2.49 rounds down") << QVariant(2.49) << 2;
    QTest::newRow("5.4 is 5") << QVariant(5.4) << 5;
    QTest::newRow("-0.4 is 0") << QVariant(-0.4) << 0;
    QTest::newRow("5.5 is out of range") << QVariant(5.5) << 0;
    QTest::newRow("9") << QVariant(9) << 0;
    QTest::newRow("-1") << QVariant(-1) << 0;
    QTest::newRow("huge") << QVariant(1e300) << 0;
    QTest::newRow("text inf") << QVariant(QStringLiteral("inf")) << 0;
}

void TestRating::stars()
{
    QFETCH(QVariant, stored);
    QFETCH(int, stars);
    QCOMPARE(Rating::stars(stored), stars);
}

QTEST_GUILESS_MAIN(TestRating)
#include "tst_rating.moc"
