#include "app/application.h"

int main(int argc, char** argv) {
    return kartella::runKartella(argc, argv);
}
