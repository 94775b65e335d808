// Each time the widget's palette changes (the theme changed, or the desktop switched between
// light and dark) the colours are worked out again from the theme's, which the parent carries:
// only the roles set here override it.
#include "runtime/qt/designedcolours.h"

#include "runtime/qt/colour.h"
#include "runtime/readablecolour.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace freefall {

DesignedColours &DesignedColours::of(QWidget *widget)
{
    if (auto *existing =
            widget->findChild<DesignedColours *>(QString(), Qt::FindDirectChildrenOnly))
        return *existing;
    return *new DesignedColours(widget);
}

DesignedColours::DesignedColours(QWidget *widget) : QObject(widget), widget_(widget)
{
    widget->installEventFilter(this);
}

void DesignedColours::setBackground(const QColor &colour)
{
    background_ = colour;
    apply();
}

void DesignedColours::setForeground(const QColor &colour, double minimumContrast)
{
    foreground_ = colour;
    minimumContrast_ = minimumContrast;
    apply();
}

bool DesignedColours::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == widget_ && !applying_ &&
        (event->type() == QEvent::PaletteChange ||
         event->type() == QEvent::ApplicationPaletteChange))
        apply();
    return QObject::eventFilter(watched, event);
}

void DesignedColours::apply()
{
    const QWidget *parent = widget_->parentWidget();
    const QPalette theme = parent ? parent->palette() : QApplication::palette(widget_);
    QPalette palette;
    // The designed colours hold in every group, as the design sets them; only the groups a
    // working widget shows are adjusted, since disabled text is dimmed on purpose.
    if (background_) {
        palette.setColor(QPalette::Base, *background_);
        for (const auto group : {QPalette::Active, QPalette::Inactive}) {
            const QColor text = theme.color(group, QPalette::Text);
            const Colour readable = readableTextOn(toColour(*background_), toColour(text));
            if (readable != toColour(text))
                palette.setColor(group, QPalette::Text, toQColor(readable));
        }
    }
    if (foreground_) {
        // Styles draw a radio button's caption in WindowText, some in ButtonText; set both.
        palette.setColor(QPalette::WindowText, *foreground_);
        palette.setColor(QPalette::ButtonText, *foreground_);
        for (const auto group : {QPalette::Active, QPalette::Inactive}) {
            const QColor readable = toQColor(
                nearestReadable(toColour(*foreground_),
                                toColour(theme.color(group, QPalette::Window)), minimumContrast_));
            palette.setColor(group, QPalette::WindowText, readable);
            palette.setColor(group, QPalette::ButtonText, readable);
        }
    }
    applying_ = true;
    widget_->setPalette(palette);
    applying_ = false;
}

} // namespace freefall
