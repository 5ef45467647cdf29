// The chord diagrams as the user works them: choose a key and a chord type,
// press Show Chords or Clear Chords, and read the diagrams, boxes and fields.

#include "FretlarkTesting.h"
#include "Music.h"
#include "flChordInf.h"

#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

constexpr int positionCount = 3;
constexpr int rowCount = 6;
constexpr int columnCount = 5;

// Where a diagram's markers sit in their panel: square left of the grid, then
// one dot per fret column, on each string row.
constexpr int columnLefts[columnCount] = { 2, 21, 40, 59, 78 };
constexpr int squareTops[rowCount] = { 12, 26, 39, 52, 65, 78 };
constexpr int dotTops[rowCount] = { 13, 26, 39, 52, 66, 78 };
constexpr int boxLefts[4] = { 17, 36, 56, 76 };

const QString noSelection = QStringLiteral("Please select a key/chord type first!");

QString markerName(int position, int row, int column)
{
    return QStringLiteral("chord%1%2%3").arg(position + 1).arg(row + 1).arg(column);
}

TNote *chordMarker(TfrmGuitar &guitar, int position, int row, int column)
{
    return guitar.findChild<TNote *>(markerName(position, row, column));
}

QLineEdit *fretBox(TfrmGuitar &guitar, int position, int column)
{
    return guitar.findChild<QLineEdit *>(
        QStringLiteral("c%1f%2").arg(position + 1).arg(column + 1));
}

QWidget *diagramPanel(TfrmGuitar &guitar, int position)
{
    QWidget *const panels[positionCount] = { guitar.ui.Panel2, guitar.ui.Panel5, guitar.ui.Panel3 };
    return panels[position];
}

// '.' hidden, 'W' white, 'B' black, 'N' navy, '?' anything else.
char lookOf(const TShape &marker)
{
    if (marker.brushStyle() == TShape::bsClear && marker.penStyle() == TShape::psClear)
        return '.';
    if (marker.brushStyle() != TShape::bsSolid || marker.penStyle() != TShape::psSolid)
        return '?';
    if (marker.brushColor() == QColor(Qt::white))
        return 'W';
    if (marker.brushColor() == QColor(Qt::black))
        return 'B';
    if (marker.brushColor() == markerNavy)
        return 'N';
    return '?';
}

// The diagrams as the user sees them: one text per string row, "P<n> <row>: "
// and the looks of the square and the four dots.
QStringList diagrams(TfrmGuitar &guitar)
{
    QStringList rows;
    for (int position = 0; position < positionCount; ++position) {
        for (int row = 0; row < rowCount; ++row) {
            QString looks;
            for (int column = 0; column < columnCount; ++column)
                looks += QLatin1Char(lookOf(*chordMarker(guitar, position, row, column)));
            rows << QStringLiteral("P%1 %2: %3").arg(position + 1).arg(row + 1).arg(looks);
        }
    }
    return rows;
}

// What a shape code should light: open strings as white squares, muted ones as
// black squares, fingers as white dots in their column.
QStringList expectedDiagrams(const std::string &code)
{
    QStringList rows;
    for (int position = 0; position < positionCount; ++position) {
        for (int row = 0; row < rowCount; ++row) {
            QString looks(columnCount, QLatin1Char('.'));
            const char state = code.at(std::size_t(position * 10 + row));
            if (state == '0')
                looks[0] = QLatin1Char('W');
            else if (state >= '1' && state <= '4')
                looks[state - '0'] = QLatin1Char('W');
            else if (state == '5')
                looks[0] = QLatin1Char('B');
            rows << QStringLiteral("P%1 %2: %3").arg(position + 1).arg(row + 1).arg(looks);
        }
    }
    return rows;
}

QStringList boxTexts(TfrmGuitar &guitar)
{
    QStringList texts;
    for (int position = 0; position < positionCount; ++position) {
        for (int column = 0; column < 4; ++column)
            texts << fretBox(guitar, position, column)->text();
    }
    return texts;
}

QStringList expectedBoxes(const std::string &code)
{
    QStringList texts;
    for (int position = 0; position < positionCount; ++position) {
        for (int column = 0; column < 4; ++column) {
            const char label = code.at(std::size_t(position * 10 + 6 + column));
            texts << (label >= 'A' ? QString::number(label - 'A' + 10) : QString(QChar(label)));
        }
    }
    return texts;
}

QString neckLooks(TfrmGuitar &guitar)
{
    QString looks;
    for (const auto &string : guitar.neckMarkers) {
        for (TMusic *marker : string)
            looks += QLatin1Char(lookOf(*marker));
    }
    return looks;
}

// Everything a failed Show Chords must leave as it was.
QStringList windowState(TfrmGuitar &guitar)
{
    QStringList state = diagrams(guitar);
    state << boxTexts(guitar);
    state << QStringLiteral("name ") + guitar.ui.fldChordName->text()
          << QStringLiteral("makeup ") + guitar.ui.txtMakeup->text()
          << QStringLiteral("key field ") + guitar.ui.fldKey->text()
          << QStringLiteral("steps ") + guitar.ui.Edit2->text()
          << QStringLiteral("neck ") + neckLooks(guitar);
    return state;
}

// The chord area as the user sees it, with the markers' pitches.
QStringList chordArea(TfrmGuitar &guitar)
{
    QStringList state = diagrams(guitar);
    state << boxTexts(guitar);
    state << QStringLiteral("name ") + guitar.ui.fldChordName->text()
          << QStringLiteral("makeup ") + guitar.ui.txtMakeup->text();
    QString letters;
    for (QLabel *label : { guitar.ui.Label1, guitar.ui.Label2, guitar.ui.Label3, guitar.ui.Label4,
             guitar.ui.Label5, guitar.ui.Label6 })
        letters += label->text();
    state << QStringLiteral("letters ") + letters;
    QString notes;
    for (TNote *marker : guitar.findChildren<TNote *>())
        notes += QString::number(marker->Note());
    state << QStringLiteral("notes ") + notes;
    return state;
}

void click(QPushButton *button)
{
    QTest::mouseClick(button, Qt::LeftButton);
}

void showChord(TfrmGuitar &guitar, const QString &key, const QString &type)
{
    choose(guitar.ui.cmbChordKey, key);
    choose(guitar.ui.cmbChordType, type);
    click(guitar.ui.btnShowChord);
}

// Lights the neck with a scale, so the key field and the step text are filled.
void showScaleOnNeck(TfrmGuitar &guitar)
{
    choose(guitar.ui.cmbScales, 0);
    doubleClick(guitar.neckMarkers[0][8]);
}

} // namespace

class TestChordDiagrams : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void markersAtStart();
    void aMajorDrawsTheWorkedExample();
    void fretNumbers_data();
    void fretNumbers();
    void secondChordHidesTheFirst();
    void squareChangesColourWithTheNextChord_data();
    void squareChangesColourWithTheNextChord();
    void missingSelectionChangesNothing_data();
    void missingSelectionChangesNothing();
    void clearChordsKeepsMakeupAndSelections();
    void keyFieldEmptiedNeckKept_data();
    void keyFieldEmptiedNeckKept();
    void typedChordNameIsOverwritten_data();
    void typedChordNameIsOverwritten();
    void everyChordMatchesItsCode();
    void retuningLeavesTheChordArea();
    void diagramAsPainted();
};

void TestChordDiagrams::markersAtStart()
{
    Forms forms;
    TfrmGuitar &guitar = forms.guitar();
    QCOMPARE(guitar.findChildren<TNote *>().size(), 90);
    for (int position = 0; position < positionCount; ++position) {
        for (int row = 0; row < rowCount; ++row) {
            for (int column = 0; column < columnCount; ++column) {
                const QString name = markerName(position, row, column);
                TNote *marker = chordMarker(guitar, position, row, column);
                QVERIFY2(marker, qPrintable(name));
                QVERIFY2(
                    marker->parentWidget() == diagramPanel(guitar, position), qPrintable(name));
                const int top = column == 0 ? squareTops[row] : dotTops[row];
                QCOMPARE(marker->geometry(), QRect(columnLefts[column], top, 13, 9));
                QCOMPARE(marker->shape(), column == 0 ? TShape::stRoundSquare : TShape::stCircle);
                QVERIFY2(lookOf(*marker) == '.', qPrintable(name));
                QCOMPARE(marker->Note(), 0);
            }
        }
        for (int column = 0; column < 4; ++column) {
            QLineEdit *box = fretBox(guitar, position, column);
            QVERIFY(box);
            QCOMPARE(box->parentWidget(), diagramPanel(guitar, position));
            QCOMPARE(box->geometry(), QRect(boxLefts[column], 96, 20, 21));
            QVERIFY(box->isReadOnly());
            QVERIFY(box->text().isEmpty());
        }
    }
    QVERIFY(guitar.ui.fldChordName->text().isEmpty());
    QVERIFY(guitar.ui.txtMakeup->text().isEmpty());
    QCOMPARE(guitar.ui.cmbChordKey->currentIndex(), -1);
    QCOMPARE(guitar.ui.cmbChordType->currentIndex(), -1);
}

void TestChordDiagrams::aMajorDrawsTheWorkedExample()
{
    Forms forms;
    TfrmGuitar &guitar = forms.guitar();
    showChord(guitar, QStringLiteral("A"), QStringLiteral("major"));

    // x 0 2 2 2 0, 5 7 7 6 5 5 and x 12 11 9 10 9, high E on top.
    const QStringList expected = {
        QStringLiteral("P1 1: W...."),
        QStringLiteral("P1 2: ..W.."),
        QStringLiteral("P1 3: ..W.."),
        QStringLiteral("P1 4: ..W.."),
        QStringLiteral("P1 5: W...."),
        QStringLiteral("P1 6: B...."),
        QStringLiteral("P2 1: .W..."),
        QStringLiteral("P2 2: .W..."),
        QStringLiteral("P2 3: ..W.."),
        QStringLiteral("P2 4: ...W."),
        QStringLiteral("P2 5: ...W."),
        QStringLiteral("P2 6: .W..."),
        QStringLiteral("P3 1: .W..."),
        QStringLiteral("P3 2: ..W.."),
        QStringLiteral("P3 3: .W..."),
        QStringLiteral("P3 4: ...W."),
        QStringLiteral("P3 5: ....W"),
        QStringLiteral("P3 6: B...."),
    };
    QCOMPARE(diagrams(guitar), expected);
    QCOMPARE(boxTexts(guitar),
        QStringList({ "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12" }));
    QCOMPARE(guitar.ui.fldChordName->text(), QStringLiteral("A major"));
    QCOMPARE(guitar.ui.txtMakeup->text(), QStringLiteral("1st 3rd 5th"));
}

void TestChordDiagrams::fretNumbers_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("type");
    QTest::addColumn<QStringList>("boxes");
    QTest::newRow("labels from fret 0")
        << "D#/Eb"
        << "diminished"
        << QStringList { "0", "1", "2", "3", "4", "5", "6", "7", "6", "7", "8", "9" };
    QTest::newRow("letters up to 14")
        << "E"
        << "7th diminshed 5th"
        << QStringList { "1", "2", "3", "4", "6", "7", "8", "9", "11", "12", "13", "14" };
}

void TestChordDiagrams::fretNumbers()
{
    QFETCH(QString, key);
    QFETCH(QString, type);
    QFETCH(QStringList, boxes);
    Forms forms;
    showChord(forms.guitar(), key, type);
    QCOMPARE(boxTexts(forms.guitar()), boxes);
    QCOMPARE(forms.guitar().ui.fldChordName->text(), key + QLatin1Char(' ') + type);
}

void TestChordDiagrams::secondChordHidesTheFirst()
{
    Forms forms;
    TfrmGuitar &guitar = forms.guitar();
    showChord(guitar, QStringLiteral("A"), QStringLiteral("major"));
    const QStringList first = diagrams(guitar);
    const QStringList second = expectedDiagrams(chordShape(7, 1));
    QVERIFY(first != second);

    showChord(guitar, QStringLiteral("E"), QStringLiteral("minor"));
    QCOMPARE(diagrams(guitar), second);
}

void TestChordDiagrams::squareChangesColourWithTheNextChord_data()
{
    QTest::addColumn<QString>("firstKey");
    QTest::addColumn<QString>("nextKey");
    QTest::addColumn<char>("firstLook");
    QTest::addColumn<char>("nextLook");
    // Low E of position 1: muted in A major, open in E major.
    QTest::newRow("muted then open") << "A"
                                     << "E" << 'B' << 'W';
    QTest::newRow("open then muted") << "E"
                                     << "A" << 'W' << 'B';
}

void TestChordDiagrams::squareChangesColourWithTheNextChord()
{
    QFETCH(QString, firstKey);
    QFETCH(QString, nextKey);
    QFETCH(char, firstLook);
    QFETCH(char, nextLook);
    Forms forms;
    TfrmGuitar &guitar = forms.guitar();
    TNote *lowE = chordMarker(guitar, 0, 5, 0);
    showChord(guitar, firstKey, QStringLiteral("major"));
    QCOMPARE(lookOf(*lowE), firstLook);
    showChord(guitar, nextKey, QStringLiteral("major"));
    QCOMPARE(lookOf(*lowE), nextLook);
}

void TestChordDiagrams::missingSelectionChangesNothing_data()
{
    QTest::addColumn<bool>("keyChosen");
    QTest::addColumn<bool>("typeChosen");
    QTest::newRow("neither") << false << false;
    QTest::newRow("key only") << true << false;
    QTest::newRow("type only") << false << true;
}

void TestChordDiagrams::missingSelectionChangesNothing()
{
    QFETCH(bool, keyChosen);
    QFETCH(bool, typeChosen);
    Forms forms;
    TfrmGuitar &guitar = forms.guitar();
    showChord(guitar, QStringLiteral("A"), QStringLiteral("major"));
    showScaleOnNeck(guitar);
    QVERIFY(!guitar.ui.fldKey->text().isEmpty());
    if (!keyChosen)
        choose(guitar.ui.cmbChordKey, -1);
    if (!typeChosen)
        choose(guitar.ui.cmbChordType, -1);
    const QStringList before = windowState(guitar);

    QCOMPARE(acceptMessageBox([&] { click(guitar.ui.btnShowChord); }), noSelection);
    QCOMPARE(windowState(guitar), before);
}

void TestChordDiagrams::clearChordsKeepsMakeupAndSelections()
{
    Forms forms;
    TfrmGuitar &guitar = forms.guitar();
    showChord(guitar, QStringLiteral("C#/Db"), QStringLiteral("minor 7th"));
    QCOMPARE(guitar.ui.fldChordName->text(), QStringLiteral("C#/Db minor 7th"));

    click(guitar.ui.btnClearChords);
    for (const QString &row : diagrams(guitar))
        QVERIFY2(row.endsWith(QLatin1String(": .....")), qPrintable(row));
    QCOMPARE(boxTexts(guitar), QStringList(12, QString()));
    QVERIFY(guitar.ui.fldChordName->text().isEmpty());
    QCOMPARE(guitar.ui.txtMakeup->text(), QStringLiteral("1st b3rd 5th b7th"));
    QCOMPARE(guitar.ui.cmbChordKey->currentText(), QStringLiteral("C#/Db"));
    QCOMPARE(guitar.ui.cmbChordType->currentText(), QStringLiteral("minor 7th"));
}

void TestChordDiagrams::keyFieldEmptiedNeckKept_data()
{
    QTest::addColumn<QString>("button");
    QTest::newRow("Clear Chords") << "btnClearChords";
    QTest::newRow("Show Chords") << "btnShowChord";
}

void TestChordDiagrams::keyFieldEmptiedNeckKept()
{
    QFETCH(QString, button);
    Forms forms;
    TfrmGuitar &guitar = forms.guitar();
    choose(guitar.ui.cmbChordKey, QStringLiteral("G"));
    choose(guitar.ui.cmbChordType, QStringLiteral("7th"));
    showScaleOnNeck(guitar);
    const QString neck = neckLooks(guitar);
    const QString steps = guitar.ui.Edit2->text();
    QCOMPARE(guitar.ui.fldKey->text(), QStringLiteral("C"));
    QVERIFY(neck.contains(QLatin1Char('W')) && neck.contains(QLatin1Char('N')));
    QVERIFY(!steps.isEmpty());

    click(guitar.findChild<QPushButton *>(button));
    QVERIFY(guitar.ui.fldKey->text().isEmpty());
    QCOMPARE(neckLooks(guitar), neck);
    QCOMPARE(guitar.ui.Edit2->text(), steps);
}

void TestChordDiagrams::typedChordNameIsOverwritten_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("name");
    QTest::newRow("Show Chords") << "btnShowChord"
                                 << "G 7th";
    QTest::newRow("Clear Chords") << "btnClearChords"
                                  << "";
}

void TestChordDiagrams::typedChordNameIsOverwritten()
{
    QFETCH(QString, button);
    QFETCH(QString, name);
    Forms forms;
    TfrmGuitar &guitar = forms.guitar();
    choose(guitar.ui.cmbChordKey, QStringLiteral("G"));
    choose(guitar.ui.cmbChordType, QStringLiteral("7th"));
    QTest::keyClicks(guitar.ui.fldChordName, QStringLiteral("my chord"));
    QCOMPARE(guitar.ui.fldChordName->text(), QStringLiteral("my chord"));

    click(guitar.findChild<QPushButton *>(button));
    QCOMPARE(guitar.ui.fldChordName->text(), name);
}

void TestChordDiagrams::everyChordMatchesItsCode()
{
    Forms forms;
    TfrmGuitar &guitar = forms.guitar();
    QCOMPARE(guitar.ui.cmbChordType->count(), chordTypeCount);
    QCOMPARE(guitar.ui.cmbChordKey->count(), 12);
    for (int type = 0; type < chordTypeCount; ++type) {
        for (int key = 0; key < 12; ++key) {
            choose(guitar.ui.cmbChordType, type);
            choose(guitar.ui.cmbChordKey, key);
            click(guitar.ui.btnShowChord);
            const QString chord = guitar.ui.cmbChordKey->itemText(key) + QLatin1Char(' ')
                + guitar.ui.cmbChordType->itemText(type);
            const std::string code = chordShape(key, type);
            QVERIFY2(code.size() == 30, qPrintable(chord));

            const QStringList shown = diagrams(guitar);
            const QStringList expected = expectedDiagrams(code);
            for (int row = 0; row < shown.size(); ++row) {
                const QString message = chord + QStringLiteral(", ") + shown[row];
                const QString looks = shown[row].section(QLatin1Char(' '), -1);
                QVERIFY2(looks.count(QLatin1Char('.')) >= columnCount - 1, qPrintable(message));
                QVERIFY2(shown[row] == expected[row],
                    qPrintable(message + QStringLiteral(", expected ") + expected[row]));
            }
            QVERIFY2(boxTexts(guitar) == expectedBoxes(code),
                qPrintable(chord + QStringLiteral(": ") + boxTexts(guitar).join(' ')));
            QVERIFY2(guitar.ui.fldChordName->text() == chord, qPrintable(chord));
            QVERIFY2(guitar.ui.txtMakeup->text() == QString::fromStdString(chordMakeup(type)),
                qPrintable(chord));
        }
    }
}

void TestChordDiagrams::retuningLeavesTheChordArea()
{
    Forms forms;
    TfrmGuitar &guitar = forms.guitar();
    showChord(guitar, QStringLiteral("A"), QStringLiteral("major"));
    const QStringList shown = chordArea(guitar);
    QVERIFY(shown.contains(QStringLiteral("letters EBGDAE")));

    // Drop D: the low E string down a tone.
    const bool retuned = whileModal([&] { click(guitar.ui.Button1); },
        [](QWidget *dialog) {
            auto *retune = qobject_cast<TfrmRetune *>(dialog);
            if (!retune) {
                dialog->close();
                return;
            }
            choose(retune->ui.ComboBox6, QStringLiteral("D"));
            click(retune->ui.btnRetune);
        });
    QVERIFY(retuned);
    QCOMPARE(guitar.ui.fldTuning->text(), QStringLiteral("D A D G B E"));
    QCOMPARE(chordArea(guitar), shown);

    click(guitar.ui.btnShowChord);
    QCOMPARE(chordArea(guitar), shown);

    click(guitar.ui.Button2);
    QCOMPARE(guitar.ui.fldTuning->text(), QStringLiteral("standard"));
    QCOMPARE(chordArea(guitar), shown);
}

void TestChordDiagrams::diagramAsPainted()
{
    Forms forms;
    TfrmGuitar &guitar = forms.guitar();
    showChord(guitar, QStringLiteral("A"), QStringLiteral("major"));
    const QImage panel = guitar.ui.Panel2->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage grid
        = QImage(QStringLiteral(":/chord_grid.png")).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(grid.size(), QSize(79, 91));
    // The picture stands centred in its 81 x 93 control at 16, 4.
    const QPoint gridOrigin(17, 5);
    const auto gridAt = [&](QPoint inPanel) { return grid.pixel(inPanel - gridOrigin); };
    const QRgb white = qRgb(255, 255, 255);
    const QRgb black = qRgb(0, 0, 0);

    // High E open: a white square with a black outline left of the grid.
    QCOMPARE(panel.pixel(8, 16), white);
    QCOMPARE(panel.pixel(4, 16), black);
    // Low E muted: a black square.
    QCOMPARE(panel.pixel(8, 82), black);
    // B at fret 2: a white dot on its string, the grid showing round it.
    const QPoint dot(40, 26);
    QCOMPARE(panel.pixel(dot + QPoint(6, 4)), white);
    QCOMPARE(panel.pixel(dot + QPoint(2, 4)), black);
    QCOMPARE(panel.pixel(dot), gridAt(dot));
    // The hidden dots either side draw nothing over the grid.
    for (const QPoint hidden : { QPoint(21, 26), QPoint(59, 26) }) {
        for (int y = 0; y < 9; ++y) {
            for (int x = 0; x < 13; ++x) {
                const QPoint at = hidden + QPoint(x, y);
                QVERIFY2(panel.pixel(at) == gridAt(at),
                    qPrintable(QStringLiteral("at %1, %2").arg(at.x()).arg(at.y())));
            }
        }
    }
}

QTEST_MAIN(TestChordDiagrams)
#include "tst_chorddiagrams.moc"
