#pragma once

// Shared by the window tests: the program's three windows as start-up makes
// them, and ways to act on them as a user would.

#include "Startup.h"
#include "flAbout.h"
#include "flMainForm.h"
#include "flRetune.h"

#include <QString>
#include <functional>
#include <memory>

class TMusic;

// Creates the main window, the About box and the retune dialog in start-up
// order and shows the main window; destroys them again in reverse.
class Forms
{
public:
    Forms();
    ~Forms();
    Forms(const Forms &) = delete;
    Forms &operator=(const Forms &) = delete;

    TfrmGuitar &guitar() { return *frmGuitar; }

private:
    std::unique_ptr<TApplicationForms> m_forms;
};

// Runs action, which is expected to open a modal dialog; calls onDialog with
// the dialog (or message box) while it is up. onDialog must close it. Returns
// false if no modal dialog appeared within a few seconds.
bool whileModal(
    const std::function<void()> &action, const std::function<void(QWidget *)> &onDialog);

// Runs action, expecting an information box; returns its text (empty if none
// appeared) after pressing its OK button.
QString acceptMessageBox(const std::function<void()> &action);

// Double-clicks a neck marker at its centre, as the user does.
void doubleClick(TMusic *marker);

// Chooses an item in a drop-down list as the user does (by index; -1 clears).
class QComboBox;
void choose(QComboBox *list, int index);
void choose(QComboBox *list, const QString &text);
