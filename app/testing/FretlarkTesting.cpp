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
    m_forms = std::make_unique<TApplicationForms>();
    frmGuitar->show();
    if (!QTest::qWaitForWindowExposed(frmGuitar))
        qWarning("the main window was not exposed");
}

Forms::~Forms() = default;

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
