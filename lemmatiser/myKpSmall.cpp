#include "lemmatiser/myKpSmall.h"

namespace qm7::lemmatiser {

TYieldProcessProc AYieldProcessProc;

void MyYieldProcess() {
    if (AYieldProcessProc.code != nullptr)
        AYieldProcessProc.code(AYieldProcessProc.object);
}

} // namespace qm7::lemmatiser
