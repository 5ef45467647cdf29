// What a user waits for after a click: a scale display with the neck
// repainted, Show Chords with the diagrams repainted; each beside a bare
// repaint of the same panels, measured in the same run.

#include "FretlarkTesting.h"

#include "Music.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QPushButton>
#include <QTest>

namespace {

// Paints what the last action left to repaint, now.
void paintPending(QWidget *window)
{
    QCoreApplication::sendPostedEvents(window, QEvent::UpdateRequest);
}

// Counts a control's paints, to show that a measured action repainted it.
class PaintCount : public QObject
{
public:
    explicit PaintCount(QWidget *control) { control->installEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

} // namespace

class Interaction : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        forms = std::make_unique<Forms>();
        TfrmGuitar &guitar = forms->guitar();
        choose(guitar.ui.cmbScales, QStringLiteral("Major (Ionian mode)"));
        choose(guitar.ui.cmbChordKey, QStringLiteral("C"));
        choose(guitar.ui.cmbChordType, QStringLiteral("minor 7th"));
        paintPending(&guitar);
    }

    void cleanupTestCase() { forms.reset(); }

    // Double-click, by turns, fret 8 of the low E string (C) and the open A
    // string, so that every display changes most of the neck.
    void scaleDisplay()
    {
        TfrmGuitar &guitar = forms->guitar();
        TMusic *const keys[2] = { guitar.neckMarkers[0][8], guitar.neckMarkers[1][0] };
        int turn = 0;
        QBENCHMARK
        {
            doubleClick(keys[turn ^= 1]);
            paintPending(&guitar);
        }
        QVERIFY(!guitar.ui.fldKey->text().isEmpty());
    }

    void neckRepaint()
    {
        TfrmGuitar &guitar = forms->guitar();
        QBENCHMARK
        {
            guitar.ui.PanelScale->repaint();
        }
    }

    void showChords()
    {
        TfrmGuitar &guitar = forms->guitar();
        QBENCHMARK
        {
            QTest::mouseClick(guitar.ui.btnShowChord, Qt::LeftButton);
            paintPending(&guitar);
        }
        QCOMPARE(guitar.ui.fldChordName->text(), QStringLiteral("C minor 7th"));
    }

    void diagramsRepaint()
    {
        TfrmGuitar &guitar = forms->guitar();
        QBENCHMARK
        {
            guitar.ui.Panel2->repaint();
            guitar.ui.Panel5->repaint();
            guitar.ui.Panel3->repaint();
        }
    }

private:
    std::unique_ptr<Forms> forms;
};

QTEST_MAIN(Interaction)
#include "bench_interaction.moc"
