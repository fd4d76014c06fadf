// The flat exported interface of the lemmatiser.
#include "QM7Lemmatiser.h"

#include "lemmatiser/myKpSmall.h"
#include "platform/settings.h"

extern "C" {

void QM7Lemmatiser_SetYieldHook(QM7YieldProc proc) {
    qm7::lemmatiser::AYieldProcessProc = {proc.code, proc.code ? proc.object : nullptr};
}

int16_t QM7Lemmatiser_SetSystemCodePage(uint32_t code_page) {
    return qm7::platform::SetSystemCodePage(code_page) ? -1 : 0;
}

} // extern "C"
