#include "TStatusBar.h"

#include <QEvent>
#include <QLabel>

TStatusBar::TStatusBar(QWidget *parent)
    : QStatusBar(parent)
    , m_panel(new QLabel(this))
{
    m_panel->setObjectName(QStringLiteral("Panel0"));
    addWidget(m_panel, 1);
    setSizeGripEnabled(true);
    if (parent)
        parent->installEventFilter(this);
}

bool TStatusBar::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize) {
        const QWidget *owner = parentWidget();
        setGeometry(0, owner->height() - height(), owner->width(), height());
    }
    return QStatusBar::eventFilter(watched, event);
}

QString TStatusBar::panelText(int index) const
{
    return index == 0 ? m_panel->text() : QString();
}

void TStatusBar::setPanelText(int index, const QString &text)
{
    if (index != 0)
        return;
    m_panel->setText(text);
    // Progress texts are set just before long work; show them before it starts.
    m_panel->repaint();
}
