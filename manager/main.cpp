// vrmgr: the seal manager. Until its window exists, it answers on the command line.
#include "cli/verbs.h"

#include <QCoreApplication>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    return vermil::runCommandLine(QCoreApplication::arguments());
}
