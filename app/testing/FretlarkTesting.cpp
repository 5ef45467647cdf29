#include "FretlarkTesting.h"

#include "Music.h"
#include "Startup.h"

#include <QApplication>
#include <QComboBox>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

Forms::Forms()
{
    ApplicationInitialize();
    m_guitar = std::make_unique<TfrmGuitar>();
    frmGuitar = m_guitar.get();
    m_about = std::make_unique<TAboutForm>();
    AboutForm = m_about.get();
    m_retune = std::make_unique<TfrmRetune>();
    frmRetune = m_retune.get();
    m_guitar->show();
    if (!QTest::qWaitForWindowExposed(m_guitar.get()))
        qWarning("the main window was not exposed");
}

Forms::~Forms()
{
    m_retune.reset();
    frmRetune = nullptr;
    m_about.reset();
    AboutForm = nullptr;
    m_guitar.reset();
    frmGuitar = nullptr;
}

bool whileModal(const std::function<void()> &action, const std::function<void(QWidget *)> &onDialog)
{
    bool appeared = false;
    QTimer poll;
    poll.setInterval(10);
    int waited = 0;
    QObject::connect(&poll, &QTimer::timeout, &poll, [&] {
        if (QWidget *dialog = QApplication::activeModalWidget()) {
            poll.stop();
            appeared = true;
            onDialog(dialog);
        } else if ((waited += 10) > 5000) {
            poll.stop();
        }
    });
    poll.start();
    action();
    poll.stop();
    return appeared;
}

QString acceptMessageBox(const std::function<void()> &action)
{
    QString text;
    whileModal(action, [&text](QWidget *dialog) {
        auto *box = qobject_cast<QMessageBox *>(dialog);
        if (!box) {
            dialog->close();
            return;
        }
        text = box->text();
        QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
    });
    return text;
}

void doubleClick(TMusic *marker)
{
    QTest::mouseDClick(marker, Qt::LeftButton, {}, marker->rect().center());
}

void choose(QComboBox *list, int index)
{
    list->setCurrentIndex(index);
}

void choose(QComboBox *list, const QString &text)
{
    list->setCurrentIndex(list->findText(text));
}
