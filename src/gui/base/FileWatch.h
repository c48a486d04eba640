#pragma once

// Tells when a file changes on disk, also when a program replaces it by
// renaming another file over it (as Tesk itself and most programs save):
// the system's watch of the file ends with such a replace, so its directory
// is watched too, and the file's watch is taken up again whenever it exists.
// Several changes in a row (a write, then a rename) are told once.

#include "gui/base/Desktop.h"

#include <QObject>
#include <QString>

#include <string>

class QFileSystemWatcher;
class QTimer;

namespace tesk {

class StampedFile;

// Before Tesk replaces `path`: when another program changed it since Tesk
// last read or wrote it, asks whether to take the file's `content`
// ("settings") into the window, write Tesk's over it, or go back. KeepTesks
// when it did not change.
ChangedFileChoice AskBeforeReplacing(Desktop& desktop, QWidget* window, const StampedFile& file,
                                     const std::string& path, const QString& content);

class FileWatch : public QObject {
    Q_OBJECT
public:
    explicit FileWatch(QObject* parent);

    // Watches this file from now on; an empty path watches nothing.
    void SetPath(const QString& path);

signals:
    void changed();

private:
    void Rewatch();

    QFileSystemWatcher* watcher_;
    QTimer* settle_;
    QString path_;
};

} // namespace tesk
