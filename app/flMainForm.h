#pragma once

// The main window: the neck with its scale controls above, the chord
// diagrams below. Its operations live with their subsystems: the neck and the
// scale display in fretboard/, the chord diagrams in chords/, the frame and
// printing here in app/.

#include "ui_flMainForm.h"

#include <QMainWindow>
#include <array>
#include <string>
#include <vector>

class TMusic;
class TNote;
class QLineEdit;

class TfrmGuitar : public QMainWindow
{
    Q_OBJECT

public:
    explicit TfrmGuitar(QWidget *parent = nullptr);
    ~TfrmGuitar() override;

    // Start-up and frame (flMainForm.cpp).
    void FormCreate(QObject *Sender);
    void FormResize(QObject *Sender);
    void DefaultScreenSize1Click(QObject *Sender);
    void Exit1Click(QObject *Sender);
    void About1Click(QObject *Sender);

    // The neck and the scale display (fretboard/).
    void tuneStandard();
    void noteDblClick(QObject *Sender);
    void scaleControl(int key);
    void altScaleControl(int key);
    void btnClearFretsClick(QObject *Sender);

    // Retuning (fretboard/).
    void Button1Click(QObject *Sender);
    void Button2Click(QObject *Sender);
    void tuneAltE(int offset);
    void tuneAltA(int offset);
    void tuneAltD(int offset);
    void tuneAltG(int offset);
    void tuneAltB(int offset);
    void tuneAltE2(int offset);

    // The chord diagrams (chords/).
    void btnShowChordClick(QObject *Sender);
    void showMakeup(int chordType);
    void TurnOnChords(const std::string &shapeCode);
    void showFretNums(const std::string &shapeCode);

    // Printing (flPrint.cpp and flMainForm.cpp).
    void Print1Click(QObject *Sender);
    void PrintSetup1Click(QObject *Sender);
    void PrintScreen1Click(QObject *Sender);

    // The controls of the design, by their names.
    Ui::TfrmGuitar ui;

    // The neck's markers by string (low E first) and fret, and the chord
    // diagrams' markers by position, string row and column (0 = open/muted square).
    std::array<std::array<TMusic *, 23>, 6> neckMarkers {};
    std::array<std::array<std::array<TNote *, 5>, 6>, 3> chordMarkers {};
    // The fret number boxes by position and column.
    std::array<std::array<QLineEdit *, 4>, 3> fretBoxes {};

protected:
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void createNeckMarkers();                     // fretboard/
    void createChordMarkers();                    // chords/
    void clearChordArea();                        // chords/
    void transposeString(int string, int offset); // fretboard/
    void connectControls();

    // The markers of each standard pitch, in the order the scale display sends to them.
    std::array<std::vector<TMusic *>, 12> pitchGroups;

    int defaultHeight = 0;
    int defaultWidth = 0;
    int defaultScaleWidth = 0;
    bool created = false;
    bool placed = false;
};

extern TfrmGuitar *frmGuitar;
extern int printPercent;
