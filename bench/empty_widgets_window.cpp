// The yardsticks of the cold-start benchmark: a Qt Widgets program that shows an
// empty main window of the stamping program's size and nothing else, or, with
// --text, the same window with a menu bar and a status bar line, so that the cost
// of the first text on screen (the font set-up) shows apart.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>

#include <cstring>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QMainWindow window;
    if (argc > 1 && std::strcmp(argv[1], "--text") == 0) {
        for (const char* title : {"ﾌｧｲﾙ(&F)", "承認(&A)", "設定(&S)", "表示(&V)", "ﾍﾙﾌﾟ(&H)"})
            window.menuBar()->addMenu(QString::fromUtf8(title));
        window.statusBar()->showMessage(QStringLiteral("レディ"));
    }
    window.resize(310, 370);
    window.show();
    return application.exec();
}
