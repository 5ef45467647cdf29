#include "Startup.h"

#include "WindowFonts.h"

#include "flAbout.h"
#include "flMainForm.h"
#include "flRetune.h"

#include <QApplication>
#include <QIcon>
#include <QStyleFactory>

void ApplicationInitialize()
{
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/mainicon.png")));
    QApplication::setFont(windowFont());
}

TApplicationForms::TApplicationForms()
{
    m_guitar = std::make_unique<TfrmGuitar>();
    frmGuitar = m_guitar.get();
    m_about = std::make_unique<TAboutForm>();
    AboutForm = m_about.get();
    m_retune = std::make_unique<TfrmRetune>();
    frmRetune = m_retune.get();
}

TApplicationForms::~TApplicationForms()
{
    m_retune.reset();
    frmRetune = nullptr;
    m_about.reset();
    AboutForm = nullptr;
    m_guitar.reset();
    frmGuitar = nullptr;
}
