#pragma once

// Watches the game Tesk started until it ends, collecting its exit. When it
// ends badly within QuickExitTime() of its start, the watch hands over the
// report; until that time has passed, the watch keeps the program running
// even with its window closed ("Close on Exit"), so the report can be shown.

#include "core/launch/GameProcess.h"

#include <QEventLoopLocker>
#include <QObject>

#include <chrono>
#include <functional>
#include <memory>

class QTimer;

namespace tesk {

class GameWatch : public QObject {
    Q_OBJECT
public:
    // Called with the game's exit and how long it ran, when it ended badly
    // soon after its start.
    using QuickFailure = std::function<void(const GameExit& exit, std::chrono::milliseconds ran)>;

    // Deletes itself once the game has ended and the report is done.
    GameWatch(GameProcessId process, QuickFailure onQuickFailure, QObject* parent);
    ~GameWatch() override;

    bool running() const { return running_; }

signals:
    void ended();

private:
    void Poll();
    std::chrono::milliseconds Elapsed() const;

    GameProcessId process_;
    QuickFailure onQuickFailure_;
    std::chrono::steady_clock::time_point started_;
    std::chrono::milliseconds quickExitTime_;
    QTimer* timer_ = nullptr;
    std::unique_ptr<QEventLoopLocker> keepRunning_;
    bool running_ = true;
};

} // namespace tesk
