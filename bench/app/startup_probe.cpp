// The program itself, saying "shown" once its main window is on screen, then ending.
#include "app/application.h"
#include "app/tform1.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv) {
    return kartella::runKartella(argc, argv, [](kartella::TForm1&) {
        std::fputs("shown\n", stdout);
        std::fflush(stdout);
        QCoreApplication::exit(0);
    });
}
