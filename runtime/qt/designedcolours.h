// The colours the program gives one widget, kept readable on whatever theme the desktop uses.
#pragma once

#include <QColor>
#include <QObject>

#include <optional>

class QWidget;

namespace freefall {

class DesignedColours : public QObject
{
    Q_OBJECT

public:
    // The widget's own, made on first use as its child, so that it lives as long as the widget.
    static DesignedColours &of(QWidget *widget);

    // The background of a text box; its text keeps the theme's colour where that reads on it.
    void setBackground(const QColor &colour);
    // The caption colour; where it does not read on the window behind it, the nearest that does.
    void setForeground(const QColor &colour, double minimumContrast);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit DesignedColours(QWidget *widget);
    void apply();

    QWidget *widget_;
    std::optional<QColor> background_;
    std::optional<QColor> foreground_;
    double minimumContrast_ = 0;
    bool applying_ = false;
};

} // namespace freefall
