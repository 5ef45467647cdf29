// A few thousand random user actions on the real window, from a fixed seed,
// with the window checked against what the user should see after each one.

#include "FretlarkTesting.h"

#include "ChordLayout.h"
#include "Music.h"
#include "NeckGrid.h"
#include "flChordInf.h"
#include "flScaleInf.h"
#include "flUtils.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <array>
#include <deque>
#include <functional>
#include <random>

namespace {

constexpr unsigned seed = 20240611;
constexpr int actionCount = 3000;

enum Look
{
    hidden,
    plain,
    highlighted
};

// Semitones above the key, read from the step text the scale area shows.
std::array<bool, 12> degreesFromSteps(std::string_view steps)
{
    std::array<bool, 12> degrees {};
    int degree = 0;
    degrees[0] = true;
    std::size_t start = 0;
    while (start < steps.size()) {
        std::size_t end = steps.find(' ', start);
        if (end == std::string_view::npos)
            end = steps.size();
        const std::string_view step = steps.substr(start, end - start);
        degree += step == "tone" ? 2 : step.starts_with("tone+") ? 3 : 1;
        if (degree < 12)
            degrees[std::size_t(degree)] = true;
        start = end + 1;
    }
    return degrees;
}

// What the window should show, kept from the actions alone.
struct Expected
{
    std::array<int, neckStringCount> offsets {}; // of the tuning in force, low E first
    QString tuningText = QStringLiteral("standard");
    // The retune dialog's entries, low E first; they outlive each showing.
    std::array<QString, neckStringCount> entries = { QStringLiteral("E"), QStringLiteral("A"),
        QStringLiteral("D"), QStringLiteral("G"), QStringLiteral("B"), QStringLiteral("E") };
    std::array<std::array<Look, neckFretCount>, neckStringCount> neck {};
    QString key;
    QString steps;
    std::string chordCode; // empty: no chord shown
    int scale = -1, chordKey = -1, chordType = -1;
    bool defaultSizeChecked = true;

    int pitch(int string, int fret) const
    {
        return ((neckStrings[std::size_t(string)].openPitch + fret + offsets[std::size_t(string)])
                       % 12
                   + 12)
            % 12;
    }
};

// Runs action; every modal window it opens (and that is not already up) is
// handed to onModal, which has to close it. Returns how many there were.
int withModals(const std::function<void()> &action, const std::function<void(QWidget *)> &onModal)
{
    int seen = 0;
    QWidget *const outer = QApplication::activeModalWidget();
    QWidget *handling = nullptr;
    QTimer poll;
    poll.setInterval(0);
    QObject::connect(&poll, &QTimer::timeout, &poll, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || modal == outer || modal == handling)
            return;
        handling = modal;
        ++seen;
        onModal(modal);
        handling = nullptr;
    });
    poll.start();
    action();
    return seen;
}

// Presses OK on an information box and gives its text.
QString dismiss(QWidget *modal)
{
    auto *box = qobject_cast<QMessageBox *>(modal);
    if (!box) {
        modal->close();
        return QStringLiteral("(not a message box)");
    }
    const QString text = box->text();
    QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
    return text;
}

class RandomInput : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void randomUse();

private:
    void act();
    void doubleClickNeck();
    void showChords();
    void retune(bool cancelOnly);
    void check();

    void note(const QString &what)
    {
        history.push_back(what);
        if (history.size() > 12)
            history.pop_front();
    }

    std::mt19937 random { seed };
    int upTo(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); }

    TfrmGuitar *guitar = nullptr;
    QSize defaultSize;
    Expected expected;
    std::deque<QString> history;
    int boxes = 0;
    int retunesRefused = 0;
    int retunesApplied = 0;
};

void RandomInput::randomUse()
{
    // The offscreen platform says so at every resize.
    static const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext &context, const QString &message) {
            if (!message.contains(QLatin1String("does not support propagateSizeHints")))
                previous(type, context, message);
        });
    Forms forms;
    guitar = &forms.guitar();
    defaultSize = guitar->size();
    check();
    int done = 0;
    for (int i = 0; i < actionCount && !QTest::currentTestFailed(); ++i, ++done) {
        act();
        QCoreApplication::processEvents();
        if (!QTest::currentTestFailed())
            check();
        if (QTest::currentTestFailed()) {
            qWarning("action %d failed; the last actions were:", i);
            for (const QString &what : history)
                qWarning("  %s", qPrintable(what));
        }
    }
    qInfo("%d actions, %d information boxes, %d retunes applied, %d refused", done, boxes,
        retunesApplied, retunesRefused);
}

void RandomInput::act()
{
    Ui::TfrmGuitar &ui = guitar->ui;
    const int roll = upTo(100);
    if (roll < 30) {
        doubleClickNeck();
    } else if (roll < 38) {
        const int scale = upTo(scaleCount);
        note(QStringLiteral("choose scale %1").arg(scale));
        choose(ui.cmbScales, scale);
        expected.scale = scale;
    } else if (roll < 44) {
        const int key = upTo(pitchClassCount);
        note(QStringLiteral("choose chord key %1").arg(key));
        choose(ui.cmbChordKey, key);
        expected.chordKey = key;
    } else if (roll < 50) {
        const int type = upTo(chordTypeCount);
        note(QStringLiteral("choose chord type %1").arg(type));
        choose(ui.cmbChordType, type);
        expected.chordType = type;
    } else if (roll < 60) {
        showChords();
    } else if (roll < 64) {
        note(QStringLiteral("Clear Chords"));
        QTest::mouseClick(ui.btnClearChords, Qt::LeftButton);
        expected.chordCode.clear();
        expected.key.clear();
    } else if (roll < 68) {
        note(QStringLiteral("Clear Fretboard"));
        QTest::mouseClick(ui.btnClearFrets, Qt::LeftButton);
        for (auto &string : expected.neck)
            string.fill(hidden);
        expected.key.clear();
        expected.steps.clear();
    } else if (roll < 80) {
        retune(false);
    } else if (roll < 84) {
        retune(true);
    } else if (roll < 88) {
        note(QStringLiteral("Reset Standard"));
        QTest::mouseClick(ui.Button2, Qt::LeftButton);
        expected.offsets.fill(0);
        expected.tuningText = QStringLiteral("standard");
        expected.key.clear();
    } else if (roll < 95) {
        const QSize size(300 + upTo(800), 250 + upTo(700));
        note(QStringLiteral("resize to %1x%2").arg(size.width()).arg(size.height()));
        const QSize before = guitar->size();
        guitar->resize(size);
        if (size != before)
            expected.defaultSizeChecked
                = expected.defaultSizeChecked && guitar->size() == defaultSize;
    } else if (roll < 98) {
        note(QStringLiteral("Default Screen Size"));
        ui.DefaultScreenSize1->trigger();
        expected.defaultSizeChecked = true;
    } else if (roll < 99) {
        note(QStringLiteral("Hints"));
        ui.Hints1->trigger();
    } else {
        note(QStringLiteral("About, Excellent"));
        const int shown = withModals([&] { ui.About1->trigger(); },
            [](QWidget *about) {
                QTest::mouseClick(static_cast<TAboutForm *>(about)->ui.BitBtn1, Qt::LeftButton);
            });
        QCOMPARE(shown, 1);
    }
}

void RandomInput::doubleClickNeck()
{
    const int string = upTo(neckStringCount), fret = upTo(neckFretCount);
    note(QStringLiteral("double-click string %1 fret %2").arg(string).arg(fret));
    QString text;
    const int shown = withModals([&] { doubleClick(guitar->neckMarkers[string][fret]); },
        [&](QWidget *box) { text = dismiss(box); });
    if (expected.scale < 0) {
        QCOMPARE(shown, 1);
        QCOMPARE(text, QStringLiteral("Please select a scale/mode first"));
        ++boxes;
        return;
    }
    QCOMPARE(shown, 0);
    const int key = expected.pitch(string, fret);
    const std::string_view steps = scaleStepTexts[std::size_t(expected.scale)];
    const std::array<bool, 12> degrees = degreesFromSteps(steps);
    for (int s = 0; s < neckStringCount; ++s)
        for (int f = 0; f < neckFretCount; ++f) {
            const int pitch = expected.pitch(s, f);
            expected.neck[s][f] = !degrees[std::size_t((pitch - key + 12) % 12)] ? hidden
                : pitch == key                                                   ? highlighted
                                                                                 : plain;
        }
    expected.key = QString::fromStdString(keyDisplayName(key));
    expected.steps = QString::fromLatin1(steps.data(), qsizetype(steps.size()));
}

void RandomInput::showChords()
{
    note(QStringLiteral("Show Chords"));
    QString text;
    const int shown
        = withModals([&] { QTest::mouseClick(guitar->ui.btnShowChord, Qt::LeftButton); },
            [&](QWidget *box) { text = dismiss(box); });
    if (expected.chordKey < 0 || expected.chordType < 0) {
        QCOMPARE(shown, 1);
        QCOMPARE(text, QStringLiteral("Please select a key/chord type first!"));
        ++boxes;
        return;
    }
    QCOMPARE(shown, 0);
    expected.chordCode = chordShape(expected.chordKey, expected.chordType);
    expected.key.clear();
}

// Entries a user might leave in the dialog: every note name, and slips.
const std::array<QString, 9> junk = { QString(), QStringLiteral("e"), QStringLiteral("Eb"),
    QStringLiteral("H"), QStringLiteral("a#"), QStringLiteral(" A"), QStringLiteral("C# "),
    QStringLiteral("G##"), QStringLiteral("10") };

void RandomInput::retune(bool cancelOnly)
{
    Ui::TfrmRetune &dialog = frmRetune->ui;
    const std::array<QComboBox *, neckStringCount> entries = { dialog.ComboBox6, dialog.ComboBox5,
        dialog.ComboBox4, dialog.ComboBox3, dialog.comboBox2, dialog.ComboBox1 };
    QString story = cancelOnly ? QStringLiteral("Alternate Tuning, then Cancel after")
                               : QStringLiteral("Alternate Tuning, Retune with");
    bool refused = false;
    bool closedAsExpected = false;

    const int shown = withModals([&] { QTest::mouseClick(guitar->ui.Button1, Qt::LeftButton); },
        [&](QWidget *modal) {
            if (modal != frmRetune) {
                dismiss(modal);
                return;
            }
            // Change one to six entries, by picking from the list or by typing.
            const int changes = 1 + upTo(neckStringCount);
            for (int i = 0; i < changes; ++i) {
                const int string = upTo(neckStringCount);
                QComboBox *entry = entries[std::size_t(string)];
                QString text;
                if (upTo(2) == 0) {
                    const int item = upTo(pitchClassCount);
                    entry->setCurrentIndex(item);
                    text = entry->itemText(item);
                } else {
                    text = upTo(5) == 0
                        ? junk[std::size_t(upTo(int(junk.size())))]
                        : QString::fromLatin1(sharpNames[std::size_t(upTo(12))].data());
                    entry->lineEdit()->selectAll();
                    QTest::keyClick(entry->lineEdit(), Qt::Key_Backspace);
                    QTest::keyClicks(entry->lineEdit(), text);
                }
                expected.entries[std::size_t(string)] = text;
                story += QStringLiteral(" %1='%2'").arg(string).arg(text);
            }
            if (cancelOnly) {
                QTest::mouseClick(dialog.btnCancel, Qt::LeftButton);
                closedAsExpected = !frmRetune->isVisible();
                return;
            }
            QString refusal;
            refused = withModals([&] { QTest::mouseClick(dialog.btnRetune, Qt::LeftButton); },
                          [&](QWidget *box) { refusal = dismiss(box); })
                > 0;
            if (refused) {
                // The dialog stays up for a correction; leave it by Cancel or its close box.
                closedAsExpected
                    = frmRetune->isVisible() && refusal.contains(QStringLiteral("not a note name"));
                if (upTo(2) == 0)
                    QTest::mouseClick(dialog.btnCancel, Qt::LeftButton);
                else
                    frmRetune->close();
            } else {
                closedAsExpected = !frmRetune->isVisible();
            }
            if (frmRetune->isVisible())
                frmRetune->close();
        });
    note(story + (refused ? QStringLiteral(" (refused)") : QString()));
    QCOMPARE(shown, 1);
    QVERIFY2(closedAsExpected, "the dialog did not open and close as a user expects");

    bool allNames = true;
    for (const QString &entry : expected.entries)
        allNames = allNames && isSharpName(entry.toStdString());
    QCOMPARE(refused, !cancelOnly && !allNames);
    if (refused)
        ++retunesRefused;
    expected.key.clear();
    if (cancelOnly || refused)
        return;
    ++retunesApplied;
    QStringList texts;
    for (int s = 0; s < neckStringCount; ++s) {
        expected.offsets[s]
            = noteToPitch(expected.entries[s].toStdString()) - neckStrings[s].openPitch;
        texts << expected.entries[s];
    }
    expected.tuningText = texts.join(QLatin1Char(' '));
}

void RandomInput::check()
{
    Ui::TfrmGuitar &ui = guitar->ui;
    QVERIFY(!QApplication::activeModalWidget());

    const std::array<QLabel *, neckStringCount> letters
        = { ui.LabelE, ui.LabelA, ui.LabelD, ui.LabelG, ui.LabelB, ui.LabelE2 };
    for (int s = 0; s < neckStringCount; ++s) {
        QCOMPARE(letters[s]->text(), QString::fromStdString(pitchToNote(expected.pitch(s, 0))));
        for (int f = 0; f < neckFretCount; ++f) {
            const TMusic *marker = guitar->neckMarkers[s][f];
            QVERIFY2(marker->Note() >= 0 && marker->Note() < 12, qPrintable(marker->objectName()));
            QCOMPARE(marker->Note(), expected.pitch(s, f));
            const Look look = expected.neck[s][f];
            const bool shown = marker->brushStyle() == TShape::bsSolid;
            QVERIFY2(shown == (look != hidden), qPrintable(marker->objectName()));
            QCOMPARE(marker->penStyle() == TShape::psSolid, shown);
            if (shown)
                QCOMPARE(
                    marker->brushColor(), look == highlighted ? markerNavy : QColor(Qt::white));
        }
    }
    QCOMPARE(ui.fldTuning->text(), expected.tuningText);
    QCOMPARE(ui.fldKey->text(), expected.key);
    QCOMPARE(ui.Edit2->text(), expected.steps);

    const std::array<QComboBox *, neckStringCount> entries
        = { frmRetune->ui.ComboBox6, frmRetune->ui.ComboBox5, frmRetune->ui.ComboBox4,
              frmRetune->ui.ComboBox3, frmRetune->ui.comboBox2, frmRetune->ui.ComboBox1 };
    for (int s = 0; s < neckStringCount; ++s)
        QCOMPARE(entries[s]->currentText(), expected.entries[s]);

    // At most one marker per diagram row, the one the last chord's code names.
    const std::string &code = expected.chordCode;
    for (int p = 0; p < chordPositionCount; ++p) {
        for (int row = 0; row < chordRowCount; ++row) {
            const char state = code.empty() ? ' ' : code[std::size_t(p * shapeBlockLength + row)];
            const int litColumn = state == '5' ? 0
                : state >= '0' && state <= '4' ? state - '0'
                                               : -1;
            int shownInRow = 0;
            for (int c = 0; c < chordColumnCount; ++c) {
                const TNote *marker = guitar->chordMarkers[p][row][c];
                const bool shown = marker->brushStyle() == TShape::bsSolid;
                shownInRow += shown;
                QVERIFY2(shown == (c == litColumn), qPrintable(marker->objectName()));
                if (shown)
                    QCOMPARE(
                        marker->brushColor(), state == '5' ? QColor(Qt::black) : QColor(Qt::white));
            }
            QVERIFY(shownInRow <= 1);
        }
        for (int column = 0; column < shapeLabelCount; ++column) {
            QString label;
            if (!code.empty()) {
                // Letters stand for frets 10 and up; digits show as they are.
                const std::string_view letter = std::string_view(code).substr(
                    std::size_t(p * shapeBlockLength + shapeStateCount + column), 1);
                label = letter >= "A" && letter <= "E"
                    ? QString::fromStdString(fretLabelText(letter))
                    : QString::fromLatin1(letter.data(), 1);
            }
            QCOMPARE(guitar->fretBoxes[p][column]->text(), label);
        }
    }

    // The scale area keeps its one-pixel seam at the right; the chord area its width.
    QCOMPARE(ui.PanelScale->width(), 636 + guitar->width() - defaultSize.width());
    QCOMPARE(ui.Panel1->width(), 636);
    QCOMPARE(ui.DefaultScreenSize1->isChecked(), expected.defaultSizeChecked);
}

} // namespace

QTEST_MAIN(RandomInput)
#include "tst_random_input.moc"
