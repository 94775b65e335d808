// Reports the first frame of a window for the start-up benchmark: with FREEFALL_REPORT_SHOWN
// set, the program and the bare window it is measured against print "shown" the same way.
#pragma once

#include <QEvent>
#include <QObject>
#include <QTimer>

#include <cstdio>

namespace freefall {

class ShownReporter : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !reported_) {
            reported_ = true;
            // After the paint event has been handled and the frame flushed.
            QTimer::singleShot(0, this, [] {
                std::fputs("shown\n", stdout);
                std::fflush(stdout);
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool reported_ = false;
};

} // namespace freefall
