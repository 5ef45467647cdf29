// The neck as the window builds it: every marker at its string and fret with
// its standard pitch, the strings and their letters, and standard tuning.

#include "FretlarkTesting.h"
#include "Music.h"
#include "NeckGrid.h"

#include <QEvent>
#include <QLabel>
#include <QMap>
#include <QSet>
#include <QTest>

namespace {

// The neck's layout sheet, kept here on its own so that the window is checked
// against it rather than against the table it was built from.
constexpr int openPitch[6] = { 7, 0, 5, 10, 2, 7 };       // low E first
constexpr int rowTop[6] = { 149, 136, 123, 110, 97, 84 }; // low E first
constexpr int fretLeft[23] = { 16, 52, 95, 132, 173, 212, 248, 282, 316, 346, 373, 401, 424, 448,
    469, 488, 504, 521, 538, 554, 569, 584, 598 };
constexpr int fretWidth[23]
    = { 25, 37, 33, 33, 29, 29, 25, 25, 21, 21, 21, 19, 21, 17, 15, 15, 15, 15, 13, 11, 11, 9, 9 };
const char *const sharpName[12]
    = { "A", "As", "B", "C", "Cs", "D", "Ds", "E", "F", "Fs", "G", "Gs" };

// Names by fret, low E string first.
const char *const names[23][6] = {
    { "noteE", "noteA2", "noteD4", "noteG6", "noteB8", "noteE10" },
    { "noteF", "noteAs2", "noteDs4", "noteGs6", "noteC8", "noteF10" },
    { "noteFs", "noteB2", "noteE4", "noteA6", "noteCs8", "noteFs10" },
    { "noteG", "noteC2", "noteF4", "noteAs6", "noteD8", "noteG10" },
    { "noteGs", "noteCs2", "noteFs4", "noteB6", "noteDs8", "noteGs10" },
    { "noteA", "noteD2", "noteG4", "noteC6", "noteE8", "noteA10" },
    { "noteAs", "noteDs2", "noteGs4", "noteCs6", "noteF8", "noteAs10" },
    { "noteB", "noteE2", "NoteA4", "noteD6", "noteFs8", "noteB10" },
    { "noteC", "noteF2", "noteAs4", "noteDs6", "noteG8", "noteC10" },
    { "noteCs", "noteFs2", "noteB4", "noteE6", "noteGs8", "noteCs10" },
    { "noteD", "noteG2", "noteC4", "noteF6", "noteA8", "noteD10" },
    { "noteDs", "noteGs2", "noteCs4", "noteFs6", "noteAs8", "noteDs10" },
    { "noteE1", "noteA3", "noteD5", "noteG7", "noteB9", "noteE11" },
    { "noteF1", "noteAs3", "noteDs5", "noteGs7", "noteC9", "noteF11" },
    { "noteFs1", "noteB3", "noteE5", "noteA7", "noteCs9", "noteFs11" },
    { "noteG1", "noteC3", "noteF5", "noteAs7", "noteD9", "noteG11" },
    { "noteGs1", "noteCs3", "noteFs5", "noteB7", "noteDs9", "noteGs11" },
    { "noteA1", "noteD3", "noteG5", "noteC7", "noteE9", "noteA11" },
    { "noteAs1", "noteDs3", "noteGs5", "noteCs7", "noteF9", "noteAs11" },
    { "noteB1", "noteE3", "noteA5", "noteD7", "noteFs9", "noteB11" },
    { "noteC1", "noteF3", "noteAs5", "noteDs7", "noteG9", "noteC11" },
    { "noteCs1", "noteFs3", "noteB5", "noteE7", "noteGs9", "noteCs11" },
    { "noteD1", "noteG3", "noteC5", "noteF7", "noteA9", "noteD11" },
};

int standardPitch(int string, int fret)
{
    return (openPitch[string] + fret) % 12;
}

QList<TMusic *> neckOf(TfrmGuitar &window)
{
    return window.ui.PanelScale->findChildren<TMusic *>();
}

TMusic *marker(TfrmGuitar &window, const char *name)
{
    return window.findChild<TMusic *>(QLatin1String(name));
}

// Counts the paints a widget receives.
class PaintCounter : public QObject
{
public:
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

} // namespace

class TestNeck : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void markersSitAtTheirStringAndFret_data();
    void markersSitAtTheirStringAndFret();
    void everyPositionHasOneMarkerNamedForItsPitch();
    void fretColumnsAndStringRowsLineUp();
    void pitchGroupsCoverTheNeckOnce();
    void stringsAndLetters_data();
    void stringsAndLetters();
    void drawingOrder();
    void tuneStandardRestoresEveryPitch_data();
    void tuneStandardRestoresEveryPitch();
    void tuneStandardInStandardTuningRefreshesNothing();
};

void TestNeck::markersSitAtTheirStringAndFret_data()
{
    QTest::addColumn<int>("fret");
    for (int fret = 0; fret < 23; ++fret)
        QTest::addRow("fret %d", fret) << fret;
}

void TestNeck::markersSitAtTheirStringAndFret()
{
    QFETCH(int, fret);
    Forms forms;
    TfrmGuitar &window = forms.guitar();
    for (int string = 0; string < 6; ++string) {
        const char *name = names[fret][string];
        TMusic *music = marker(window, name);
        QVERIFY2(music, name);
        QCOMPARE(music->parentWidget(), window.ui.PanelScale);
        QCOMPARE(music->geometry(), QRect(fretLeft[fret], rowTop[string], fretWidth[fret], 9));
        QCOMPARE(music->shape(), TShape::stCircle);
        QCOMPARE(music->Note(), standardPitch(string, fret));
        QCOMPARE(window.neckMarkers[string][fret], music);
        // The window hides every marker as it is created.
        QCOMPARE(music->brushStyle(), TShape::bsClear);
        QCOMPARE(music->penStyle(), TShape::psClear);
    }
}

void TestNeck::everyPositionHasOneMarkerNamedForItsPitch()
{
    Forms forms;
    TfrmGuitar &window = forms.guitar();
    const QList<TMusic *> neck = neckOf(window);
    QCOMPARE(neck.size(), 138);
    QCOMPARE(window.findChildren<TMusic *>().size(), 138);

    QSet<QString> seen;
    int perPitch[12] = {};
    for (TMusic *music : neck) {
        const QString name = music->objectName();
        QVERIFY2(!seen.contains(name), qPrintable(name));
        seen.insert(name);
        // "note" (once "Note"), the sharp name of the pitch with "s" for "#", a running number.
        const QString sharp = QLatin1String(sharpName[music->Note()]);
        QVERIFY2(name.startsWith(QLatin1String("note") + sharp)
                || name.startsWith(QLatin1String("Note") + sharp),
            qPrintable(name));
        const QString number = name.mid(4 + sharp.size());
        bool isNumber = true;
        if (!number.isEmpty())
            number.toInt(&isNumber);
        QVERIFY2(isNumber, qPrintable(name));
        ++perPitch[music->Note()];
    }
    QCOMPARE(QList<int>(std::begin(perPitch), std::end(perPitch)),
        QList<int>({ 12, 11, 12, 12, 11, 12, 10, 12, 12, 11, 12, 11 }));
    QCOMPARE(marker(window, "noteCs4")->Note(), 4);
    QVERIFY(!marker(window, "noteA4"));
}

void TestNeck::fretColumnsAndStringRowsLineUp()
{
    Forms forms;
    TfrmGuitar &window = forms.guitar();
    for (int fret = 0; fret < 23; ++fret) {
        const TMusic *lowest = window.neckMarkers[0][fret];
        for (int string = 1; string < 6; ++string) {
            const TMusic *music = window.neckMarkers[string][fret];
            QCOMPARE(music->x(), lowest->x());
            QCOMPARE(music->width(), lowest->width());
            QCOMPARE(music->y(), window.neckMarkers[string][0]->y());
            // Higher strings lie higher on screen.
            QVERIFY(music->y() < window.neckMarkers[string - 1][fret]->y());
        }
        if (fret > 0) // frets run left to right without overlapping
            QVERIFY(lowest->x() >= window.neckMarkers[0][fret - 1]->geometry().right());
    }
}

void TestNeck::pitchGroupsCoverTheNeckOnce()
{
    Forms forms;
    TfrmGuitar &window = forms.guitar();
    QSet<QString> covered;
    for (int pitch = 0; pitch < 12; ++pitch) {
        int previousString = -1;
        int previousFret = -1;
        int size = 0;
        for (std::string_view entry : pitchGroupNames[pitch]) {
            if (entry.empty())
                break;
            ++size;
            const QString name = QString::fromLatin1(entry.data(), qsizetype(entry.size()));
            TMusic *music = window.findChild<TMusic *>(name);
            QVERIFY2(music, qPrintable(name));
            QCOMPARE(music->Note(), pitch);
            QVERIFY2(!covered.contains(name), qPrintable(name));
            covered.insert(name);
            // Low E string first, and by fret within a string.
            int string = 0;
            int fret = 0;
            for (int s = 0; s < 6; ++s)
                for (int f = 0; f < 23; ++f)
                    if (name == QLatin1String(names[f][s])) {
                        string = s;
                        fret = f;
                    }
            QVERIFY2(string > previousString || (string == previousString && fret > previousFret),
                qPrintable(name));
            previousString = string;
            previousFret = fret;
        }
        int markersOfPitch = 0;
        for (TMusic *music : neckOf(window))
            markersOfPitch += music->Note() == pitch;
        QCOMPARE(size, markersOfPitch);
    }
    QCOMPARE(covered.size(), 138);
}

void TestNeck::stringsAndLetters_data()
{
    QTest::addColumn<QString>("bar");
    QTest::addColumn<QRect>("barGeometry");
    QTest::addColumn<QString>("letter");
    QTest::addColumn<QPoint>("letterPlace");
    QTest::addColumn<QString>("caption");
    QTest::newRow("low E") << "EString" << QRect(10, 152, 605, 4) << "LabelE" << QPoint(2, 148)
                           << "E";
    QTest::newRow("A") << "AString" << QRect(10, 140, 605, 3) << "LabelA" << QPoint(2, 134) << "A";
    QTest::newRow("D") << "DString" << QRect(10, 126, 605, 3) << "LabelD" << QPoint(2, 120) << "D";
    QTest::newRow("G") << "GString" << QRect(10, 113, 605, 3) << "LabelG" << QPoint(2, 106) << "G";
    QTest::newRow("B") << "BString" << QRect(10, 101, 605, 2) << "LabelB" << QPoint(2, 92) << "B";
    QTest::newRow("high E") << "EStringHigh" << QRect(10, 88, 605, 2) << "LabelE2" << QPoint(2, 78)
                            << "E";
}

void TestNeck::stringsAndLetters()
{
    QFETCH(QString, bar);
    QFETCH(QRect, barGeometry);
    QFETCH(QString, letter);
    QFETCH(QPoint, letterPlace);
    QFETCH(QString, caption);
    Forms forms;
    TfrmGuitar &window = forms.guitar();

    auto *string = window.ui.PanelScale->findChild<TShape *>(bar);
    QVERIFY(string);
    QCOMPARE(string->geometry(), barGeometry);
    QCOMPARE(string->shape(), TShape::stRectangle);
    QCOMPARE(string->brushStyle(), TShape::bsSolid);
    QCOMPARE(string->brushColor(), QColor(192, 192, 192));
    QCOMPARE(string->penStyle(), TShape::psClear);

    auto *label = window.ui.PanelScale->findChild<QLabel *>(letter);
    QVERIFY(label);
    QCOMPARE(label->pos(), letterPlace);
    QCOMPARE(label->height(), 16);
    QCOMPARE(label->text(), caption);
    QCOMPARE(label->font().pixelSize(), 13);
    QVERIFY(label->font().bold());
    QCOMPARE(label->palette().color(QPalette::WindowText), QColor(0, 0, 128));
}

void TestNeck::drawingOrder()
{
    Forms forms;
    TfrmGuitar &window = forms.guitar();
    // Children of a widget are drawn in list order, the last on top.
    const QObjectList layers = window.ui.PanelScale->children();
    auto layer = [&](const char *name) {
        return layers.indexOf(window.ui.PanelScale->findChild<QObject *>(QLatin1String(name)));
    };
    const char *const bottomToTop[] = { "imgGuitar", "EString", "AString", "DString", "GString",
        "BString", "EStringHigh", "LabelE", "LabelA", "LabelD", "LabelG", "LabelB", "LabelE2" };
    for (std::size_t i = 1; i < std::size(bottomToTop); ++i)
        QVERIFY2(layer(bottomToTop[i - 1]) < layer(bottomToTop[i]), bottomToTop[i]);

    int lowestMarker = int(layers.size());
    int highestMarker = -1;
    for (TMusic *music : neckOf(window)) {
        lowestMarker = std::min(lowestMarker, int(layers.indexOf(music)));
        highestMarker = std::max(highestMarker, int(layers.indexOf(music)));
    }
    QVERIFY(layer("LabelE2") < lowestMarker);
    for (const char *control : { "Label11", "GroupBox1", "GroupBox2", "GroupBox3", "Label7",
             "Edit2", "btnClearFrets", "Shape4", "Label8", "Shape6", "Label10" })
        QVERIFY2(highestMarker < layer(control), control);
}

void TestNeck::tuneStandardRestoresEveryPitch_data()
{
    QTest::addColumn<QList<int>>("offsets"); // per string, low E first
    QTest::newRow("drop D") << QList<int> { -2, 0, 0, 0, 0, 0 };
    QTest::newRow("open G") << QList<int> { -2, -2, 0, 0, 1, -2 };
    QTest::newRow("all up a fifth") << QList<int> { 7, 7, 7, 7, 7, 7 };
    QTest::newRow("far round") << QList<int> { -13, 25, 11, -11, 6, -6 };
}

void TestNeck::tuneStandardRestoresEveryPitch()
{
    QFETCH(QList<int>, offsets);
    Forms forms;
    TfrmGuitar &window = forms.guitar();
    choose(window.ui.cmbScales, QStringLiteral("Major (Ionian mode)"));
    doubleClick(marker(window, "noteC"));
    QMap<QString, QColor> shown;
    for (TMusic *music : neckOf(window))
        if (music->brushStyle() == TShape::bsSolid)
            shown.insert(music->objectName(), music->brushColor());
    QCOMPARE(shown.size(), 84);

    window.tuneAltE(offsets[0]);
    window.tuneAltA(offsets[1]);
    window.tuneAltD(offsets[2]);
    window.tuneAltG(offsets[3]);
    window.tuneAltB(offsets[4]);
    window.tuneAltE2(offsets[5]);
    const QList<QLabel *> letters = { window.ui.LabelE, window.ui.LabelA, window.ui.LabelD,
        window.ui.LabelG, window.ui.LabelB, window.ui.LabelE2 };
    for (QLabel *letter : letters)
        letter->setText(QStringLiteral("X"));
    window.ui.fldTuning->setText(QStringLiteral("somewhere else"));
    int retuned = 0;
    for (int string = 0; string < 6; ++string)
        for (int fret = 0; fret < 23; ++fret)
            retuned += window.neckMarkers[string][fret]->Note() != standardPitch(string, fret);
    QVERIFY(retuned > 0);

    window.tuneStandard();

    for (int string = 0; string < 6; ++string)
        for (int fret = 0; fret < 23; ++fret)
            QCOMPARE(marker(window, names[fret][string])->Note(), standardPitch(string, fret));
    QStringList captions;
    for (QLabel *letter : letters)
        captions << letter->text();
    QCOMPARE(captions, QStringList({ "E", "A", "D", "G", "B", "E" }));
    QCOMPARE(window.ui.fldTuning->text(), QStringLiteral("standard"));
    // The scale still lit stays lit where it was.
    QMap<QString, QColor> stillShown;
    for (TMusic *music : neckOf(window))
        if (music->brushStyle() == TShape::bsSolid)
            stillShown.insert(music->objectName(), music->brushColor());
    QCOMPARE(stillShown, shown);
}

void TestNeck::tuneStandardInStandardTuningRefreshesNothing()
{
    Forms forms;
    TfrmGuitar &window = forms.guitar();
    QCoreApplication::processEvents();
    TMusic *watched = marker(window, "noteCs4");
    PaintCounter counter;
    watched->installEventFilter(&counter);

    watched->update(); // a repaint is now pending
    window.tuneStandard();
    QCOMPARE(counter.paints, 0);
    QCOMPARE(watched->Note(), 4);

    // Once a pitch has changed, putting it back refreshes the neck at once.
    window.tuneAltD(3);
    QCOMPARE(counter.paints, 0);
    watched->update();
    window.tuneStandard();
    QVERIFY(counter.paints > 0);
    QCOMPARE(watched->Note(), 4);
}

QTEST_MAIN(TestNeck)
#include "tst_neck.moc"
