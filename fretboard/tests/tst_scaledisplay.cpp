// Showing a scale on the neck through the real window: choosing a scale,
// double-clicking positions, "Clear Fretboard", and the shared clear handler.

#include "FretlarkTesting.h"
#include "Music.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMap>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

namespace {

enum class Look
{
    Hidden,
    White,
    Navy,
    Other
};

QString lookName(Look look)
{
    switch (look) {
    case Look::Hidden:
        return QStringLiteral("hidden");
    case Look::White:
        return QStringLiteral("white");
    case Look::Navy:
        return QStringLiteral("navy");
    case Look::Other:
        break;
    }
    return QStringLiteral("other");
}

Look lookOf(const TShape &marker)
{
    const bool clear
        = marker.brushStyle() == TShape::bsClear && marker.penStyle() == TShape::psClear;
    const bool solid
        = marker.brushStyle() == TShape::bsSolid && marker.penStyle() == TShape::psSolid;
    if (clear)
        return Look::Hidden;
    if (solid && marker.brushColor() == QColor(255, 255, 255))
        return Look::White;
    if (solid && marker.brushColor() == QColor(0, 0, 128))
        return Look::Navy;
    return Look::Other;
}

// What the neck shows: every marker's look by name.
using NeckView = QMap<QString, QString>;

NeckView viewOf(TfrmGuitar &window)
{
    NeckView view;
    for (TMusic *music : window.findChildren<TMusic *>())
        view.insert(music->objectName(), lookName(lookOf(*music)));
    return view;
}

int countOf(const NeckView &view, const QString &look)
{
    return int(std::count(view.cbegin(), view.cend(), look));
}

// The chord area as the user sees it.
QStringList chordAreaOf(TfrmGuitar &window)
{
    QStringList area;
    for (TNote *note : window.findChildren<TNote *>())
        area << note->objectName() + QLatin1Char('=') + lookName(lookOf(*note))
                + note->brushColor().name();
    for (QLineEdit *box : window.ui.Panel1->findChildren<QLineEdit *>())
        area << box->objectName() + QLatin1Char('=') + box->text();
    return area;
}

TMusic *marker(TfrmGuitar &window, const char *name)
{
    return window.findChild<TMusic *>(QLatin1String(name));
}

// The degrees of each scale in list order, semitones above the key.
const QList<QList<int>> scaleDegrees = {
    { 0, 2, 4, 5, 7, 9, 11 },
    { 0, 2, 3, 5, 7, 8, 10 },
    { 0, 3, 5, 6, 7, 10 },
    { 0, 2, 3, 5, 7, 8, 11 },
    { 0, 2, 3, 5, 7, 9, 11 },
    { 0, 2, 4, 7, 9 },
    { 0, 3, 5, 7, 10 },
    { 0, 2, 3, 6, 7, 8, 11 },
    { 0, 2, 3, 5, 7, 9, 10 },
    { 0, 1, 3, 5, 7, 8, 10 },
    { 0, 2, 4, 6, 7, 9, 11 },
    { 0, 2, 4, 5, 7, 9, 10 },
    { 0, 1, 3, 5, 6, 8, 10 },
    { 0, 2, 3, 5, 6, 8, 9, 11 },
    { 0, 1, 4, 6, 8, 10, 11 },
};

// What a scale in a key must look like, worked out from each marker's pitch.
NeckView expectedView(TfrmGuitar &window, int scale, int key)
{
    NeckView view;
    for (TMusic *music : window.findChildren<TMusic *>()) {
        const int above = (music->Note() - key + 12) % 12;
        const bool inScale = scaleDegrees[scale].contains(above);
        view.insert(music->objectName(),
            lookName(!inScale              ? Look::Hidden
                    : music->Note() == key ? Look::Navy
                                           : Look::White));
    }
    return view;
}

const QString noScale = QStringLiteral("Please select a scale/mode first");

} // namespace

class TestScaleDisplay : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void doubleClickShowsTheScale_data();
    void doubleClickShowsTheScale();
    void everyScaleInEveryKey_data();
    void everyScaleInEveryKey();
    void withoutAScaleNothingChanges_data();
    void withoutAScaleNothingChanges();
    void secondScaleLeavesOnlyItsOwnDisplay_data();
    void secondScaleLeavesOnlyItsOwnDisplay();
    void litPositionActsLikeBlankOne();
    void clearFretboardKeepsTheSelection();
    void otherTuningLightsTheSameInStandardPitches_data();
    void otherTuningLightsTheSameInStandardPitches();
    void otherTuningFollowsCurrentPitches();
    void clearHandlerBySender_data();
    void clearHandlerBySender();
};

void TestScaleDisplay::doubleClickShowsTheScale_data()
{
    QTest::addColumn<QString>("scale");
    QTest::addColumn<QString>("position");
    QTest::addColumn<int>("lit");
    QTest::addColumn<QString>("rootPrefix"); // the names of the key's markers, without number
    QTest::addColumn<int>("roots");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("steps");
    QTest::newRow("C major") << "Major (Ionian mode)"
                             << "noteC" << 84 << "noteC" << 12 << "C"
                             << "tone tone semitone tone tone tone semitone";
    QTest::newRow("E pentatonic minor") << "Pentatonic Minor (rock scale)"
                                        << "noteE" << 60 << "noteE" << 12 << "E"
                                        << "tone+semitone tone tone tone+semitone tone";
    QTest::newRow("C# diminished from the D string")
        << "Diminished scale"
        << "noteCs4" << 91 << "noteCs" << 11 << "C#/Db"
        << "tone semitone tone semitone tone semitone tone semitone";
    QTest::newRow("A# Hungarian minor from the high E string")
        << "Hungarian Minor"
        << "noteAs11" << 81 << "noteAs" << 11 << "A#/Bb"
        << "tone semitn tone+semitn semitn semitn tone+semitn semitn";
}

void TestScaleDisplay::doubleClickShowsTheScale()
{
    QFETCH(QString, scale);
    QFETCH(QString, position);
    QFETCH(int, lit);
    QFETCH(QString, rootPrefix);
    QFETCH(int, roots);
    QFETCH(QString, key);
    QFETCH(QString, steps);
    Forms forms;
    TfrmGuitar &window = forms.guitar();

    choose(window.ui.cmbScales, scale);
    QCOMPARE(window.ui.cmbScales->currentText(), scale);
    doubleClick(window.findChild<TMusic *>(position));

    const NeckView view = viewOf(window);
    QCOMPARE(view.size(), 138);
    QCOMPARE(countOf(view, QStringLiteral("white")) + countOf(view, QStringLiteral("navy")), lit);
    QCOMPARE(countOf(view, QStringLiteral("hidden")), 138 - lit);
    QCOMPARE(countOf(view, QStringLiteral("navy")), roots);
    // The navy ones are exactly the markers named for the key: the prefix and a number.
    for (auto it = view.cbegin(); it != view.cend(); ++it) {
        const QString rest = it.key().startsWith(rootPrefix, Qt::CaseInsensitive)
            ? it.key().mid(rootPrefix.size())
            : QStringLiteral("x");
        bool numbered = rest.isEmpty();
        if (!numbered)
            rest.toInt(&numbered);
        QCOMPARE(it.value() == QLatin1String("navy"), numbered);
    }
    QCOMPARE(window.ui.fldKey->text(), key);
    QCOMPARE(window.ui.Edit2->text(), steps);
}

void TestScaleDisplay::everyScaleInEveryKey_data()
{
    QTest::addColumn<int>("scale");
    for (int scale = 0; scale < 15; ++scale)
        QTest::addRow("scale %d", scale) << scale;
}

void TestScaleDisplay::everyScaleInEveryKey()
{
    QFETCH(int, scale);
    Forms forms;
    TfrmGuitar &window = forms.guitar();
    choose(window.ui.cmbScales, scale);
    const QStringList keyNames
        = { "A", "A#/Bb", "B", "C", "C#/Db", "D", "D#/Eb", "E", "F", "F#/Gb", "G", "G#/Ab" };
    for (int key = 0; key < 12; ++key) {
        // A position on the A string, whose open pitch is A.
        doubleClick(window.neckMarkers[1][key]);
        QCOMPARE(viewOf(window), expectedView(window, scale, key));
        QCOMPARE(window.ui.fldKey->text(), keyNames[key]);
    }
}

void TestScaleDisplay::withoutAScaleNothingChanges_data()
{
    QTest::addColumn<bool>("scaleShownBefore");
    QTest::newRow("empty neck") << false;
    QTest::newRow("a scale shown, then the list emptied") << true;
}

void TestScaleDisplay::withoutAScaleNothingChanges()
{
    QFETCH(bool, scaleShownBefore);
    Forms forms;
    TfrmGuitar &window = forms.guitar();
    if (scaleShownBefore) {
        choose(window.ui.cmbScales, QStringLiteral("Blues Scale"));
        doubleClick(marker(window, "noteG"));
        choose(window.ui.cmbScales, -1);
    }
    QCOMPARE(window.ui.cmbScales->currentText(), QString());
    const NeckView before = viewOf(window);
    const QString key = window.ui.fldKey->text();
    const QString steps = window.ui.Edit2->text();

    QString text;
    QString caption;
    QList<QAbstractButton *> buttons;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    const bool boxShown = whileModal([&] { doubleClick(marker(window, "noteD")); },
        [&](QWidget *dialog) {
            auto *box = qobject_cast<QMessageBox *>(dialog);
            if (box) {
                text = box->text();
                caption = box->windowTitle();
                buttons = box->buttons();
                icon = box->icon();
                QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
            } else {
                dialog->close();
            }
        });
    QVERIFY(boxShown);
    QCOMPARE(text, noScale);
    QCOMPARE(caption, QStringLiteral("Information"));
    QCOMPARE(buttons.size(), 1);
    QCOMPARE(icon, QMessageBox::Information);

    QCOMPARE(viewOf(window), before);
    QCOMPARE(window.ui.fldKey->text(), key);
    QCOMPARE(window.ui.Edit2->text(), steps);
    QCOMPARE(countOf(before, QStringLiteral("hidden")), scaleShownBefore ? 138 - 70 : 138);
}

void TestScaleDisplay::secondScaleLeavesOnlyItsOwnDisplay_data()
{
    QTest::addColumn<QString>("firstScale");
    QTest::addColumn<QString>("firstPosition");
    QTest::addColumn<int>("secondScale");
    QTest::addColumn<QString>("secondPosition");
    QTest::addColumn<int>("secondKey");
    // A minor holds the notes of C major: the same positions, only the C ones turn white.
    QTest::newRow("C major, then A minor") << "Major (Ionian mode)"
                                           << "noteC" << 1 << "noteA" << 0;
    QTest::newRow("C major, then E pentatonic minor") << "Major (Ionian mode)"
                                                      << "noteC10" << 6 << "noteE7" << 7;
    QTest::newRow("E pentatonic minor, then F# enigmatic") << "Pentatonic Minor (rock scale)"
                                                           << "noteE" << 14 << "noteFs2" << 9;
}

void TestScaleDisplay::secondScaleLeavesOnlyItsOwnDisplay()
{
    QFETCH(QString, firstScale);
    QFETCH(QString, firstPosition);
    QFETCH(int, secondScale);
    QFETCH(QString, secondPosition);
    QFETCH(int, secondKey);
    Forms forms;
    TfrmGuitar &window = forms.guitar();
    choose(window.ui.cmbScales, firstScale);
    doubleClick(window.findChild<TMusic *>(firstPosition));
    const NeckView first = viewOf(window);

    choose(window.ui.cmbScales, secondScale);
    // Choosing alone changes nothing until the next double-click.
    QCOMPARE(viewOf(window), first);
    doubleClick(window.findChild<TMusic *>(secondPosition));
    QCOMPARE(viewOf(window), expectedView(window, secondScale, secondKey));
    if (secondKey == 0) {
        for (const char *c : { "noteC", "noteC5", "noteC11" })
            QCOMPARE(viewOf(window).value(QLatin1String(c)), QStringLiteral("white"));
    }
}

void TestScaleDisplay::litPositionActsLikeBlankOne()
{
    Forms forms;
    TfrmGuitar &window = forms.guitar();
    choose(window.ui.cmbScales, QStringLiteral("Pentatonic Minor (rock scale)"));
    doubleClick(marker(window, "noteE"));
    QCOMPARE(viewOf(window).value(QStringLiteral("noteA3")), QStringLiteral("white"));

    choose(window.ui.cmbScales, QStringLiteral("Lydian mode"));
    doubleClick(marker(window, "noteA3")); // lit
    const NeckView fromLit = viewOf(window);
    const QString keyFromLit = window.ui.fldKey->text();
    const QString stepsFromLit = window.ui.Edit2->text();

    QTest::mouseClick(window.ui.btnClearFrets, Qt::LeftButton);
    QCOMPARE(countOf(viewOf(window), QStringLiteral("hidden")), 138);
    doubleClick(marker(window, "noteA9")); // blank, same pitch
    QCOMPARE(viewOf(window), fromLit);
    QCOMPARE(window.ui.fldKey->text(), keyFromLit);
    QCOMPARE(window.ui.Edit2->text(), stepsFromLit);
    QCOMPARE(fromLit, expectedView(window, 10, 0));
}

void TestScaleDisplay::clearFretboardKeepsTheSelection()
{
    Forms forms;
    TfrmGuitar &window = forms.guitar();
    choose(window.ui.cmbScales, QStringLiteral("Major (Ionian mode)"));
    doubleClick(marker(window, "noteC"));
    const NeckView shown = viewOf(window);
    QCOMPARE(countOf(shown, QStringLiteral("hidden")), 138 - 84);

    QTest::mouseClick(window.ui.btnClearFrets, Qt::LeftButton);
    QCOMPARE(countOf(viewOf(window), QStringLiteral("hidden")), 138);
    QCOMPARE(window.ui.fldKey->text(), QString());
    QCOMPARE(window.ui.Edit2->text(), QString());
    QCOMPARE(window.ui.cmbScales->currentText(), QStringLiteral("Major (Ionian mode)"));
    QCOMPARE(window.ui.fldTuning->text(), QStringLiteral("standard"));

    doubleClick(marker(window, "noteC6"));
    QCOMPARE(viewOf(window), shown);
    QCOMPARE(window.ui.fldKey->text(), QStringLiteral("C"));
}

void TestScaleDisplay::otherTuningLightsTheSameInStandardPitches_data()
{
    QTest::addColumn<QString>("scale");
    QTest::addColumn<QString>("position");
    QTest::newRow("C major") << "Major (Ionian mode)"
                             << "noteC";
    QTest::newRow("E pentatonic minor") << "Pentatonic Minor (rock scale)"
                                        << "noteE";
    QTest::newRow("G# Locrian") << "Locrian mode"
                                << "noteGs10";
    QTest::newRow("D# diminished") << "Diminished scale"
                                   << "noteDs9";
}

void TestScaleDisplay::otherTuningLightsTheSameInStandardPitches()
{
    QFETCH(QString, scale);
    QFETCH(QString, position);
    Forms forms;
    TfrmGuitar &window = forms.guitar();
    choose(window.ui.cmbScales, scale);
    doubleClick(window.findChild<TMusic *>(position));
    const NeckView standard = viewOf(window);
    const QString key = window.ui.fldKey->text();
    const QString steps = window.ui.Edit2->text();

    // What a retune with the six standard entries leaves in the tuning field.
    window.ui.fldTuning->setText(QStringLiteral("E A D G B E"));
    QTest::mouseClick(window.ui.btnClearFrets, Qt::LeftButton);
    doubleClick(window.findChild<TMusic *>(position));
    QCOMPARE(viewOf(window), standard);
    QCOMPARE(window.ui.fldKey->text(), key);
    QCOMPARE(window.ui.Edit2->text(), steps);

    // Called directly, too, over a display of another key.
    choose(window.ui.cmbScales, QStringLiteral("Blues Scale"));
    doubleClick(marker(window, "noteB"));
    choose(window.ui.cmbScales, scale);
    window.altScaleControl(window.findChild<TMusic *>(position)->Note());
    QCOMPARE(viewOf(window), standard);
}

void TestScaleDisplay::otherTuningFollowsCurrentPitches()
{
    Forms forms;
    TfrmGuitar &window = forms.guitar();
    // The low E string tuned down to D, as a retune does.
    window.tuneAltE(-2);
    window.ui.fldTuning->setText(QStringLiteral("D A D G B E"));
    QCOMPARE(marker(window, "noteE")->Note(), 5);

    choose(window.ui.cmbScales, QStringLiteral("Major (Ionian mode)"));
    doubleClick(marker(window, "noteE")); // now D
    QCOMPARE(window.ui.fldKey->text(), QStringLiteral("D"));
    const NeckView view = viewOf(window);
    QCOMPARE(view, expectedView(window, 0, 5));
    QCOMPARE(view.value(QStringLiteral("noteE")), QStringLiteral("navy"));
    // Fret 3 of the low string is F now, outside D major, where its standard G is inside.
    QCOMPARE(view.value(QStringLiteral("noteG")), QStringLiteral("hidden"));
    QCOMPARE(view.value(QStringLiteral("noteFs")), QStringLiteral("white"));
}

void TestScaleDisplay::clearHandlerBySender_data()
{
    QTest::addColumn<QString>("sender"); // a control's name, or empty for none
    QTest::addColumn<bool>("neckCleared");
    QTest::addColumn<bool>("chordsCleared");
    QTest::newRow("Clear Fretboard") << "btnClearFrets" << true << false;
    QTest::newRow("Clear Chords") << "btnClearChords" << false << true;
    QTest::newRow("no sender") << "" << false << false;
    QTest::newRow("another control") << "Button1" << false << false;
}

void TestScaleDisplay::clearHandlerBySender()
{
    QFETCH(QString, sender);
    QFETCH(bool, neckCleared);
    QFETCH(bool, chordsCleared);
    Forms forms;
    TfrmGuitar &window = forms.guitar();
    choose(window.ui.cmbChordKey, QStringLiteral("G"));
    choose(window.ui.cmbChordType, QStringLiteral("major"));
    QTest::mouseClick(window.ui.btnShowChord, Qt::LeftButton);
    choose(window.ui.cmbScales, QStringLiteral("Major (Ionian mode)"));
    doubleClick(marker(window, "noteC"));

    const NeckView neck = viewOf(window);
    const QStringList chords = chordAreaOf(window);
    const QString steps = window.ui.Edit2->text();
    QCOMPARE(window.ui.fldKey->text(), QStringLiteral("C"));
    QVERIFY(!window.ui.fldChordName->text().isEmpty());
    QVERIFY(chords.join(QLatin1Char(' ')).contains(QLatin1String("=white")));

    window.btnClearFretsClick(sender.isEmpty() ? nullptr : window.findChild<QObject *>(sender));

    QCOMPARE(window.ui.fldKey->text(), QString());
    if (neckCleared) {
        QCOMPARE(countOf(viewOf(window), QStringLiteral("hidden")), 138);
        QCOMPARE(window.ui.Edit2->text(), QString());
    } else {
        QCOMPARE(viewOf(window), neck);
        QCOMPARE(window.ui.Edit2->text(), steps);
    }
    if (chordsCleared) {
        for (TNote *note : window.findChildren<TNote *>())
            QCOMPARE(lookOf(*note), Look::Hidden);
        QCOMPARE(window.ui.fldChordName->text(), QString());
        for (QLineEdit *box : window.fretBoxes[0])
            QCOMPARE(box->text(), QString());
    } else {
        QCOMPARE(chordAreaOf(window), chords);
    }
    QCOMPARE(window.ui.cmbScales->currentText(), QStringLiteral("Major (Ionian mode)"));
}

QTEST_MAIN(TestScaleDisplay)
#include "tst_scaledisplay.moc"
