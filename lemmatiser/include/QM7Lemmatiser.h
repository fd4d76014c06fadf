/* The flat exported interface of libQM7Lemmatiser.so.
 *
 * Compiles as C and as C++. Every export uses the platform's C calling
 * convention: on x86-64 Linux there is only one, so the "stdcall" and
 * "register" exports of the 32-bit Windows library both become plain C
 * functions here.
 *
 * A procedure bound to an object crosses the boundary as a struct of two
 * pointers, the code first and the object second; the code is called with
 * the object as its first argument.
 */
#ifndef QM7LEMMATISER_H
#define QM7LEMMATISER_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#if defined(__GNUC__)
#define QM7LEMMATISER_API __attribute__((visibility("default")))
#else
#define QM7LEMMATISER_API
#endif

/* The host's yield procedure: called at every step of a load or walk so that
 * a user interface stays alive and can ask for cancellation. */
typedef struct QM7YieldProc {
    void (*code)(void* object);
    void* object;
} QM7YieldProc;

/* Sets the lemmatiser's yield hook. A null code unsets it. The lemmatiser
 * keeps its own hook: setting the runtime packs' hook does not set this one. */
QM7LEMMATISER_API void QM7Lemmatiser_SetYieldHook(QM7YieldProc proc);

/* Sets the system 8-bit code page that the lemmatiser uses for 8-bit text
 * (default 1252). Returns 0 when the code page is not supported; the previous
 * one then stays. */
QM7LEMMATISER_API int16_t QM7Lemmatiser_SetSystemCodePage(uint32_t code_page);

#ifdef __cplusplus
}
#endif

#endif /* QM7LEMMATISER_H */
