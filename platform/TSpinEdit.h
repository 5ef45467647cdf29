#pragma once

#include <QSpinBox>

// A number field with up and down buttons. Anything may be typed; when the
// field is left (or interpretText() is called), a whole number outside the
// range goes to the nearer bound and text that is no whole number to the minimum.
class TSpinEdit : public QSpinBox
{
    Q_OBJECT

public:
    explicit TSpinEdit(QWidget *parent = nullptr);

    QValidator::State validate(QString &input, int &pos) const override;
    void fixup(QString &input) const override;
};
