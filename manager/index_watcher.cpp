#include "manager/index_watcher.h"

#include "common/cp932.h"

#include <QFileInfo>

namespace vermil {
namespace {

// Long enough to take a replacement and the seal file written with it as one change.
constexpr int settleMilliseconds = 150;

} // namespace

IndexWatcher::IndexWatcher(QObject* parent) : QObject(parent) {
    settle_.setSingleShot(true);
    settle_.setInterval(settleMilliseconds);
    connect(&settle_, &QTimer::timeout, this, &IndexWatcher::indexChanged);
    connect(&watcher_, &QFileSystemWatcher::fileChanged, this, &IndexWatcher::somethingChanged);
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this,
            &IndexWatcher::somethingChanged);
}

void IndexWatcher::watch(std::string_view indexPath) {
    const QString file = QString::fromStdString(nativePath(indexPath).string());
    if (file != file_) {
        if (!watcher_.files().isEmpty())
            watcher_.removePaths(watcher_.files());
        if (!watcher_.directories().isEmpty())
            watcher_.removePaths(watcher_.directories());
        file_ = file;
        folder_ = QFileInfo(file_).absolutePath();
        settle_.stop();
    }
    rewatch();
}

void IndexWatcher::somethingChanged() {
    rewatch();
    settle_.start();
}

void IndexWatcher::rewatch() {
    if (!watcher_.directories().contains(folder_) && QFileInfo(folder_).isDir())
        watcher_.addPath(folder_);
    if (!watcher_.files().contains(file_) && QFileInfo(file_).isFile())
        watcher_.addPath(file_);
}

} // namespace vermil
