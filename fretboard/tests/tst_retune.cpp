// Retuning through the real window and dialog: "Alternate Tuning" opens the
// dialog, its entries are typed in as the user does, "Retune", "Cancel" and
// the close box end it; "Reset Standard" returns to standard tuning.

#include "FretlarkTesting.h"
#include "Music.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <array>
#include <utility>

namespace {

// Open-string pitch classes, low E string first.
using Tuning = std::array<int, 6>;
constexpr Tuning standardTuning = { 7, 0, 5, 10, 2, 7 };

// The dialog's entries for the strings, low E string first.
const std::array<const char *, 6> entryNames
    = { "ComboBox6", "ComboBox5", "ComboBox4", "ComboBox3", "comboBox2", "ComboBox1" };

const QStringList sharpNames = { "A", "A#", "B", "C", "C#", "D", "D#", "E", "F", "F#", "G", "G#" };

// The neck's pitches, one line per string, low E string first.
using Pitches = QStringList;

Pitches pitchesOf(const TfrmGuitar &window)
{
    Pitches pitches;
    for (const auto &string : window.neckMarkers) {
        QStringList line;
        for (const TMusic *marker : string)
            line << QString::number(marker->Note());
        pitches << line.join(QLatin1Char(' '));
    }
    return pitches;
}

// Each string holds its open pitch at fret 0 and one semitone more per fret.
Pitches pitchesFor(const Tuning &tuning)
{
    Pitches pitches;
    for (int open : tuning) {
        QStringList line;
        for (int fret = 0; fret < 23; ++fret)
            line << QString::number((open + fret) % 12);
        pitches << line.join(QLatin1Char(' '));
    }
    return pitches;
}

QStringList neckLetters(const TfrmGuitar &window)
{
    const auto &ui = window.ui;
    return { ui.LabelE->text(), ui.LabelA->text(), ui.LabelD->text(), ui.LabelG->text(),
        ui.LabelB->text(), ui.LabelE2->text() };
}

QString lookOf(const TShape *marker)
{
    if (marker->brushStyle() == TShape::bsClear && marker->penStyle() == TShape::psClear)
        return QStringLiteral("hidden");
    if (marker->brushStyle() == TShape::bsSolid && marker->penStyle() == TShape::psSolid) {
        if (marker->brushColor() == QColor(Qt::white))
            return QStringLiteral("white");
        if (marker->brushColor() == markerNavy)
            return QStringLiteral("navy");
        if (marker->brushColor() == QColor(Qt::black))
            return QStringLiteral("black");
    }
    return QStringLiteral("odd");
}

// What the neck shows, marker by marker, low E string first.
QStringList neckLooks(const TfrmGuitar &window)
{
    QStringList looks;
    for (const auto &string : window.neckMarkers)
        for (const TMusic *marker : string)
            looks << marker->objectName() + QLatin1Char(' ') + lookOf(marker);
    return looks;
}

// Everything the chord area shows: diagram markers, fret numbers, name,
// makeup and its string letters.
QStringList chordArea(const TfrmGuitar &window)
{
    QStringList shown;
    for (const auto &position : window.chordMarkers)
        for (const auto &row : position)
            for (const TNote *marker : row)
                shown << marker->objectName() + QLatin1Char(' ') + lookOf(marker);
    for (const auto &position : window.fretBoxes)
        for (const QLineEdit *box : position)
            shown << box->objectName() + QLatin1Char(' ') + box->text();
    const auto &ui = window.ui;
    shown << ui.fldChordName->text() << ui.txtMakeup->text();
    for (const QLabel *letter :
        { ui.Label1, ui.Label2, ui.Label3, ui.Label4, ui.Label5, ui.Label6 })
        shown << letter->text();
    return shown;
}

QComboBox *entry(const char *name)
{
    return frmRetune->findChild<QComboBox *>(QLatin1String(name));
}

// The six entries as they stand, low E string first.
QStringList entryTexts()
{
    QStringList texts;
    for (const char *name : entryNames)
        texts << entry(name)->currentText();
    return texts;
}

// Types into an entry as the user does: click into it, select all, type.
void type(QComboBox *combo, const QString &text)
{
    QLineEdit *edit = combo->lineEdit();
    QTest::mouseClick(edit, Qt::LeftButton);
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty())
        QTest::keyClick(edit, Qt::Key_Delete);
    else
        QTest::keyClicks(edit, text);
}

void click(QPushButton *button)
{
    QTest::mouseClick(button, Qt::LeftButton);
}

// Clicks "Alternate Tuning" and runs onDialog while the retune dialog is up.
// Closes the dialog afterwards should it still be open, so that a failing
// check cannot leave the test waiting.
bool withDialog(TfrmGuitar &window, const std::function<void(TfrmRetune &)> &onDialog)
{
    bool wasRetune = false;
    const bool appeared = whileModal([&] { click(window.ui.Button1); },
        [&](QWidget *dialog) {
            wasRetune = dialog == frmRetune;
            if (wasRetune && QTest::qWaitForWindowActive(dialog))
                onDialog(*frmRetune);
            if (dialog->isVisible())
                dialog->close();
        });
    return appeared && wasRetune;
}

using Entries = QList<std::pair<const char *, QString>>;

// "Alternate Tuning", the entries typed in, "Retune"; true when the dialog
// came up and "Retune" closed it.
bool retune(TfrmGuitar &window, const Entries &entries = {})
{
    bool closed = false;
    const bool shown = withDialog(window, [&](TfrmRetune &dialog) {
        for (const auto &[name, text] : entries)
            type(entry(name), text);
        click(dialog.ui.btnRetune);
        closed = !dialog.isVisible();
    });
    return shown && closed;
}

void showScale(TfrmGuitar &window, TMusic *key)
{
    choose(window.ui.cmbScales, QStringLiteral("Major (Ionian mode)"));
    doubleClick(key);
}

} // namespace

class RetuneTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void dialogAsDesigned();
    void tabGoesDownTheEntriesThenToTheButtons();
    void enterAndEscapePressNoButton();
    void retuneWithInitialEntriesLeavesStandardPitches();
    void retuneOneString_data();
    void retuneOneString();
    void retunesStartFromStandardPitches();
    void scaleShownAfterRetuneFollowsNewPitches();
    void scaleShownBeforeStaysWhereItWas();
    void closingWithoutRetuneChangesNothing_data();
    void closingWithoutRetuneChangesNothing();
    void resetStandardRestoresTheNeck();
    void chordAreaNeverChanges();
    void refusesEntryThatIsNoNoteName_data();
    void refusesEntryThatIsNoNoteName();
};

void RetuneTest::dialogAsDesigned()
{
    Forms forms;
    QString title;
    QSize clientSize;
    bool fixedSize = false;
    Qt::WindowFlags flags;
    QPoint offCentre;
    QList<QStringList> items;
    bool editable = true;
    QList<int> itemHeights;
    bool anyDefault = true;
    QVERIFY(withDialog(forms.guitar(), [&](TfrmRetune &dialog) {
        title = dialog.windowTitle();
        clientSize = dialog.size();
        fixedSize = dialog.minimumSize() == dialog.maximumSize();
        flags = dialog.windowFlags();
        offCentre = dialog.frameGeometry().center() - dialog.screen()->availableGeometry().center();
        for (const char *name : entryNames) {
            QStringList listed;
            for (int i = 0; i < entry(name)->count(); ++i)
                listed << entry(name)->itemText(i);
            items << listed;
            editable = editable && entry(name)->isEditable();
            entry(name)->showPopup();
            if (QTest::qWaitFor([&] { return entry(name)->view()->isVisible(); }))
                itemHeights
                    << entry(name)->view()->visualRect(entry(name)->model()->index(1, 0)).height();
            entry(name)->hidePopup();
        }
        anyDefault = dialog.ui.btnRetune->isDefault() || dialog.ui.btnCancel->isDefault();
        click(dialog.ui.btnCancel);
    }));

    QCOMPARE(title, QStringLiteral("Retune Guitar"));
    QCOMPARE(clientSize, QSize(244, 185));
    QVERIFY(fixedSize);
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowContextHelpButtonHint));
    QVERIFY2(offCentre.manhattanLength() <= 2, "the dialog is not centred on the screen");
    QVERIFY(editable);
    QCOMPARE(itemHeights, QList<int>(6, 13));
    for (const QStringList &listed : items)
        QCOMPARE(listed, sharpNames);
    QCOMPARE(entryTexts(), QStringList({ "E", "A", "D", "G", "B", "E" }));
    QVERIFY(!anyDefault);
}

void RetuneTest::tabGoesDownTheEntriesThenToTheButtons()
{
    Forms forms;
    QStringList visited;
    QVERIFY(withDialog(forms.guitar(), [&](TfrmRetune &dialog) {
        QTest::mouseClick(dialog.ui.ComboBox1->lineEdit(), Qt::LeftButton);
        for (int step = 0; step < 9; ++step) {
            QWidget *focused = QApplication::focusWidget();
            if (!focused)
                break;
            // An entry takes the focus in its text field.
            QWidget *control = qobject_cast<QComboBox *>(focused->parentWidget())
                ? focused->parentWidget()
                : focused;
            visited << control->objectName();
            QTest::keyClick(focused, Qt::Key_Tab);
        }
        click(dialog.ui.btnCancel);
    }));
    QCOMPARE(visited,
        QStringList({ "ComboBox1", "comboBox2", "ComboBox3", "ComboBox4", "ComboBox5", "ComboBox6",
            "btnRetune", "btnCancel", "ComboBox1" }));
}

void RetuneTest::enterAndEscapePressNoButton()
{
    Forms forms;
    bool openAfterEnter = false;
    bool openAfterEscape = false;
    int listed = 0;
    QString typed;
    QVERIFY(withDialog(forms.guitar(), [&](TfrmRetune &dialog) {
        type(dialog.ui.ComboBox6, QStringLiteral("H"));
        QTest::keyClick(dialog.ui.ComboBox6->lineEdit(), Qt::Key_Return);
        openAfterEnter = dialog.isVisible();
        QTest::keyClick(dialog.ui.ComboBox6->lineEdit(), Qt::Key_Escape);
        openAfterEscape = dialog.isVisible();
        listed = dialog.ui.ComboBox6->count();
        typed = dialog.ui.ComboBox6->currentText();
        click(dialog.ui.btnCancel);
    }));
    QVERIFY(openAfterEnter);
    QVERIFY(openAfterEscape);
    QCOMPARE(listed, 12); // the typed text is not added to the list
    QCOMPARE(typed, QStringLiteral("H"));
    QCOMPARE(forms.guitar().ui.fldTuning->text(), QStringLiteral("standard"));
}

void RetuneTest::retuneWithInitialEntriesLeavesStandardPitches()
{
    Forms forms;
    TfrmGuitar &window = forms.guitar();
    showScale(window, window.findChild<TMusic *>(QStringLiteral("noteC")));
    const QStringList standardDisplay = neckLooks(window);
    QCOMPARE(standardDisplay.filter(QStringLiteral(" white")).size(), 72);
    QCOMPARE(standardDisplay.filter(QStringLiteral(" navy")).size(), 12);
    click(window.ui.btnClearFrets);

    QVERIFY(retune(window));
    QCOMPARE(pitchesOf(window), pitchesFor(standardTuning));
    QCOMPARE(neckLetters(window), QStringList({ "E", "A", "D", "G", "B", "E" }));
    QCOMPARE(window.ui.fldTuning->text(), QStringLiteral("E A D G B E"));

    // No longer "standard": the markers light by their own pitches, to the same effect.
    doubleClick(window.findChild<TMusic *>(QStringLiteral("noteC")));
    QCOMPARE(neckLooks(window), standardDisplay);
    QCOMPARE(window.ui.fldKey->text(), QStringLiteral("C"));
}

void RetuneTest::retuneOneString_data()
{
    QTest::addColumn<QString>("entryName");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("string");
    QTest::addColumn<int>("openPitch");
    QTest::addColumn<QString>("tuningText");

    QTest::newRow("drop D") << "ComboBox6"
                            << "D" << 0 << 5 << "D A D G B E";
    QTest::newRow("G string down to A") << "ComboBox3"
                                        << "A" << 3 << 0 << "E A D A B E";
    QTest::newRow("B string up to C") << "comboBox2"
                                      << "C" << 4 << 3 << "E A D G C E";
}

void RetuneTest::retuneOneString()
{
    QFETCH(QString, entryName);
    QFETCH(QString, typed);
    QFETCH(int, string);
    QFETCH(int, openPitch);
    QFETCH(QString, tuningText);

    Forms forms;
    TfrmGuitar &window = forms.guitar();
    QVERIFY(retune(window, { { qPrintable(entryName), typed } }));

    Tuning tuning = standardTuning;
    tuning[string] = openPitch;
    QCOMPARE(pitchesOf(window), pitchesFor(tuning));
    QCOMPARE(window.neckMarkers[string][0]->Note(), openPitch);
    QCOMPARE(window.neckMarkers[string][1]->Note(), (openPitch + 1) % 12);
    QStringList letters = { "E", "A", "D", "G", "B", "E" };
    letters[string] = typed;
    QCOMPARE(neckLetters(window), letters);
    QCOMPARE(window.ui.fldTuning->text(), tuningText);
}

void RetuneTest::retunesStartFromStandardPitches()
{
    Forms forms;
    TfrmGuitar &window = forms.guitar();
    const Tuning dropDUpC = { 5, 0, 5, 10, 3, 7 };
    QVERIFY(retune(window, { { "ComboBox6", "D" }, { "comboBox2", "C" } }));
    QCOMPARE(pitchesOf(window), pitchesFor(dropDUpC));

    // The entries are kept, so "Retune" again gives the same neck.
    QVERIFY(retune(window));
    QCOMPARE(pitchesOf(window), pitchesFor(dropDUpC));
    QCOMPARE(window.ui.fldTuning->text(), QStringLiteral("D A D G C E"));

    QVERIFY(retune(window, { { "ComboBox3", "A" } }));
    QCOMPARE(pitchesOf(window), pitchesFor({ 5, 0, 5, 0, 3, 7 }));
    QCOMPARE(neckLetters(window), QStringList({ "D", "A", "D", "A", "C", "E" }));
    QCOMPARE(window.ui.fldTuning->text(), QStringLiteral("D A D A C E"));
}

void RetuneTest::scaleShownAfterRetuneFollowsNewPitches()
{
    Forms forms;
    TfrmGuitar &window = forms.guitar();
    const Tuning dropD = { 5, 0, 5, 10, 2, 7 };
    QVERIFY(retune(window, { { "ComboBox6", "D" } }));

    // C on the A string, third fret.
    showScale(window, window.neckMarkers[1][3]);

    const QList<int> cMajor = { 3, 5, 7, 8, 10, 0, 2 };
    QStringList expected;
    for (int string = 0; string < 6; ++string) {
        for (int fret = 0; fret < 23; ++fret) {
            const int pitch = (dropD[string] + fret) % 12;
            const QString look = pitch == 3 ? QStringLiteral("navy")
                : cMajor.contains(pitch)    ? QStringLiteral("white")
                                            : QStringLiteral("hidden");
            expected << window.neckMarkers[string][fret]->objectName() + QLatin1Char(' ') + look;
        }
    }
    QCOMPARE(neckLooks(window), expected);
    QCOMPARE(window.ui.fldKey->text(), QStringLiteral("C"));
    // The low E string's first fret is F in standard tuning, D# now.
    QCOMPARE(lookOf(window.neckMarkers[0][1]), QStringLiteral("hidden"));
}

void RetuneTest::scaleShownBeforeStaysWhereItWas()
{
    Forms forms;
    TfrmGuitar &window = forms.guitar();
    showScale(window, window.findChild<TMusic *>(QStringLiteral("noteC")));
    const QStringList display = neckLooks(window);
    const QString steps = window.ui.Edit2->text();
    QVERIFY(!window.ui.fldKey->text().isEmpty());

    QVERIFY(retune(window, { { "ComboBox6", "D" } }));
    QCOMPARE(neckLooks(window), display);
    QCOMPARE(window.ui.fldKey->text(), QString());
    QCOMPARE(window.ui.Edit2->text(), steps);

    doubleClick(window.findChild<TMusic *>(QStringLiteral("noteC")));
    const QStringList retunedDisplay = neckLooks(window);
    QVERIFY(retunedDisplay != display);
    click(window.ui.Button2);
    QCOMPARE(neckLooks(window), retunedDisplay);
    QCOMPARE(window.ui.fldKey->text(), QString());
}

void RetuneTest::closingWithoutRetuneChangesNothing_data()
{
    QTest::addColumn<bool>("byCloseBox");
    QTest::newRow("Cancel") << false;
    QTest::newRow("close box") << true;
}

void RetuneTest::closingWithoutRetuneChangesNothing()
{
    QFETCH(bool, byCloseBox);

    Forms forms;
    TfrmGuitar &window = forms.guitar();
    QVERIFY(retune(window, { { "ComboBox6", "D" } }));
    showScale(window, window.neckMarkers[1][3]);
    const Pitches pitches = pitchesOf(window);
    const QStringList letters = neckLetters(window);
    const QString tuningText = window.ui.fldTuning->text();
    const QStringList display = neckLooks(window);

    bool closed = false;
    QVERIFY(withDialog(window, [&](TfrmRetune &dialog) {
        type(dialog.ui.ComboBox1, QStringLiteral("F#"));
        type(dialog.ui.ComboBox4, QStringLiteral("C"));
        if (byCloseBox)
            dialog.close();
        else
            click(dialog.ui.btnCancel);
        closed = !dialog.isVisible();
    }));
    QVERIFY(closed);
    QCOMPARE(pitchesOf(window), pitches);
    QCOMPARE(neckLetters(window), letters);
    QCOMPARE(window.ui.fldTuning->text(), tuningText);
    QCOMPARE(neckLooks(window), display);
    QCOMPARE(window.ui.fldKey->text(), QString());

    // The edited entries come back at the next opening, also after "Reset Standard".
    const QStringList edited = { "D", "A", "C", "G", "B", "F#" };
    QStringList shown;
    QVERIFY(withDialog(window, [&](TfrmRetune &dialog) {
        shown = entryTexts();
        click(dialog.ui.btnCancel);
    }));
    QCOMPARE(shown, edited);
    click(window.ui.Button2);
    QVERIFY(withDialog(window, [&](TfrmRetune &dialog) {
        shown = entryTexts();
        click(dialog.ui.btnCancel);
    }));
    QCOMPARE(shown, edited);
}

void RetuneTest::resetStandardRestoresTheNeck()
{
    Forms forms;
    TfrmGuitar &window = forms.guitar();
    QVERIFY(retune(window,
        { { "ComboBox6", "D" }, { "ComboBox5", "G" }, { "ComboBox4", "C" }, { "ComboBox3", "F" },
            { "comboBox2", "A" }, { "ComboBox1", "D#" } }));
    QCOMPARE(pitchesOf(window), pitchesFor({ 5, 10, 3, 8, 0, 6 }));
    QCOMPARE(neckLetters(window), QStringList({ "D", "G", "C", "F", "A", "D#" }));

    click(window.ui.Button2);
    QCOMPARE(pitchesOf(window), pitchesFor(standardTuning));
    QCOMPARE(neckLetters(window), QStringList({ "E", "A", "D", "G", "B", "E" }));
    QCOMPARE(window.ui.fldTuning->text(), QStringLiteral("standard"));
}

void RetuneTest::chordAreaNeverChanges()
{
    Forms forms;
    TfrmGuitar &window = forms.guitar();
    choose(window.ui.cmbChordKey, 3);
    choose(window.ui.cmbChordType, 0);
    click(window.ui.btnShowChord);
    const QStringList chords = chordArea(window);
    QVERIFY(!chords.filter(QStringLiteral(" white")).isEmpty());

    QVERIFY(retune(window, { { "ComboBox6", "D" }, { "ComboBox1", "F" } }));
    QCOMPARE(chordArea(window), chords);
    QVERIFY(withDialog(window, [](TfrmRetune &dialog) { click(dialog.ui.btnCancel); }));
    QCOMPARE(chordArea(window), chords);
    click(window.ui.Button2);
    QCOMPARE(chordArea(window), chords);
    QCOMPARE(chords.mid(chords.size() - 6), QStringList({ "E", "B", "G", "D", "A", "E" }));
}

void RetuneTest::refusesEntryThatIsNoNoteName_data()
{
    QTest::addColumn<QString>("entryName");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stringName");
    QTest::addColumn<QString>("correction");

    QTest::newRow("lower case") << "ComboBox6"
                                << "e"
                                << "Low E"
                                << "E";
    QTest::newRow("flat name") << "ComboBox1"
                               << "Eb"
                               << "High E"
                               << "D#";
    QTest::newRow("no such note") << "comboBox2"
                                  << "H"
                                  << "B"
                                  << "B";
    QTest::newRow("leading space") << "ComboBox4"
                                   << " E"
                                   << "D"
                                   << "E";
    QTest::newRow("empty") << "ComboBox3"
                           << ""
                           << "G"
                           << "G";
}

void RetuneTest::refusesEntryThatIsNoNoteName()
{
    QFETCH(QString, entryName);
    QFETCH(QString, typed);
    QFETCH(QString, stringName);
    QFETCH(QString, correction);

    Forms forms;
    TfrmGuitar &window = forms.guitar();
    QString boxText;
    bool openAfterBox = false;
    QStringList entriesAfterBox;
    QString typedAfterBox;
    Pitches pitchesAfterBox;
    QStringList lettersAfterBox;
    QString tuningAfterBox;
    bool closedAfterCorrection = false;
    QVERIFY(withDialog(window, [&](TfrmRetune &dialog) {
        type(entry("ComboBox5"), QStringLiteral("G"));
        type(entry(qPrintable(entryName)), typed);
        boxText = acceptMessageBox([&] { click(dialog.ui.btnRetune); });
        openAfterBox = dialog.isVisible();
        entriesAfterBox = entryTexts();
        typedAfterBox = entry(qPrintable(entryName))->currentText();
        pitchesAfterBox = pitchesOf(window);
        lettersAfterBox = neckLetters(window);
        tuningAfterBox = window.ui.fldTuning->text();

        type(entry(qPrintable(entryName)), correction);
        click(dialog.ui.btnRetune);
        closedAfterCorrection = !dialog.isVisible();
    }));

    QVERIFY2(boxText.contains(stringName + QStringLiteral(" string")), qPrintable(boxText));
    QVERIFY2(boxText.contains(QLatin1Char('"') + typed + QLatin1Char('"')), qPrintable(boxText));
    QVERIFY2(boxText.contains(sharpNames.join(QStringLiteral(", "))), qPrintable(boxText));
    QVERIFY(openAfterBox);
    QCOMPARE(typedAfterBox, typed);
    QCOMPARE(entriesAfterBox.at(1), QStringLiteral("G"));
    QCOMPARE(pitchesAfterBox, pitchesFor(standardTuning));
    QCOMPARE(lettersAfterBox, QStringList({ "E", "A", "D", "G", "B", "E" }));
    QCOMPARE(tuningAfterBox, QStringLiteral("standard"));

    // Once corrected, "Retune" goes through with every entry.
    QVERIFY(closedAfterCorrection);
    QCOMPARE(window.neckMarkers[1][0]->Note(), 10);
    QCOMPARE(neckLetters(window).at(1), QStringLiteral("G"));
    QStringList corrected = { "E", "G", "D", "G", "B", "E" };
    for (int string = 0; string < 6; ++string)
        if (entryName == QLatin1String(entryNames[string]))
            corrected[string] = correction;
    QCOMPARE(window.ui.fldTuning->text(), corrected.join(QLatin1Char(' ')));
}

QTEST_MAIN(RetuneTest)
#include "tst_retune.moc"
