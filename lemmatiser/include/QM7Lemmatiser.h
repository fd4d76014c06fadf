/* The flat exported interface of libQM7Lemmatiser.so.
 *
 * A tool loads a lemma, match, stop or relation list file into one of 22
 * numbered slots (0 to 21) of each kind, then looks words up, turns variants
 * into headwords, lists headwords and variants, and walks a list either
 * through its own callback or into collected display lines.
 *
 * Compiles as C and as C++. Every export uses the platform's C calling
 * convention: on x86-64 Linux there is only one, so the "stdcall" and
 * "register" exports of the 32-bit Windows library both become plain C
 * functions here.
 *
 * Conventions:
 * - Boolean results are int16_t: -1 (all bits set) for true, 0 for false.
 *   Boolean arguments are uint8_t (non-zero is true), except want_unicode of
 *   the word-changing exports, which is int16_t.
 * - Texts are NUL-terminated. 8-bit text is in the system code page (see
 *   QM7Lemmatiser_SetSystemCodePage); UTF-16 text is char16_t in the
 *   machine's (little-endian) byte order. A result whose encoding depends on
 *   the list or on an argument is a const void*.
 * - A text result in the library's two result buffers (256 bytes, 256 UTF-16
 *   units; at most 255 and a NUL) stays valid only until the next call of
 *   WordListerChangeWord, LineFinderChangeWord, KeyFinderChangeWord,
 *   GetAString or LemmaVariantsOf. A result that points into a list stays
 *   valid until that slot and kind is cleared or reloaded. The caller never
 *   frees a result.
 * - No error crosses the boundary: an export that fails, is given a slot
 *   above 21, or is called from inside the yield hook on the slot it is busy
 *   with (only CancelOne is allowed there), gives its "nothing" value: false,
 *   0, null, or the word itself for the word-changing exports.
 * - A procedure bound to an object crosses the boundary as a struct of two
 *   pointers, the code first and the object second; the code is called with
 *   the object as its first argument, then the arguments listed. A null code
 *   is never called.
 */
#ifndef QM7LEMMATISER_H
#define QM7LEMMATISER_H

#include <stdint.h>
#ifndef __cplusplus
#include <uchar.h>
#endif

#ifdef __cplusplus
extern "C" {
#endif

#if defined(__GNUC__)
#define QM7LEMMATISER_API __attribute__((visibility("default")))
#else
#define QM7LEMMATISER_API
#endif

/* Kind numbers of the lists (TLemmaMatchStopOptions). */
enum { QM7_KIND_LEMMA = 0, QM7_KIND_MATCH = 1, QM7_KIND_STOP = 2, QM7_KIND_RELATION = 3 };

/* Number of slots of each kind; slot indexes run from 0 to 21. */
#define QM7_LEMMATISER_SLOTS 22

/* A stored lemma pair: the list's own copy of the variant (8-bit or UTF-16,
 * as the list file was) and its headword (UTF-16). */
typedef struct TLemmaEntryRec {
    const void* variantp;
    const char16_t* headwordp;
} TLemmaEntryRec;

/* A stored match, stop or relation entry: the list's own copy of its text
 * (8-bit or UTF-16, as the list file was). */
typedef struct TMatchEntryRec {
    const void* searchp;
} TMatchEntryRec;

/* Visit callbacks of the walks. in_unicode: the entry text is UTF-16 (else
 * 8-bit); consider_affixes: the text holds a "<" with a ">" after it;
 * this_: the position of the node in the walk (1-based); out_of: the number
 * of nodes in the list. Both count the list's internal seed entries, which
 * are never presented. */
typedef struct THandleLemmaProc {
    void (*code)(void* object, const TLemmaEntryRec* t, uint8_t in_unicode,
                 uint8_t consider_affixes, int32_t this_, int32_t out_of);
    void* object;
} THandleLemmaProc;

typedef struct THandleMatchProc {
    void (*code)(void* object, TMatchEntryRec t, uint8_t in_unicode, uint8_t consider_affixes,
                 int32_t this_, int32_t out_of);
    void* object;
} THandleMatchProc;

typedef THandleMatchProc THandleStopProc;

/* Progress while a list file is read: the number of items accepted so far. */
typedef struct TShowSomeProgressProc {
    void (*code)(void* object, int32_t n);
    void* object;
} TShowSomeProgressProc;

/* Announcements of a load: first an estimate of the number of lines, then
 * the number of items accepted (for a lemma list, then also the number of
 * pairs stored). mess is the list's display name, at most 100 UTF-16 units
 * and a NUL. */
typedef struct TAnnounceNumberAndMessageProc {
    void (*code)(void* object, int32_t n, const char16_t* mess);
    void* object;
} TAnnounceNumberAndMessageProc;

/* ---- Loading and clearing ---- */

/* Loads a list file into a slot of the given kind. filename is UTF-16;
 * anLCID is a Windows locale identifier (upper-casing and headword order);
 * case_sensitive zero upper-cases the whole file before reading it;
 * allow_strings_with_commas is used by match lists only. True when the file
 * was read and the list holds data. */
QM7LEMMATISER_API int16_t LoadedOne(uint8_t index, const char16_t* filename, uint8_t kind,
                                    TAnnounceNumberAndMessageProc aSetNLinesProc,
                                    TShowSomeProgressProc aProgressProc, uint32_t anLCID,
                                    uint8_t case_sensitive, uint8_t allow_strings_with_commas);

/* Empties a slot; true whatever the kind (a kind above 3 does nothing). */
QM7LEMMATISER_API int16_t ClearOne(uint8_t index, uint8_t kind);

/* Asks a running load of that slot to stop before its next item; meant to
 * be called from the yield hook or a load callback. */
QM7LEMMATISER_API void CancelOne(uint8_t index, uint8_t kind);

/* ---- Look-ups ---- */

/* The headword of a variant, or word itself when it is no variant. word is
 * in the list's encoding and case (upper case for a list loaded with
 * upper-casing); encoding is accepted and not used. The headword comes as
 * UTF-16 when want_unicode is non-zero, else as 8-bit text. */
QM7LEMMATISER_API const void* WordListerChangeWord(uint8_t index, const void* word,
                                                   int32_t encoding, int16_t want_unicode);
/* As WordListerChangeWord on lemma slot 1 and lemma slot 2. */
QM7LEMMATISER_API const void* LineFinderChangeWord(const void* word, int32_t encoding,
                                                   int16_t want_unicode);
QM7LEMMATISER_API const void* KeyFinderChangeWord(const void* word, int32_t encoding,
                                                  int16_t want_unicode);

/* Looks word (UTF-16 when word_in_unicode is non-zero, else 8-bit) up in a
 * list, case compared exactly. Kind 0: the headword (UTF-16) of the variant;
 * kinds 1 to 3: the list's stored copy of the entry, in the list's
 * encoding. Null when not found. */
QM7LEMMATISER_API const void* FoundInTheList(uint8_t index, const void* word,
                                             uint8_t word_in_unicode, uint8_t kind);

/* The variants of a headword (matched without regard to case), in the order
 * read, joined by separator; empty text for an unknown headword. */
QM7LEMMATISER_API const char16_t* LemmaVariantsOf(uint8_t index, const char16_t* headword,
                                                  const char16_t* separator);

/* The n-th headword (0-based) in the user locale's order, case ignored; null
 * when n is out of range. */
QM7LEMMATISER_API const char16_t* LemmaHeadWords(uint8_t index, int32_t n);
QM7LEMMATISER_API int32_t LemmaHeadWordsCount(uint8_t index);
/* Lemma pairs stored. */
QM7LEMMATISER_API int32_t LemmaPairEntriesAltogether(uint8_t index);
/* Items accepted by the last load of the match or stop list, duplicates
 * included. */
QM7LEMMATISER_API int32_t MatchListWordsCount(uint8_t index);
QM7LEMMATISER_API int32_t StopListWordsCount(uint8_t index);

/* ---- Walks ---- */

/* Walks a list in ordinal order of the entry texts, calling proc once per
 * entry. */
QM7LEMMATISER_API void TraverseLemmasDoing(uint8_t index, THandleLemmaProc proc);
QM7LEMMATISER_API void TraverseMatchesDoing(uint8_t index, THandleMatchProc proc);
QM7LEMMATISER_API void TraverseRelationsDoing(uint8_t index, THandleMatchProc proc);
QM7LEMMATISER_API void TraverseStopsDoing(uint8_t index, THandleStopProc proc);

/* Walks a list into display lines ("VARIANT (HEADWORD)" for a lemma list,
 * the entry itself for the others), at most max_To_Show + 1 of them, and
 * returns their number. A walk stopped by a too deep list returns 0 but
 * keeps the lines it collected. */
QM7LEMMATISER_API int32_t TraversedOne(uint8_t index, int32_t max_To_Show, uint8_t kind);

/* Line n of the last TraversedOne (UTF-16 when want_unicode is non-zero,
 * else 8-bit), or null; encoding is accepted and not used. */
QM7LEMMATISER_API const void* GetAString(int32_t n, uint8_t want_unicode, int32_t encoding);

/* ---- The library's own settings ---- */

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
 * one then stays. Supported: 874, 932, 936, 949, 950 and 1250 to 1258. */
QM7LEMMATISER_API int16_t QM7Lemmatiser_SetSystemCodePage(uint32_t code_page);

#ifdef __cplusplus
}
#endif

#endif /* QM7LEMMATISER_H */
