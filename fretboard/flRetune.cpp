#include "flRetune.h"

#include "NeckGrid.h"
#include "flMainForm.h"

#include "ItemHeight.h"
#include "MessageBox.h"
#include "ScreenPlacement.h"
#include "WindowFonts.h"
#include "flUtils.h"

#include <QCompleter>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStringList>

TfrmRetune *frmRetune = nullptr;

namespace {

constexpr int listItemHeight = 13;

struct StringEntry
{
    QComboBox *Ui::TfrmRetune::*entry;
    const char *stringName; // as the dialog captions it
    void (TfrmGuitar::*transpose)(int offset);
    QLabel *Ui::TfrmGuitar::*letter;
};

// Low E string first, as the neck counts them.
const std::array<StringEntry, neckStringCount> stringEntries = { {
    { &Ui::TfrmRetune::ComboBox6, "Low E", &TfrmGuitar::tuneAltE, &Ui::TfrmGuitar::LabelE },
    { &Ui::TfrmRetune::ComboBox5, "A", &TfrmGuitar::tuneAltA, &Ui::TfrmGuitar::LabelA },
    { &Ui::TfrmRetune::ComboBox4, "D", &TfrmGuitar::tuneAltD, &Ui::TfrmGuitar::LabelD },
    { &Ui::TfrmRetune::ComboBox3, "G", &TfrmGuitar::tuneAltG, &Ui::TfrmGuitar::LabelG },
    { &Ui::TfrmRetune::comboBox2, "B", &TfrmGuitar::tuneAltB, &Ui::TfrmGuitar::LabelB },
    { &Ui::TfrmRetune::ComboBox1, "High E", &TfrmGuitar::tuneAltE2, &Ui::TfrmGuitar::LabelE2 },
} };

QString acceptedNames()
{
    QStringList names;
    for (std::string_view name : sharpNames)
        names << QString::fromLatin1(name.data(), qsizetype(name.size()));
    return names.join(QStringLiteral(", "));
}

} // namespace

TfrmRetune::TfrmRetune(QWidget *parent)
    : QDialog(parent)
{
    ui.setupUi(this);
    applyFonts(this, retuneFonts);
    setWindowFlags(
        Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    // A dialog border: the window keeps its designed size.
    setFixedSize(size());
    for (const StringEntry &string : stringEntries) {
        QComboBox *combo = ui.*string.entry;
        // The entry keeps what was typed: the stock completer would turn "e" into
        // "E" on leaving the field, and Enter would add typed texts to the list.
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->completer()->setCaseSensitivity(Qt::CaseSensitive);
        setItemHeight(combo, listItemHeight);
    }
    connect(ui.btnRetune, &QPushButton::clicked, this, [this] { btnRetuneClick(ui.btnRetune); });
    connect(ui.btnCancel, &QPushButton::clicked, this, [this] { btnCancelClick(ui.btnCancel); });
}

void TfrmRetune::showEvent(QShowEvent *event)
{
    centerOnScreen(this);
    QDialog::showEvent(event);
}

void TfrmRetune::keyPressEvent(QKeyEvent *event)
{
    // No button of this dialog is the cancel button, so Escape closes nothing,
    // just as Enter presses nothing.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TfrmRetune::btnRetuneClick(QObject *)
{
    // An entry that is no note name would silently tune its string to A under
    // a tuning field repeating the typo; refuse it and let the user correct it.
    // Checked top row first, as the user reads the dialog.
    for (auto string = stringEntries.rbegin(); string != stringEntries.rend(); ++string) {
        QComboBox *combo = ui.*string->entry;
        const QString text = combo->currentText();
        if (!isSharpName(text.toStdString())) {
            showInformation(this,
                QStringLiteral("The %1 string's entry \"%2\" is not a note name.\n"
                               "Please enter one of: %3.")
                    .arg(QLatin1String(string->stringName), text, acceptedNames()));
            combo->setFocus(Qt::OtherFocusReason);
            combo->lineEdit()->selectAll();
            return;
        }
    }

    std::array<int, neckStringCount> chosen {};
    for (int s = 0; s < neckStringCount; ++s)
        chosen[s] = noteToPitch((ui.*stringEntries[s].entry)->currentText().toStdString());

    frmGuitar->tuneStandard();
    for (int s = 0; s < neckStringCount; ++s) {
        (frmGuitar->*stringEntries[s].transpose)(chosen[s] - neckStrings[s].openPitch);
        (frmGuitar->ui.*stringEntries[s].letter)
            ->setText(QString::fromStdString(pitchToNote(chosen[s])));
    }

    QStringList entries;
    for (const StringEntry &string : stringEntries)
        entries << (ui.*string.entry)->currentText();
    frmGuitar->ui.fldTuning->setText(entries.join(QLatin1Char(' ')));
    close();
}

void TfrmRetune::btnCancelClick(QObject *)
{
    close();
}
