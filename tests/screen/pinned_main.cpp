// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The game with its random stream pinned to a seed given as the first argument,
// so an on-screen check knows the deal in advance. Built for the tests only;
// the shipped game always seeds from the clock and reads no arguments.
//
// With TOMAVEL_STILL naming a folder, the run also holds still for screenshots
// that must come out the same to the pixel every time (tests/screen/pixels.sh):
// - The clocks that run on the wall clock stand still: the one-second tick (the
//   solitaire seconds, the opponents' memories growing old) and the bobbing of
//   the faces in the versus result window. Each file "tick" the check puts in
//   the folder is one tick of each of them that is running; the file is taken
//   away once the tick is given.
// - The text cursor does not blink.
// - The solitaire result is stamped 2026-04-01 12:00:00 UTC (the check sets TZ):
//   the game's own calls of time() get that moment.
// - TOMAVEL_HOLD lists steps of the opponents' hand marker, counted from 1 over
//   the whole run. At each the game holds still, the window drawn, with the
//   step's number written to the file "held", until the check takes it away.
// Everything else runs at its own pace: the game plays passes of its own, and
// where it stands after a given step does not depend on the wall clock.
#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QPointer>
#include <QStyleHints>
#include <QTimer>
#include <QTimerEvent>
#include <QWidget>
#include <cstdlib>
#include <ctime>
#include <set>
#include <vector>

#include "app/Startup.h"
#include "engine/Random.h"
#include "engine/TableGeometry.h"

namespace {
bool HoldingStill() {
    const char* folder = std::getenv("TOMAVEL_STILL");
    return folder && *folder;
}

class Still : public QObject {
public:
    Still(const QString& folder, std::set<int> holds) : folder_(folder), holds_(std::move(holds)) {
        poll_.setInterval(kPollMs);
        connect(&poll_, &QTimer::timeout, this, [this] { ServeTick(); });
        poll_.start();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Timer && !giving_) {
            auto* timer = qobject_cast<QTimer*>(watched);
            if (timer && WallClock(*timer)) {
                Remember(timer);
                return true;
            }
        } else if (event->type() == QEvent::Move && IsHand(watched)) {
            ++handSteps_;
            if (holds_.contains(handSteps_)) Hold();
        }
        return false;
    }

private:
    static constexpr int kPollMs = 20;

    // The second timer and the result window's bobbing: repeating timers of
    // 1000 and 50 ms. The game's own waits use single-shot timers.
    static bool WallClock(const QTimer& timer) {
        return !timer.isSingleShot() && (timer.interval() == 1000 || timer.interval() == 50);
    }

    static bool IsHand(QObject* watched) {
        auto* widget = qobject_cast<QWidget*>(watched);
        constexpr Rect hand = HandPlacement(0, 0);
        return widget && widget->isVisible() && widget->parentWidget() &&
               widget->parentWidget()->objectName() == QStringLiteral("table") &&
               widget->size() == QSize(hand.width, hand.height);
    }

    void Remember(QTimer* timer) {
        for (const QPointer<QTimer>& known : timers_)
            if (known == timer) return;
        timers_.emplace_back(timer);
    }

    // A tick asked for is given to every still clock that is running; while none
    // runs yet (a timer makes itself known with its first tick), it waits.
    void ServeTick() {
        const QString tick = folder_.filePath(QStringLiteral("tick"));
        if (!QFile::exists(tick)) return;
        std::vector<QPointer<QTimer>> running;
        for (const QPointer<QTimer>& t : timers_)
            if (t && t->isActive()) running.push_back(t);
        if (running.empty()) return;
        giving_ = true;
        for (const QPointer<QTimer>& t : running) {
            if (!t) continue;
            QTimerEvent event(t->timerId());
            QCoreApplication::sendEvent(t, &event);
        }
        giving_ = false;
        QFile::remove(tick);
    }

    // Holds the game inside the hand's move: the window keeps drawing, the game
    // takes its next step only when the check has taken its screenshot.
    void Hold() {
        // Written aside and renamed, so the check never reads it half written.
        const QString held = folder_.filePath(QStringLiteral("held"));
        QFile file(held + QStringLiteral(".new"));
        if (!file.open(QIODevice::WriteOnly)) return;
        file.write(QByteArray::number(handSteps_) + '\n');
        file.close();
        if (!file.rename(held)) return;
        QEventLoop loop;
        QTimer watch;
        watch.setInterval(kPollMs);
        connect(&watch, &QTimer::timeout, &loop, [&loop, &held] {
            if (!QFile::exists(held)) loop.quit();
        });
        watch.start();
        loop.exec();
    }

    QDir folder_;
    std::set<int> holds_;
    QTimer poll_;
    std::vector<QPointer<QTimer>> timers_;
    int handSteps_ = 0;
    bool giving_ = false;
};

void HoldStill() {
    if (!HoldingStill()) return;
    std::set<int> holds;
    if (const char* list = std::getenv("TOMAVEL_HOLD"))
        for (const QString& step : QString::fromLocal8Bit(list).split(u' ', Qt::SkipEmptyParts))
            holds.insert(step.toInt());
    auto* still = new Still(QString::fromLocal8Bit(std::getenv("TOMAVEL_STILL")), std::move(holds));
    still->setParent(qApp);
    qApp->installEventFilter(still);
    // Once the application is set up; it is only starting here.
    QTimer::singleShot(0, qApp, [] { QGuiApplication::styleHints()->setCursorFlashTime(0); });
}
}  // namespace

Q_COREAPP_STARTUP_FUNCTION(HoldStill)

// Stands in for the C library's time() in the game's own code.
extern "C" std::time_t time(std::time_t* out) noexcept {
    constexpr std::time_t kStillMoment = 1775044800;
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    const std::time_t t = HoldingStill() ? kStillMoment : now.tv_sec;
    if (out) *out = t;
    return t;
}

int main(int argc, char** argv) {
    if (argc > 1) PinRandomSeed(std::strtoull(argv[1], nullptr, 10));
    return RunProgram(argc, argv);
}
