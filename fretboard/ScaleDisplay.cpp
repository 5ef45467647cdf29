// Showing a scale on the neck, and the shared clear handler.

#include "flMainForm.h"

#include "Components.h"
#include "MessageBox.h"
#include "Music.h"
#include "flScaleInf.h"
#include "flUtils.h"

namespace {

const QString noScaleSelected = QStringLiteral("Please select a scale/mode first");

// Shows the step text and the key's name, and gives the scale laid over the key.
std::array<int, 12> showScaleHeader(Ui::TfrmGuitar &ui, int key)
{
    ui.Edit2->clear();
    const int scale = ui.cmbScales->currentIndex();
    ui.Edit2->setText(QString::fromStdString(scaleSteps(scale)));
    buildScaleMask(scale);
    ui.fldKey->setText(QString::fromStdString(keyDisplayName(key)));
    return placeScaleInKey(key);
}

} // namespace

void TfrmGuitar::noteDblClick(QObject *Sender)
{
    const int key = static_cast<TMusic *>(Sender)->Note();
    if (ui.fldTuning->text() == QLatin1String("standard"))
        scaleControl(key);
    else
        altScaleControl(key);
}

void TfrmGuitar::scaleControl(int key)
{
    if (ui.cmbScales->currentText().isEmpty()) {
        showInformation(this, noScaleSelected);
        return;
    }
    btnClearFretsClick(ui.btnClearFrets);
    const std::array<int, 12> placed = showScaleHeader(ui, key);

    // Each marker holding a pitch of the scale sends that pitch's whole group the
    // show message; the repeats change nothing further.
    TMarkerMessage message { msgShow, 0, 0, 0 };
    const auto components = componentsOf(this);
    for (QObject *component : components) {
        auto *marker = qobject_cast<TMusic *>(component);
        if (!marker)
            continue;
        message.LParam = 12;
        for (int k = 0; k < 12; ++k) {
            if (placed[k] != 1 || marker->Note() != k)
                continue;
            message.WParam = k;
            if (k == key)
                message.LParam = k;
            for (TMusic *groupMember : pitchGroups[k])
                groupMember->Dispatch(message);
        }
    }
}

void TfrmGuitar::altScaleControl(int key)
{
    if (ui.cmbScales->currentText().isEmpty()) {
        showInformation(this, noScaleSelected);
        return;
    }
    btnClearFretsClick(ui.btnClearFrets);
    const std::array<int, 12> placed = showScaleHeader(ui, key);

    TMarkerMessage message { msgShow, 12, 1, key + keyFormOffset };
    const auto components = componentsOf(this);
    for (QObject *component : components) {
        auto *marker = qobject_cast<TMusic *>(component);
        if (marker && marker->Note() >= 0 && marker->Note() < 12 && placed[marker->Note()] == 1)
            marker->Dispatch(message);
    }
}

void TfrmGuitar::btnClearFretsClick(QObject *Sender)
{
    ui.fldKey->clear();
    if (Sender == ui.btnClearFrets) {
        ui.Edit2->clear();
        TMarkerMessage message { msgHide, 0, 0, 0 };
        const auto components = componentsOf(this);
        for (QObject *component : components) {
            if (auto *marker = qobject_cast<TMusic *>(component))
                marker->Dispatch(message);
        }
    } else if (Sender == ui.btnClearChords) {
        clearChordArea();
    }
}
