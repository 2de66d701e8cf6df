// The yardstick: a bare Qt program that shows one empty window, says "shown" and ends.
#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(624, 441);
    window.show();
    QTimer::singleShot(0, &window, [] {
        std::fputs("shown\n", stdout);
        std::fflush(stdout);
        QCoreApplication::exit(0);
    });
    return QApplication::exec();
}
