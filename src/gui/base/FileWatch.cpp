#include "gui/base/FileWatch.h"

#include "core/text/FileStamp.h"
#include "gui/base/Text.h"

#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QTimer>

namespace tesk {
namespace {

// How long a burst of changes has to be over before it is told.
constexpr int kSettleMilliseconds = 100;

} // namespace

ChangedFileChoice AskBeforeReplacing(Desktop& desktop, QWidget* window, const StampedFile& file,
                                     const std::string& path, const QString& content)
{
    if (!file.ChangeOf(path))
        return ChangedFileChoice::KeepTesks;
    return desktop.AskAboutChangedFile(
        window,
        QStringLiteral("%1 has changed since Tesk last read or saved it: another program wrote it, such as the game "
                       "when it exits. Take the file's %2 into Tesk, write Tesk's over it, or go back?")
            .arg(PathToQ(path), content),
        true);
}

FileWatch::FileWatch(QObject* parent)
    : QObject(parent), watcher_(new QFileSystemWatcher(this)), settle_(new QTimer(this))
{
    settle_->setSingleShot(true);
    settle_->setInterval(kSettleMilliseconds);
    connect(settle_, &QTimer::timeout, this, [this] {
        Rewatch();
        emit changed();
    });
    connect(watcher_, &QFileSystemWatcher::fileChanged, this, [this] { settle_->start(); });
    connect(watcher_, &QFileSystemWatcher::directoryChanged, this, [this] {
        // Only a directory change that touches the file counts: one that
        // brought it (back) into the watch, or one that took it away.
        const bool watched = watcher_->files().contains(path_);
        if (QFileInfo::exists(path_) != watched)
            settle_->start();
    });
}

void FileWatch::SetPath(const QString& path)
{
    const QString absolute = path.isEmpty() ? QString() : QFileInfo(path).absoluteFilePath();
    if (absolute == path_)
        return;
    path_ = absolute;
    if (!watcher_->files().isEmpty())
        watcher_->removePaths(watcher_->files());
    if (!watcher_->directories().isEmpty())
        watcher_->removePaths(watcher_->directories());
    Rewatch();
}

void FileWatch::Rewatch()
{
    if (path_.isEmpty())
        return;
    const QString directory = QFileInfo(path_).absolutePath();
    if (!watcher_->directories().contains(directory) && QFileInfo(directory).isDir())
        watcher_->addPath(directory);
    if (!watcher_->files().contains(path_) && QFileInfo::exists(path_))
        watcher_->addPath(path_);
}

} // namespace tesk
