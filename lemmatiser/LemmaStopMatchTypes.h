// The records, callback types and kind names shared by the lemma, match,
// stop and relation lists. The records and callbacks are those of the
// exported interface, so a list hands them to the host unchanged.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "QM7Lemmatiser.h"

namespace qm7::lemmatiser {

using ::TAnnounceNumberAndMessageProc;
using ::THandleLemmaProc;
using ::THandleMatchProc;
using ::THandleStopProc;
using ::TLemmaEntryRec;
using ::TMatchEntryRec;
using ::TShowSomeProgressProc;

using PLemmaEntryRec = TLemmaEntryRec*;
using PMatchEntryRec = TMatchEntryRec*;
using PStopEntryRec = TMatchEntryRec*;

// 101 UTF-16 code units holding NUL-terminated text.
using hundredwidechar = std::array<char16_t, 101>;

enum TLemmaMatchStopOptions : uint8_t {
    as_lemma = QM7_KIND_LEMMA,
    as_match = QM7_KIND_MATCH,
    as_stop = QM7_KIND_STOP,
    as_relation = QM7_KIND_RELATION,
};
inline constexpr int kLemmaMatchStopKinds = 4;

// One flag per kind.
using TLemmaMatchStopArray = std::array<bool, kLemmaMatchStopKinds>;

// Display names ("lemmas", "match list", ...) and file labels ("lemmas file
// %s", ...) of the kinds.
inline constexpr std::array<std::u16string_view, kLemmaMatchStopKinds>
    LemmaMatchStopnames_of_processes = {u"lemmas", u"match list", u"stop list", u"relation list"};
inline constexpr std::array<std::u16string_view, kLemmaMatchStopKinds> LemmaMatchStopFiles = {
    u"lemmas file %s", u"match list file %s", u"stop list file %s", u"relation list file %s"};

// The kind's file label with s put in place of "%s".
std::u16string LemmaMatchStopFileTypeStr(TLemmaMatchStopOptions kind, std::u16string_view s);

// Eight bytes kept for the tools; the lists never read or write it.
extern uint64_t file_reload;

} // namespace qm7::lemmatiser
