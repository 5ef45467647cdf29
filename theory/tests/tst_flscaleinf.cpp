#include "flScaleInf.h"

#include <QtTest>

#include <algorithm>
#include <array>
#include <initializer_list>

namespace {

using Mask = std::array<int, pitchClassCount>;

Mask maskOf(std::initializer_list<int> ones)
{
    Mask mask {};
    for (const int i : ones)
        mask[i] = 1;
    return mask;
}

QString maskText(const Mask &mask)
{
    QString text;
    for (const int bit : mask)
        text += QString::number(bit);
    return text;
}

// Semitones of one word of a step text, 0 for a word that is no interval.
int semitonesOf(const QString &word)
{
    if (word == QLatin1String("semitone") || word == QLatin1String("semitn"))
        return 1;
    if (word == QLatin1String("tone"))
        return 2;
    if (word == QLatin1String("tone+semitone") || word == QLatin1String("tone+semitn"))
        return 3;
    return 0;
}

} // namespace

class TestFlScaleInf : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Runs first: nothing has built a mask yet.
    void maskIsClearBeforeFirstBuild();
    void stepsWalkOntoTheDegrees_data();
    void stepsWalkOntoTheDegrees();
    void stepTexts_data();
    void stepTexts();
    void laterBuildReplacesEarlier();
    void keyZeroPlacesTheMaskAsItIs_data();
    void keyZeroPlacesTheMaskAsItIs();
    void placesScaleInKey_data();
    void placesScaleInKey();
    void indexOutsideListChangesNothing_data();
    void indexOutsideListChangesNothing();
};

void TestFlScaleInf::maskIsClearBeforeFirstBuild()
{
    QCOMPARE(maskText(scaleMask), maskText(Mask {}));
}

static void addRowPerScale()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < scaleCount; ++i)
        QTest::newRow(scaleNames[i].data()) << i;
}

void TestFlScaleInf::stepsWalkOntoTheDegrees_data()
{
    addRowPerScale();
}

void TestFlScaleInf::stepsWalkOntoTheDegrees()
{
    QFETCH(int, index);
    buildScaleMask(index);
    const QStringList words = QString::fromStdString(scaleSteps(index)).split(QLatin1Char(' '));
    QCOMPARE(words.size(), int(std::count(scaleMask.begin(), scaleMask.end(), 1)));

    // Walk up from the key: every word but the last lands on a degree, the last on the octave.
    Mask walked {};
    walked[0] = 1;
    int position = 0;
    for (const QString &word : words) {
        const int step = semitonesOf(word);
        QVERIFY2(step > 0, qPrintable(QStringLiteral("not an interval: \"%1\"").arg(word)));
        QVERIFY2(position < pitchClassCount, "steps go past the octave");
        walked[position] = 1;
        position += step;
    }
    QCOMPARE(position, pitchClassCount);
    QCOMPARE(maskText(walked), maskText(scaleMask));
}

void TestFlScaleInf::stepTexts_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("steps");

    QTest::newRow("Major") << 0 << "tone tone semitone tone tone tone semitone";
    QTest::newRow("Blues") << 2 << "tone+semitone tone semitone semitone tone+semitone tone";
    QTest::newRow("Hungarian Minor")
        << 7 << "tone semitn tone+semitn semitn semitn tone+semitn semitn";
    QTest::newRow("Enigmatic") << 14 << "semitone tone+semitone tone tone tone semitone semitone";
}

void TestFlScaleInf::stepTexts()
{
    QFETCH(int, index);
    QFETCH(QString, steps);
    QCOMPARE(QString::fromStdString(scaleSteps(index)), steps);
}

void TestFlScaleInf::laterBuildReplacesEarlier()
{
    buildScaleMask(13); // Diminished scale
    buildScaleMask(5);  // Pentatonic
    QCOMPARE(maskText(scaleMask), maskText(maskOf({ 0, 2, 4, 7, 9 })));
}

void TestFlScaleInf::keyZeroPlacesTheMaskAsItIs_data()
{
    addRowPerScale();
}

void TestFlScaleInf::keyZeroPlacesTheMaskAsItIs()
{
    QFETCH(int, index);
    buildScaleMask(index);
    QCOMPARE(maskText(placeScaleInKey(0)), maskText(scaleMask));
}

void TestFlScaleInf::placesScaleInKey_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("placed");

    QTest::newRow("C major") << 0 << 3 << maskText(maskOf({ 0, 2, 3, 5, 7, 8, 10 }));
    QTest::newRow("E pentatonic minor") << 6 << 7 << maskText(maskOf({ 0, 2, 5, 7, 10 }));
    QTest::newRow("A harmonic minor") << 3 << 0 << maskText(maskOf({ 0, 2, 3, 5, 7, 8, 11 }));
    QTest::newRow("G# major wraps") << 0 << 11 << maskText(maskOf({ 11, 1, 3, 4, 6, 8, 10 }));
}

void TestFlScaleInf::placesScaleInKey()
{
    QFETCH(int, index);
    QFETCH(int, key);
    QFETCH(QString, placed);
    buildScaleMask(index);
    QCOMPARE(maskText(placeScaleInKey(key)), placed);
}

void TestFlScaleInf::indexOutsideListChangesNothing_data()
{
    QTest::addColumn<int>("index");
    QTest::newRow("15") << 15;
    QTest::newRow("-1") << -1;
}

void TestFlScaleInf::indexOutsideListChangesNothing()
{
    QFETCH(int, index);
    buildScaleMask(2); // Blues Scale
    const Mask before = scaleMask;
    buildScaleMask(index);
    QCOMPARE(maskText(scaleMask), maskText(before));
    QVERIFY(scaleSteps(index).empty());
}

QTEST_APPLESS_MAIN(TestFlScaleInf)
#include "tst_flscaleinf.moc"
