#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QString>
#include <QTimer>

#include <string_view>

namespace vermil {

// Tells when the seal index changed on disk, whoever changed it, so that the manager's
// list does not go stale while another program (vrmgr --delete, a second manager, the
// stamping program's password change) writes the index. Every write replaces the file
// (a new file renamed over it), which ends a watch on the old file: the path is watched
// again after each change, and its folder is watched too, so an index that is made
// later is seen. A burst of changes (a temporary file, the rename, the seal file) is
// told once, when it has settled.
class IndexWatcher : public QObject {
    Q_OBJECT

public:
    explicit IndexWatcher(QObject* parent = nullptr);

    // Watches this index (a CP932 path) from now on; the same path again only picks up
    // a file or folder that has appeared since.
    void watch(std::string_view indexPath);

signals:
    void indexChanged();

private:
    void somethingChanged();
    void rewatch();

    QFileSystemWatcher watcher_;
    QTimer settle_;
    QString file_;
    QString folder_;
};

} // namespace vermil
