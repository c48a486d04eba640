#include "gui/launch/GameWatch.h"

#include <QTimer>

namespace tesk {
namespace {

// Often at first, where a report may follow; then only to collect the exit.
constexpr std::chrono::milliseconds kQuickPoll{50};
constexpr std::chrono::milliseconds kSlowPoll{1000};

} // namespace

GameWatch::GameWatch(GameProcessId process, QuickFailure onQuickFailure, QObject* parent)
    : QObject(parent),
      process_(process),
      onQuickFailure_(std::move(onQuickFailure)),
      started_(std::chrono::steady_clock::now()),
      quickExitTime_(QuickExitTime()),
      keepRunning_(std::make_unique<QEventLoopLocker>())
{
    timer_ = new QTimer(this);
    timer_->setInterval(kQuickPoll);
    connect(timer_, &QTimer::timeout, this, [this] { Poll(); });
    timer_->start();
}

GameWatch::~GameWatch() = default;

std::chrono::milliseconds GameWatch::Elapsed() const
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - started_);
}

void GameWatch::Poll()
{
    const std::optional<GameExit> exit = CollectGameExit(process_);
    const std::chrono::milliseconds ran = Elapsed();
    if (!exit) {
        if (ran >= quickExitTime_ && keepRunning_) {
            keepRunning_.reset();
            timer_->setInterval(kSlowPoll);
        }
        return;
    }
    timer_->stop();
    running_ = false;
    emit ended();
    if (exit->Failed() && keepRunning_)
        onQuickFailure_(*exit, ran);
    // Released last: with the window closed, the program ends here.
    keepRunning_.reset();
    deleteLater();
}

} // namespace tesk
