#include "flUtils.h"

#include <QtTest>

class TestFlUtils : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void noteToPitchMatchesWholeSharpNames_data();
    void noteToPitchMatchesWholeSharpNames();
    void pitchRoundTrips_data();
    void pitchRoundTrips();
    void pitchToNoteGivesSharpNames_data();
    void pitchToNoteGivesSharpNames();
    void keyDisplayNameGivesKeyNames_data();
    void keyDisplayNameGivesKeyNames();
    void isSharpNameTakesWholeNamesOnly_data();
    void isSharpNameTakesWholeNamesOnly();
};

void TestFlUtils::noteToPitchMatchesWholeSharpNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("pitch");

    QTest::newRow("A") << "A" << 0;
    QTest::newRow("A#") << "A#" << 1;
    QTest::newRow("E") << "E" << 7;
    QTest::newRow("G#") << "G#" << 11;
    // Anything but a whole sharp name falls back to A.
    QTest::newRow("flat name") << "Bb" << 0;
    QTest::newRow("lower-case a") << "a" << 0;
    QTest::newRow("lower-case e") << "e" << 0;
    QTest::newRow("leading blank") << " E" << 0;
    QTest::newRow("trailing blank") << "E " << 0;
    QTest::newRow("key name") << "A#/Bb" << 0;
    QTest::newRow("H") << "H" << 0;
    QTest::newRow("empty") << "" << 0;
}

void TestFlUtils::noteToPitchMatchesWholeSharpNames()
{
    QFETCH(QString, name);
    QFETCH(int, pitch);
    QCOMPARE(noteToPitch(name.toStdString()), pitch);
}

void TestFlUtils::pitchRoundTrips_data()
{
    QTest::addColumn<int>("pitch");
    for (int p = 0; p < pitchClassCount; ++p)
        QTest::addRow("%d", p) << p;
}

void TestFlUtils::pitchRoundTrips()
{
    QFETCH(int, pitch);
    QCOMPARE(noteToPitch(pitchToNote(pitch)), pitch);
}

void TestFlUtils::pitchToNoteGivesSharpNames_data()
{
    QTest::addColumn<int>("pitch");
    QTest::addColumn<QString>("name");

    const char *const names[] = { "A", "A#", "B", "C", "C#", "D", "D#", "E", "F", "F#", "G", "G#" };
    for (int p = 0; p < pitchClassCount; ++p)
        QTest::addRow("%d", p) << p << names[p];
    QTest::newRow("12") << 12 << "X";
    QTest::newRow("-1") << -1 << "X";
}

void TestFlUtils::pitchToNoteGivesSharpNames()
{
    QFETCH(int, pitch);
    QFETCH(QString, name);
    QCOMPARE(QString::fromStdString(pitchToNote(pitch)), name);
}

void TestFlUtils::keyDisplayNameGivesKeyNames_data()
{
    QTest::addColumn<int>("pitch");
    QTest::addColumn<QString>("name");

    // The chord key list shows exactly these, in this order.
    const char *const names[]
        = { "A", "A#/Bb", "B", "C", "C#/Db", "D", "D#/Eb", "E", "F", "F#/Gb", "G", "G#/Ab" };
    for (int p = 0; p < pitchClassCount; ++p)
        QTest::addRow("%d", p) << p << names[p];
    QTest::newRow("12") << 12 << "unknown";
    QTest::newRow("-1") << -1 << "unknown";
}

void TestFlUtils::keyDisplayNameGivesKeyNames()
{
    QFETCH(int, pitch);
    QFETCH(QString, name);
    QCOMPARE(QString::fromStdString(keyDisplayName(pitch)), name);
}

void TestFlUtils::isSharpNameTakesWholeNamesOnly_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("sharp");

    QTest::newRow("A") << "A" << true;
    QTest::newRow("G#") << "G#" << true;
    QTest::newRow("flat name") << "Bb" << false;
    QTest::newRow("lower-case a") << "a" << false;
    QTest::newRow("trailing blank") << "E " << false;
    QTest::newRow("empty") << "" << false;
}

void TestFlUtils::isSharpNameTakesWholeNamesOnly()
{
    QFETCH(QString, name);
    QFETCH(bool, sharp);
    QCOMPARE(isSharpName(name.toStdString()), sharp);
}

QTEST_APPLESS_MAIN(TestFlUtils)
#include "tst_flutils.moc"
