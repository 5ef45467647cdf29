#pragma once

#include <QGroupBox>

// A group box drawn with its caption on the frame line: an etched frame that
// starts half a text line down, broken where the caption stands at the left.
class TGroupBox : public QGroupBox
{
    Q_OBJECT

public:
    explicit TGroupBox(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};
