#include "ui/dialogs.h"

#include <stdexcept>

namespace kartella {

namespace {
Dialogs* installed = nullptr;
}

Dialogs& dialogs() {
    if (!installed)
        throw std::logic_error("no Dialogs implementation installed");
    return *installed;
}

void setDialogs(Dialogs* implementation) {
    installed = implementation;
}

} // namespace kartella
