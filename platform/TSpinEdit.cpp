#include "TSpinEdit.h"

#include <algorithm>

TSpinEdit::TSpinEdit(QWidget *parent)
    : QSpinBox(parent)
{ }

QValidator::State TSpinEdit::validate(QString &input, int &) const
{
    bool whole = false;
    const int number = input.trimmed().toInt(&whole);
    // Never Invalid: every keystroke is taken, and the field is put right when left.
    return whole && number >= minimum() && number <= maximum() ? QValidator::Acceptable
                                                               : QValidator::Intermediate;
}

void TSpinEdit::fixup(QString &input) const
{
    bool whole = false;
    const int number = input.trimmed().toInt(&whole);
    input = QString::number(whole ? std::clamp(number, minimum(), maximum()) : minimum());
}
