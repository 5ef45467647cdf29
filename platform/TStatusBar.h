#pragma once

#include <QStatusBar>

class QLabel;

// A status bar of text panels; its one panel runs to the bar's right end.
// It keeps itself along the bottom edge of its parent, at the parent's full width.
class TStatusBar : public QStatusBar
{
    Q_OBJECT

public:
    explicit TStatusBar(QWidget *parent = nullptr);

    QString panelText(int index) const;
    void setPanelText(int index, const QString &text);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLabel *m_panel;
};
