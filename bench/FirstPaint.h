#pragma once

// Ends a start-up benchmark run at the window's first paint: prints the time
// since the launcher started the process (BENCH_LAUNCH_NS, a CLOCK_MONOTONIC
// reading in nanoseconds) and quits.

#include <QCoreApplication>
#include <QEvent>
#include <QObject>

#include <cstdio>
#include <cstdlib>
#include <ctime>

class FirstPaint : public QObject
{
public:
    explicit FirstPaint(QObject *window) { window->installEventFilter(this); }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !painted) {
            painted = true;
            // Queued, so the whole window has been painted when it runs.
            QMetaObject::invokeMethod(this, &FirstPaint::report, Qt::QueuedConnection);
        }
        return false;
    }

private:
    void report()
    {
        timespec now {};
        clock_gettime(CLOCK_MONOTONIC, &now);
        const char *launched = std::getenv("BENCH_LAUNCH_NS");
        const double launchedNs = launched ? std::strtod(launched, nullptr) : 0.0;
        const double nowNs = double(now.tv_sec) * 1e9 + double(now.tv_nsec);
        std::printf("first paint %.2f ms\n", (nowNs - launchedNs) / 1e6);
        std::fflush(stdout);
        QCoreApplication::quit();
    }

    bool painted = false;
};
