// The neck: its markers, standard tuning and the per-string transposition.

#include "NeckGrid.h"
#include "flMainForm.h"

#include "Music.h"

#include <QString>

namespace {

QString qstr(std::string_view text)
{
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

} // namespace

void TfrmGuitar::createNeckMarkers()
{
    for (const NeckCell &cell : neckGrid) {
        auto *marker = new TMusic(ui.PanelScale);
        marker->setObjectName(qstr(cell.name));
        marker->setGeometry(cell.left, cell.top, cell.width, neckMarkerHeight);
        marker->setShape(TShape::stCircle);
        marker->setNote(cell.standardPitch);
        marker->OnDblClick = [this](TMusic *sender) { noteDblClick(sender); };
        // Above the picture, strings and letters; below the scale controls.
        marker->stackUnder(ui.Label11);
        neckMarkers[cell.string][cell.fret] = marker;
    }
    for (std::size_t pitch = 0; pitch < pitchGroupNames.size(); ++pitch) {
        for (std::string_view name : pitchGroupNames[pitch]) {
            if (name.empty())
                break;
            pitchGroups[pitch].push_back(ui.PanelScale->findChild<TMusic *>(qstr(name)));
        }
    }
}

void TfrmGuitar::tuneStandard()
{
    const std::array<QLabel *, neckStringCount> letters
        = { ui.LabelE, ui.LabelA, ui.LabelD, ui.LabelG, ui.LabelB, ui.LabelE2 };
    for (int string = 0; string < neckStringCount; ++string) {
        for (const NeckCell &cell : neckGrid) {
            if (cell.string == string)
                neckMarkers[string][cell.fret]->setNote(cell.standardPitch);
        }
        letters[string]->setText(qstr(neckStrings[string].letter));
    }
    ui.fldTuning->setText(QStringLiteral("standard"));
}

void TfrmGuitar::transposeString(int string, int offset)
{
    TMarkerMessage message { msgTranspose, offset, offset, 0 };
    for (TMusic *marker : neckMarkers[string])
        marker->Dispatch(message);
}

void TfrmGuitar::tuneAltE(int offset)
{
    transposeString(0, offset);
}

void TfrmGuitar::tuneAltA(int offset)
{
    transposeString(1, offset);
}

void TfrmGuitar::tuneAltD(int offset)
{
    transposeString(2, offset);
}

void TfrmGuitar::tuneAltG(int offset)
{
    transposeString(3, offset);
}

void TfrmGuitar::tuneAltB(int offset)
{
    transposeString(4, offset);
}

void TfrmGuitar::tuneAltE2(int offset)
{
    transposeString(5, offset);
}
