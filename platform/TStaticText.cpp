#include "TStaticText.h"

TStaticText::TStaticText(QWidget *parent)
    : QLabel(parent)
{ }
