// The chord diagrams: three fingerings of the chosen chord with fret numbers,
// name and makeup.

#include "ChordLayout.h"
#include "flMainForm.h"

#include "Components.h"
#include "MessageBox.h"
#include "Music.h"
#include "flChordInf.h"

#include <QString>

namespace {

const QString noChordSelected = QStringLiteral("Please select a key/chord type first!");

constexpr int stateMuted = 5;

} // namespace

void TfrmGuitar::createChordMarkers()
{
    const std::array<QWidget *, chordPositionCount> panels = { ui.Panel2, ui.Panel5, ui.Panel3 };
    for (int position = 0; position < chordPositionCount; ++position) {
        for (int row = 0; row < chordRowCount; ++row) {
            for (int column = 0; column < chordColumnCount; ++column) {
                auto *marker = new TNote(panels[position]);
                marker->setObjectName(
                    QStringLiteral("chord%1%2%3").arg(position + 1).arg(row + 1).arg(column));
                const int top = column == 0 ? chordRows[row].squareTop : chordRows[row].dotTop;
                marker->setGeometry(
                    chordColumnLefts[column], top, chordMarkerWidth, chordMarkerHeight);
                marker->setShape(column == 0 ? TShape::stRoundSquare : TShape::stCircle);
                chordMarkers[position][row][column] = marker;
            }
        }
    }
    fretBoxes = { {
        { ui.c1f1, ui.c1f2, ui.c1f3, ui.c1f4 },
        { ui.c2f1, ui.c2f2, ui.c2f3, ui.c2f4 },
        { ui.c3f1, ui.c3f2, ui.c3f3, ui.c3f4 },
    } };
}

void TfrmGuitar::btnShowChordClick(QObject *)
{
    // The type list is checked before the key list.
    if (ui.cmbChordType->currentText().isEmpty() || ui.cmbChordKey->currentText().isEmpty()) {
        showInformation(this, noChordSelected);
        return;
    }
    ui.fldChordName->clear();
    btnClearFretsClick(ui.btnClearChords);
    ui.fldChordName->setText(
        ui.cmbChordKey->currentText() + QLatin1Char(' ') + ui.cmbChordType->currentText());
    showMakeup(ui.cmbChordType->currentIndex());
    const std::string code
        = chordShape(ui.cmbChordKey->currentIndex(), ui.cmbChordType->currentIndex());
    TurnOnChords(code);
    showFretNums(code);
}

void TfrmGuitar::showMakeup(int chordType)
{
    ui.txtMakeup->setText(QString::fromStdString(chordMakeup(chordType)));
}

void TfrmGuitar::TurnOnChords(const std::string &shapeCode)
{
    // Every state is read before any marker is touched.
    std::array<std::array<int, chordRowCount>, chordPositionCount> states {};
    for (int position = 0; position < chordPositionCount; ++position) {
        for (int row = 0; row < chordRowCount; ++row) {
            const std::size_t at = std::size_t(position * shapeBlockLength + row);
            const char state = at < shapeCode.size() ? shapeCode[at] : ' ';
            states[position][row] = state >= '0' && state <= '9' ? state - '0' : -1;
        }
    }

    TMarkerMessage openShow { msgShow, 12, 1, 0 };
    TMarkerMessage mutedShow { msgShow, 1, 1, 0 };
    for (int position = 0; position < chordPositionCount; ++position) {
        for (int row = 0; row < chordRowCount; ++row) {
            const int state = states[position][row];
            auto &markers = chordMarkers[position][row];
            if (state >= 0 && state < stateMuted)
                markers[state]->Dispatch(openShow);
            else if (state == stateMuted)
                markers[0]->Dispatch(mutedShow);
        }
    }
}

void TfrmGuitar::showFretNums(const std::string &shapeCode)
{
    for (int position = 0; position < chordPositionCount; ++position) {
        for (int column = 0; column < shapeLabelCount; ++column) {
            const std::size_t at
                = std::size_t(position * shapeBlockLength + shapeStateCount + column);
            const std::string label = at < shapeCode.size() ? shapeCode.substr(at, 1) : "";
            // Digits show as they stand; only the letters for frets 10 to 14 are decoded.
            const bool letter = !label.empty() && label[0] >= 'A' && label[0] <= 'E';
            fretBoxes[position][column]->setText(
                QString::fromStdString(letter ? fretLabelText(label) : label));
        }
    }
}

void TfrmGuitar::clearChordArea()
{
    TMarkerMessage message { msgHide, 0, 0, 0 };
    const auto components = componentsOf(this);
    for (QObject *component : components) {
        if (auto *marker = qobject_cast<TNote *>(component))
            marker->Dispatch(message);
    }
    for (const auto &boxes : fretBoxes) {
        for (QLineEdit *box : boxes)
            box->clear();
    }
    ui.fldChordName->clear();
}
