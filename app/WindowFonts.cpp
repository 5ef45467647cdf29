#include "WindowFonts.h"

#include <QColor>
#include <QFont>
#include <QLabel>
#include <QPalette>
#include <QString>
#include <QWidget>
#include <QtGlobal>

QFont windowFont()
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(11);
    font.setWeight(QFont::Normal);
    font.setStyle(QFont::StyleNormal);
    font.setUnderline(false);
    font.setStrikeOut(false);
    return font;
}

namespace {

constexpr QPalette::ColorRole textRoles[]
    = { QPalette::WindowText, QPalette::Text, QPalette::ButtonText };

} // namespace

void applyFonts(QWidget *window, std::span<const ControlFont> fonts)
{
    Q_ASSERT(window);
    const QFont base = windowFont();
    // Usually the application's font already: setting it again would only make
    // every control of the window take it anew.
    if (window->font() != base)
        window->setFont(base);
    // A control with a font of its own does not take its parent's colour either.
    const QPalette windowPalette = window->palette();
    const QColor navy(0, 0, 128);

    for (const ControlFont &entry : fonts) {
        const QString name = QString::fromUtf8(entry.name.data(), qsizetype(entry.name.size()));
        QWidget *control = window->findChild<QWidget *>(name);
        if (!control) {
            qWarning("applyFonts: %s has no control named %s", qPrintable(window->objectName()),
                qPrintable(name));
            Q_ASSERT_X(control, "applyFonts", "font entry for a missing control");
            continue;
        }

        QFont font = base;
        font.setPixelSize(entry.pixelHeight);
        font.setBold(entry.bold);
        control->setFont(font);

        // Only the text colours are the control's own; the rest still follows its parent.
        QPalette palette;
        for (QPalette::ColorRole role : textRoles) {
            // Disabled text keeps the platform's grey.
            for (QPalette::ColorGroup group : { QPalette::Active, QPalette::Inactive }) {
                palette.setColor(group, role, entry.navy ? navy : windowPalette.color(group, role));
            }
        }
        control->setPalette(palette);
    }
    fitTextsToFonts(window);
}

void fitTextsToFonts(QWidget *window)
{
    // Labels and static texts size themselves to their text; the stand-in font
    // runs a little wider than the designed one, so let them grow to fit.
    const auto labels = window->findChildren<QLabel *>();
    for (QLabel *label : labels) {
        if (!label->pixmap().isNull() || label->text().isEmpty())
            continue;
        const int needed = label->fontMetrics().horizontalAdvance(label->text());
        if (needed > label->width())
            label->resize(needed, label->height());
    }
}
