#include "MessageBox.h"

#include <QMessageBox>
#include <QString>

void showInformation(QWidget *parent, const QString &text)
{
    QMessageBox box(
        QMessageBox::Information, QStringLiteral("Information"), text, QMessageBox::Ok, parent);
    box.exec();
}
