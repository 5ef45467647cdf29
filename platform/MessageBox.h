#pragma once

class QString;
class QWidget;

// The modal information box: caption "Information", one OK button.
void showInformation(QWidget *parent, const QString &text);
