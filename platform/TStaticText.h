#pragma once

#include <QLabel>

// A static text is a control of its own (unlike a label, which belongs to
// its parent): with no cursor set it shows the arrow, not its parent's cursor.
class TStaticText : public QLabel
{
    Q_OBJECT

public:
    explicit TStaticText(QWidget *parent = nullptr);
};
