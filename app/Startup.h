#pragma once

// Start-up as the program does it, shared with the tests and benchmarks that
// build the same windows.

#include <memory>

class TfrmGuitar;
class TAboutForm;
class TfrmRetune;

// Sets up the application object: one widget style and font everywhere, the
// program's icon.
void ApplicationInitialize();

// The program's three windows, created in start-up order (the main window,
// the About box, the retune dialog) into their unit variables, and destroyed
// in reverse order with them.
class TApplicationForms
{
public:
    TApplicationForms();
    ~TApplicationForms();
    TApplicationForms(const TApplicationForms &) = delete;
    TApplicationForms &operator=(const TApplicationForms &) = delete;

private:
    std::unique_ptr<TfrmGuitar> m_guitar;
    std::unique_ptr<TAboutForm> m_about;
    std::unique_ptr<TfrmRetune> m_retune;
};
