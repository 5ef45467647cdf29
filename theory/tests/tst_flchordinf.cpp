#include "flChordInf.h"

#include <QtTest>

#include <set>

namespace {

constexpr int stringCount = 6;
constexpr int blockLength = 10;
constexpr int positionCount = 3;

// Standard-tuning open pitches in code order, high E first.
constexpr int openPitches[stringCount] = { 7, 2, 10, 5, 0, 7 };
constexpr const char *stringNames[stringCount] = { "high E", "B", "G", "D", "A", "low E" };

constexpr int ninth = 9;
constexpr int minorNinth = 10;
constexpr int augmented = 12;
constexpr int diminished = 13;

QString rowName(int chordType, int key)
{
    return QStringLiteral("\"%1\" in %2")
        .arg(QLatin1String(chordTypeNames[chordType].data()), QLatin1String(keyNames[key].data()));
}

// Fret of a label character, -1 for a character that is no label.
int labelFret(QChar label)
{
    if (label >= QLatin1Char('0') && label <= QLatin1Char('9'))
        return label.unicode() - '0';
    if (label >= QLatin1Char('A') && label <= QLatin1Char('E'))
        return label.unicode() - 'A' + 10;
    return -1;
}

// Semitones above the key of one makeup word, -1 for a word that is no degree.
int degreeSemitones(const QString &word)
{
    static const QHash<QString, int> degrees = {
        { "1st", 0 },
        { "b3rd", 3 },
        { "3rd", 4 },
        { "4th", 5 },
        { "b5th", 6 },
        { "5th", 7 },
        { "#5th", 8 },
        { "6th", 9 },
        { "bb7th", 9 },
        { "b7th", 10 },
        { "7th", 11 },
        { "9th", 2 },
        { "11th", 5 },
        { "13th", 9 },
    };
    return degrees.value(word, -1);
}

QString code(int key, int chordType)
{
    return QString::fromStdString(chordShape(key, chordType));
}

} // namespace

class TestFlChordInf : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void codesAreWellFormed_data();
    void codesAreWellFormed();
    void positionsSoundOnlyTheirChord_data();
    void positionsSoundOnlyTheirChord();
    void keysShareCodesOnlyWhereExpected_data();
    void keysShareCodesOnlyWhereExpected();
    void codesAreDistinctAcrossTypes();
    void spotChecks_data();
    void spotChecks();
    void shapeOutsideTable_data();
    void shapeOutsideTable();
    void makeup_data();
    void makeup();
    void fretLabelTextGivesFretNumbers_data();
    void fretLabelTextGivesFretNumbers();
};

static void addRowPerCode()
{
    QTest::addColumn<int>("chordType");
    QTest::addColumn<int>("key");
    for (int t = 0; t < chordTypeCount; ++t) {
        for (int k = 0; k < pitchClassCount; ++k)
            QTest::newRow(qPrintable(rowName(t, k))) << t << k;
    }
}

void TestFlChordInf::codesAreWellFormed_data()
{
    addRowPerCode();
}

void TestFlChordInf::codesAreWellFormed()
{
    QFETCH(int, chordType);
    QFETCH(int, key);
    const QString row = rowName(chordType, key);
    const QString shape = code(key, chordType);
    QVERIFY2(shape.size() == shapeCodeLength,
        qPrintable(QStringLiteral("%1: %2 characters").arg(row).arg(shape.size())));

    for (int p = 0; p < positionCount; ++p) {
        const QString block = shape.mid(p * blockLength, blockLength);
        const QString where
            = QStringLiteral("%1, position %2 \"%3\"").arg(row).arg(p + 1).arg(block);

        int frets[4];
        for (int c = 0; c < 4; ++c)
            frets[c] = labelFret(block[stringCount + c]);
        QVERIFY2(frets[0] >= 0 && frets[0] <= 11, qPrintable(where + ": first label"));
        QVERIFY2(frets[3] >= 3 && frets[3] <= 14, qPrintable(where + ": last label"));
        for (int c = 1; c < 4; ++c)
            QVERIFY2(frets[c] == frets[0] + c, qPrintable(where + ": labels not consecutive"));

        int sounded = 0;
        for (int s = 0; s < stringCount; ++s) {
            const QChar state = block[s];
            QVERIFY2(state >= QLatin1Char('0') && state <= QLatin1Char('5'),
                qPrintable(QStringLiteral("%1: state of %2 string").arg(where, stringNames[s])));
            const int column = state.unicode() - '0';
            if (column == 5)
                continue;
            ++sounded;
            if (column > 0) {
                const int fret = frets[column - 1];
                QVERIFY2(fret >= 1 && fret <= 14,
                    qPrintable(QStringLiteral("%1: %2 string pressed at fret %3")
                                   .arg(where, stringNames[s])
                                   .arg(fret)));
            }
        }
        QVERIFY2(sounded >= 4,
            qPrintable(QStringLiteral("%1: only %2 strings sound").arg(where).arg(sounded)));
    }
}

void TestFlChordInf::positionsSoundOnlyTheirChord_data()
{
    addRowPerCode();
}

void TestFlChordInf::positionsSoundOnlyTheirChord()
{
    QFETCH(int, chordType);
    QFETCH(int, key);
    const QString row = rowName(chordType, key);

    std::set<int> chordPitches;
    const QString makeupText = QString::fromStdString(chordMakeup(chordType));
    for (const QString &word : makeupText.split(QLatin1Char(' '))) {
        const int semitones = degreeSemitones(word);
        QVERIFY2(
            semitones >= 0, qPrintable(QStringLiteral("%1: makeup word \"%2\"").arg(row, word)));
        chordPitches.insert((key + semitones) % pitchClassCount);
    }

    const QString shape = code(key, chordType);
    QVERIFY2(shape.size() == shapeCodeLength, qPrintable(row + ": wrong length"));
    for (int p = 0; p < positionCount; ++p) {
        const QString block = shape.mid(p * blockLength, blockLength);
        const QString where
            = QStringLiteral("%1, position %2 \"%3\"").arg(row).arg(p + 1).arg(block);
        bool rootSounds = false;
        for (int s = 0; s < stringCount; ++s) {
            const int column = block[s].unicode() - '0';
            if (column < 0 || column >= 5)
                continue;
            const int fret = column == 0 ? 0 : labelFret(block[stringCount + column - 1]);
            const int pitch = (openPitches[s] + fret) % pitchClassCount;
            QVERIFY2(chordPitches.count(pitch) == 1,
                qPrintable(QStringLiteral("%1: %2 string at fret %3 sounds %4, not in \"%5\"")
                               .arg(where, stringNames[s])
                               .arg(fret)
                               .arg(QLatin1String(sharpNames[pitch].data()), makeupText)));
            rootSounds = rootSounds || pitch == key;
        }
        // The ninth chords are often played without their root.
        if (chordType != ninth && chordType != minorNinth)
            QVERIFY2(rootSounds, qPrintable(where + ": root does not sound"));
    }
}

void TestFlChordInf::keysShareCodesOnlyWhereExpected_data()
{
    QTest::addColumn<int>("chordType");
    // One letter per key from A to G#/Ab; keys with the same letter share one code.
    QTest::addColumn<QString>("sharing");

    for (int t = 0; t < chordTypeCount; ++t) {
        QString sharing = QStringLiteral("abcdefghijkl");
        if (t == augmented)
            sharing = QStringLiteral("abcdaecdaecf"); // A C# F, B D# G, C E, D F#
        else if (t == diminished)
            sharing = QStringLiteral("abcdecfghdic"); // B D G#, C F#
        QTest::newRow(chordTypeNames[t].data()) << t << sharing;
    }
}

void TestFlChordInf::keysShareCodesOnlyWhereExpected()
{
    QFETCH(int, chordType);
    QFETCH(QString, sharing);
    for (int k1 = 0; k1 < pitchClassCount; ++k1) {
        for (int k2 = k1 + 1; k2 < pitchClassCount; ++k2) {
            const bool shared = code(k1, chordType) == code(k2, chordType);
            QVERIFY2(shared == (sharing[k1] == sharing[k2]),
                qPrintable(QStringLiteral("%1 and %2 %3")
                               .arg(rowName(chordType, k1), QLatin1String(keyNames[k2].data()),
                                   shared ? "share a code" : "differ")));
        }
    }
}

void TestFlChordInf::codesAreDistinctAcrossTypes()
{
    std::set<std::string> codes;
    for (int t = 0; t < chordTypeCount; ++t) {
        for (int k = 0; k < pitchClassCount; ++k)
            codes.insert(chordShape(k, t));
    }
    // 204 codes less the keys that share within "augmented" (6) and "diminished" (3).
    QCOMPARE(int(codes.size()), 195);
}

void TestFlChordInf::spotChecks_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("chordType");
    QTest::addColumn<QString>("shape");

    QTest::newRow("A major") << 0 << 0 << "022205123411233156781213459ABC";
    QTest::newRow("E minor") << 7 << 1 << "00022012341323553456123310789A";
    QTest::newRow("A 11th") << 0 << 15 << "00000512341123053456121105789A";
    QTest::newRow("A 13th") << 0 << 16 << "11340523453321515678422105BCDE";
    QTest::newRow("A augmented") << 0 << augmented << "5112352345551234ABCD1223559ABC";
    QTest::newRow("D#/Eb diminished") << 6 << diminished << "553243012354243545673232556789";
}

void TestFlChordInf::spotChecks()
{
    QFETCH(int, key);
    QFETCH(int, chordType);
    QFETCH(QString, shape);
    QCOMPARE(code(key, chordType), shape);
}

void TestFlChordInf::shapeOutsideTable_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("chordType");

    QTest::newRow("key 12") << 12 << 0;
    QTest::newRow("key -1") << -1 << 0;
    QTest::newRow("type 17") << 0 << 17;
    QTest::newRow("type -1") << 0 << -1;
}

void TestFlChordInf::shapeOutsideTable()
{
    QFETCH(int, key);
    QFETCH(int, chordType);
    QVERIFY(chordShape(key, chordType).empty());
}

void TestFlChordInf::makeup_data()
{
    QTest::addColumn<int>("chordType");
    QTest::addColumn<QString>("makeup");

    QTest::newRow("major") << 0 << "1st 3rd 5th";
    QTest::newRow("7th diminshed 5th") << 14 << "1st 3rd b5th b7th";
    QTest::newRow("13th") << 16 << "1st 3rd 5th b7th 9th 13th";
    QTest::newRow("17") << 17 << "";
    QTest::newRow("-1") << -1 << "";
}

void TestFlChordInf::makeup()
{
    QFETCH(int, chordType);
    QFETCH(QString, makeup);
    QCOMPARE(QString::fromStdString(chordMakeup(chordType)), makeup);
}

void TestFlChordInf::fretLabelTextGivesFretNumbers_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("text");

    QTest::newRow("A") << "A"
                       << "10";
    QTest::newRow("B") << "B"
                       << "11";
    QTest::newRow("C") << "C"
                       << "12";
    QTest::newRow("D") << "D"
                       << "13";
    QTest::newRow("E") << "E"
                       << "14";
    QTest::newRow("F") << "F"
                       << "XX";
    QTest::newRow("lower-case a") << "a"
                                  << "XX";
    QTest::newRow("digit") << "1"
                           << "XX";
    QTest::newRow("two letters") << "AB"
                                 << "XX";
    QTest::newRow("empty") << ""
                           << "XX";
}

void TestFlChordInf::fretLabelTextGivesFretNumbers()
{
    QFETCH(QString, label);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(fretLabelText(label.toStdString())), text);
}

QTEST_APPLESS_MAIN(TestFlChordInf)
#include "tst_flchordinf.moc"
