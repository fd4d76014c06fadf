// The lemmatiser's own yield hook. The lemmatiser links none of the other
// libraries, so it keeps this private copy; the host binds it through the
// exported QM7Lemmatiser_SetYieldHook.
#pragma once

namespace qm7::lemmatiser {

// A procedure bound to an object: code is called with object as its argument.
struct TYieldProcessProc {
    void (*code)(void* object) = nullptr;
    void* object = nullptr;
};

extern TYieldProcessProc AYieldProcessProc;

// Calls the host's yield procedure when one is set; otherwise does nothing.
void MyYieldProcess();

} // namespace qm7::lemmatiser
