#include "runtime1/scanning/bare_assemb3.h"

#include <algorithm>
#include <bit>
#include <limits>
#include <string>

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#endif

#include "platform/codepage.h"
#include "platform/settings.h"

namespace qm7 {

void DoNothingAtTextSectionEnd(int32_t, int32_t) {}

THandleTextSectionProc HandleSentenceEndProc = DoNothingAtTextSectionEnd;
THandleTextSectionProc HandleParagraphEndProc = DoNothingAtTextSectionEnd;
THandleTextSectionProc HandleHeadingEndProc = DoNothingAtTextSectionEnd;
THandleTextSectionProc HandleSectionEndProc = DoNothingAtTextSectionEnd;

int32_t ScannerVectorWidth = 256;

namespace {

// Codes of the work string.
constexpr char16_t sw_markup_off = 0x18;
constexpr char16_t sw_markup_on = 0x19;
constexpr char16_t sw_any_word = 0x1A;
constexpr char16_t sw_digits = 0x1B;
constexpr char16_t sw_any_char = 0x1C;
constexpr char16_t sw_star = 0x1D;
constexpr char16_t sw_letter = 0x1E;
constexpr char16_t sw_space = 0x20;

// A sentence-end marker on markup, which the digits wildcard never takes.
constexpr uint16_t kMarkupSentenceEnd = 0x880F;
// "Defined" alone: combining marks and joiners, which extend a word.
constexpr uint16_t kDefinedOnly = 0x0200;

// ---- statistics ----------------------------------------------------------

// The statistics of one call, kept in locals while it runs.
class TUnitCounter {
public:
    TUnitCounter(const TSearchStatsRec& stats, bool in_heading, bool sentence_end_markers,
                 bool paragraph_end_markers, bool heading_end_markers, bool section_end_markers)
        : number_(stats.number), position_(stats.position),
          in_heading_(in_heading), end_markers_{false, sentence_end_markers, paragraph_end_markers,
                                                heading_end_markers, section_end_markers} {}

    void StoreTo(TSearchStatsRec& stats, bool& in_heading) const {
        stats.number = number_;
        for (int k = 1; k < 5; ++k) {
            stats.position[k] = position_[k];
            stats.out_of[k] = position_[k];
        }
        in_heading = in_heading_;
    }

    void WordStarts(int32_t n) {
        number_[0] += n;
        position_[1] += n;
        position_[2] += n;
        position_[4] += n;
        if (in_heading_)
            position_[3] += n;
    }

    void Marker(uint16_t code) {
        switch (code) {
        case marker_sentence_start:
            if (!end_markers_[1])
                UnitEnds(1);
            break;
        case marker_sentence_end:
            UnitEnds(1);
            break;
        case marker_paragraph_start:
            if (!end_markers_[2])
                UnitEnds(2);
            break;
        case marker_paragraph_end:
            UnitEnds(2);
            break;
        case marker_heading_start:
            in_heading_ = true;
            if (!end_markers_[3])
                HeadingEnds();
            break;
        case marker_heading_end:
            HeadingEnds();
            break;
        case marker_section_start:
            if (!end_markers_[4])
                UnitEnds(4);
            break;
        case marker_section_end:
            UnitEnds(4);
            break;
        default:
            break;
        }
    }

private:
    static THandleTextSectionProc Callback(int unit) {
        switch (unit) {
        case 1:
            return HandleSentenceEndProc;
        case 2:
            return HandleParagraphEndProc;
        case 3:
            return HandleHeadingEndProc;
        default:
            return HandleSectionEndProc;
        }
    }

    void UnitEnds(int unit) {
        if (const THandleTextSectionProc proc = Callback(unit))
            proc(number_[unit], position_[unit]);
        ++number_[unit];
        position_[unit] = 1;
    }

    void HeadingEnds() {
        UnitEnds(3);
        in_heading_ = false;
    }

    std::array<int32_t, 5> number_;
    std::array<int32_t, 5> position_;
    bool in_heading_;
    std::array<bool, 5> end_markers_;
};

// ---- matching ------------------------------------------------------------

// Where one candidate stands while it is matched. i is the current text
// character (relative to the scan position), consumed the characters the hit
// has taken so far (i - candidate + 1), j the current search character.
struct TMatchState {
    int64_t i = 0;
    int64_t consumed = 0;
    int32_t j = 0;
    bool markup_on = false; // the search word's markup state
    bool star_mode = false; // a star is taking characters
    bool star_before_space = false;
    int32_t star_resume = -1; // search index after a pending star, or -1
    bool star_resume_markup_on = false;
    bool prev_markup = false; // the entry before the current one is markup
    bool cur_markup = false;  // the current entry is markup
};

enum TCompare { cmp_mismatch, cmp_match, cmp_fail };

// Which characters can start a hit: the first search symbol's case forms
// (or, for the digit and letter wildcards, the characters of that class), and
// when the second symbol is an ordinary character, only those followed by one
// of its case forms or by markup (which matching passes over). Every
// character that could start a hit passes; the others need only booking.
struct TCandidateFilter {
    std::array<char16_t, 3> first{};
    uint16_t class_mask = 0, class_value = 0; // also (entry & mask) == value
    bool by_class = false;
    std::array<char16_t, 3> second{};
    bool by_second = false;
};

bool IsWildcardCode(char16_t c) {
    return c >= sw_any_word && c <= sw_letter;
}

// Set bits of a 32-bit mask.
constexpr int Popcount32(uint32_t v) {
    v = v - ((v >> 1) & 0x55555555u);
    v = (v & 0x33333333u) + ((v >> 2) & 0x33333333u);
    return int((((v + (v >> 4)) & 0x0F0F0F0Fu) * 0x01010101u) >> 24);
}

// The words of the search and the bounds of one call, over 8-bit (uint8_t) or
// UTF-16 (char16_t) text.
template <class Ch> class TScanner {
public:
    const Ch* text = nullptr;
    const uint16_t* cls = nullptr;
    int64_t last = -1;      // last character that may be consumed
    int64_t peek_end = -1;  // last entry that may be read
    int64_t back_limit = 0; // the start bound, relative to the scan position
    const char16_t* up = nullptr;
    const char16_t* lo = nullptr;
    const char16_t* cap = nullptr;
    int32_t L = 0;
    bool case_sensitive = false;
    bool left_bounded = false;
    bool right_bounded = false;
    bool skip_punctuation = false;

    const Ch* Run(TUnitCounter& counter, int64_t& hit_length, int64_t& exact_length) const;

private:
    uint16_t Entry(int64_t k) const { return k <= peek_end ? cls[k] : 0; }

    bool NextSearchIsSpace(int32_t j) const { return j + 1 < L && lo[j + 1] == sw_space; }
    bool CaseMatch(char16_t t, int32_t j) const {
        return t == lo[j] || (!case_sensitive && (t == up[j] || t == cap[j]));
    }

    void ReadSearch(TMatchState& s) const {
        ++s.j;
        if (lo[s.j] == sw_markup_on)
            s.markup_on = true;
        else if (lo[s.j] == sw_markup_off)
            s.markup_on = false;
    }
    void Advance(TMatchState& s) const {
        ++s.i;
        ++s.consumed;
        s.prev_markup = s.cur_markup;
        s.cur_markup = IsMarkupEntry(cls[s.i]);
    }
    void StepBack(TMatchState& s) const {
        --s.i;
        --s.consumed;
        s.cur_markup = s.prev_markup;
    }
    // Reads the next text character; markup entered while the search word is
    // outside markup is passed over.
    void ReadText(TMatchState& s) const {
        Advance(s);
        if (s.cur_markup && !s.prev_markup && !s.markup_on)
            while (s.cur_markup && s.i < last)
                Advance(s);
    }
    void SkipSpaces(TMatchState& s) const {
        const uint16_t mask = skip_punctuation ? cw_space_or_punct : cw_space_like;
        while (s.i < last && (ClassFlags(cls[s.i]) & mask) && (ClassFlags(cls[s.i + 1]) & mask))
            Advance(s);
    }
    bool UsedUp(const TMatchState& s) const { return !s.star_mode && s.j + 1 >= L; }

    TCompare Compare(TMatchState& s) const;
    TCompare AnyWord(TMatchState& s) const;
    TCompare StarStarts(TMatchState& s, uint16_t flags) const;
    TCompare StarGoesOn(TMatchState& s, char16_t t) const;
    bool MatchRest(TMatchState& s) const;
    bool TryCandidate(int64_t k, int64_t& hit_length, int64_t& exact_length) const;
    void Book(TUnitCounter& counter, int64_t k) const;
    bool ScanScalar(TUnitCounter& counter, int64_t& k, int64_t to, int64_t& hit_length,
                    int64_t& exact_length) const;
    bool MakeFilter(TCandidateFilter& f) const;
    bool TryLanes(TUnitCounter& counter, int64_t k, uint32_t starts, uint32_t candidates,
                  int64_t& at, int64_t& hit_length, int64_t& exact_length) const;
    bool ScanFilteredSse2(TUnitCounter& counter, const TCandidateFilter& f, int64_t& k,
                          int64_t& hit_length, int64_t& exact_length) const;
    bool ScanFilteredAvx2(TUnitCounter& counter, const TCandidateFilter& f, int64_t& k,
                          int64_t& hit_length, int64_t& exact_length) const;
};

template <class Ch> TCompare TScanner<Ch>::Compare(TMatchState& s) const {
    const char16_t t = text[s.i];
    if (s.star_mode)
        return StarGoesOn(s, t);
    const char16_t c = lo[s.j];
    if (t == c)
        return cmp_match;
    const uint16_t flags = ClassFlags(cls[s.i]);
    switch (c) {
    case sw_any_char:
        if (NextSearchIsSpace(s.j) && (flags & cw_space_or_punct))
            StepBack(s); // matches nothing before a space
        return cmp_match;
    case sw_letter:
        if (NextSearchIsSpace(s.j) && (flags & cw_space_or_punct)) {
            StepBack(s);
            return cmp_match;
        }
        return (flags & cw_letter) ? cmp_match : cmp_mismatch;
    case sw_digits:
        if (cls[s.i] == kMarkupSentenceEnd || !(flags & cw_digit))
            return cmp_mismatch;
        while (s.i < last && (ClassFlags(cls[s.i + 1]) & cw_digit))
            Advance(s);
        return cmp_match;
    case sw_any_word:
        return AnyWord(s);
    case sw_star:
        return StarStarts(s, flags);
    default:
        return (!case_sensitive && (t == up[s.j] || t == cap[s.j])) ? cmp_match : cmp_mismatch;
    }
}

template <class Ch> TCompare TScanner<Ch>::AnyWord(TMatchState& s) const {
    if (s.markup_on && s.cur_markup) {
        // Inside markup the word runs up to and including a space, and the
        // space after the any-word code goes with it.
        while (s.i < last && !(ClassFlags(cls[s.i]) & cw_space_like) &&
               !IsMarkerEntry(cls[s.i + 1]))
            Advance(s);
        if (s.j + 1 < L)
            ReadSearch(s);
        return cmp_match;
    }
    // The word ends before a space-like character or a marker.
    while (s.i < last && !(ClassFlags(cls[s.i + 1]) & cw_space_like) &&
           !IsMarkerEntry(cls[s.i + 1]))
        Advance(s);
    return cmp_match;
}

template <class Ch> TCompare TScanner<Ch>::StarStarts(TMatchState& s, uint16_t flags) const {
    if (NextSearchIsSpace(s.j)) {
        if (flags & cw_space_or_punct) {
            StepBack(s); // nothing to take before the space
            return cmp_match;
        }
        s.star_mode = true;
        s.star_before_space = true;
        return cmp_match;
    }
    // A star never takes a space or a control character.
    if (char16_t(text[s.i]) <= sw_space)
        return cmp_fail;
    if (s.j + 1 >= L) {
        // A star ending the word takes the rest of the run.
        while (s.i<last&& char16_t(text[s.i + 1])> sw_space)
            Advance(s);
        return cmp_match;
    }
    ReadSearch(s);
    s.star_resume = s.j;
    s.star_resume_markup_on = s.markup_on;
    s.star_mode = true;
    s.star_before_space = false;
    return cmp_match;
}

template <class Ch> TCompare TScanner<Ch>::StarGoesOn(TMatchState& s, char16_t t) const {
    if (s.star_before_space) {
        if (ClassFlags(cls[s.i]) & cw_space_or_punct) {
            StepBack(s); // the space or punctuation is for the search word's space
            s.star_mode = false;
            return cmp_match;
        }
        if (ClassFlags(Entry(s.i + 1)) & cw_space_or_punct)
            s.star_mode = false;
        return cmp_match;
    }
    if (CaseMatch(t, s.j)) {
        s.star_mode = false; // the star is now pending
        return cmp_match;
    }
    return t > sw_space ? cmp_match : cmp_fail;
}

// Matches the search word after the first symbol; true when it is used up.
template <class Ch> bool TScanner<Ch>::MatchRest(TMatchState& s) const {
    bool first = true;
    for (;;) {
        if (s.i >= last)
            return UsedUp(s);
        if (!first && !s.star_mode && lo[s.j] == sw_space)
            SkipSpaces(s);
        first = false;
        if (!s.star_mode) {
            if (s.j + 1 >= L)
                return true;
            ReadSearch(s);
        }
        if (s.i >= last)
            return false;
        ReadText(s);
        for (;;) {
            const TCompare r = Compare(s);
            if (r == cmp_match)
                break;
            if (r == cmp_fail)
                return false;
            if (lo[s.j] == sw_space && !s.markup_on && (ClassFlags(cls[s.i]) & cw_space_or_punct))
                break;
            if (s.star_resume < 0)
                return false;
            // A pending star takes the character: look for the character
            // after the star again from the next one.
            s.j = s.star_resume;
            s.markup_on = s.star_resume_markup_on;
            if ((ClassFlags(cls[s.i]) & cw_space_like) || s.i >= last)
                return false;
            ReadText(s);
        }
    }
}

template <class Ch>
bool TScanner<Ch>::TryCandidate(int64_t k, int64_t& hit_length, int64_t& exact_length) const {
    TMatchState s;
    s.i = k;
    s.consumed = 1;
    s.markup_on = lo[0] == sw_markup_on;
    s.cur_markup = IsMarkupEntry(cls[k]);
    if (s.cur_markup && !s.markup_on)
        return false;
    if (Compare(s) != cmp_match)
        return false;
    if (left_bounded && k > back_limit) {
        const uint16_t before = cls[k - 1];
        if (!(before & (cw_marker | cw_markup)) && (before & cw_alphanumeric))
            return false;
    }
    if (!MatchRest(s))
        return false;
    exact_length = s.consumed;
    if (right_bounded) {
        if (ClassFlags(Entry(s.i + 1)) & cw_alphanumeric)
            return false;
    } else {
        while (s.i < last) {
            const uint16_t next = Entry(s.i + 1);
            if (!(ClassFlags(next) & cw_alphanumeric) && next != kDefinedOnly)
                break;
            ++s.i;
            ++s.consumed;
        }
    }
    hit_length = s.consumed;
    return true;
}

template <class Ch> void TScanner<Ch>::Book(TUnitCounter& counter, int64_t k) const {
    const uint16_t e = cls[k];
    if (e & cw_marker)
        counter.Marker(e & cw_marker_code_mask);
    else if ((e & cw_space_like) && !(ClassFlags(Entry(k + 1)) & cw_space_like))
        counter.WordStarts(1);
}

// Books and tries every candidate from k to `to`; true at a hit (k is then
// the hit start).
template <class Ch>
bool TScanner<Ch>::ScanScalar(TUnitCounter& counter, int64_t& k, int64_t to, int64_t& hit_length,
                              int64_t& exact_length) const {
    for (; k <= to; ++k) {
        Book(counter, k);
        if (TryCandidate(k, hit_length, exact_length))
            return true;
    }
    return false;
}

template <class Ch> bool TScanner<Ch>::MakeFilter(TCandidateFilter& f) const {
    const char16_t c = lo[0];
    f.first = {c, c, c};
    if (c == sw_digits || c == sw_letter) {
        if (c == sw_letter && NextSearchIsSpace(0))
            return false; // may match nothing: every character is a candidate
        f.by_class = true;
        const uint16_t flag = c == sw_digits ? cw_digit : cw_letter;
        f.class_mask = uint16_t(cw_marker | flag);
        f.class_value = flag;
        return true;
    }
    if (IsWildcardCode(c))
        return false;
    if (!case_sensitive)
        f.first = {c, up[0], cap[0]};
    if (L >= 2 && !IsWildcardCode(lo[1]) && lo[1] != sw_space) {
        f.by_second = true;
        f.second = case_sensitive ? std::array<char16_t, 3>{lo[1], lo[1], lo[1]}
                                  : std::array<char16_t, 3>{lo[1], up[1], cap[1]};
    }
    return true;
}

// Books the word starts among the lanes up to each candidate, then tries the
// candidate. starts and candidates hold two bits per lane, from lane 0 up.
template <class Ch>
bool TScanner<Ch>::TryLanes(TUnitCounter& counter, int64_t k, uint32_t starts, uint32_t candidates,
                            int64_t& at, int64_t& hit_length, int64_t& exact_length) const {
    while (candidates != 0) {
        const int bit = std::countr_zero(candidates);
        const uint32_t through = bit >= 30 ? ~0u : (4u << bit) - 1; // lanes up to this one
        counter.WordStarts(Popcount32(starts & through) / 2);
        starts &= ~through;
        candidates &= ~through;
        if (TryCandidate(k + bit / 2, hit_length, exact_length)) {
            at = k + bit / 2;
            return true;
        }
    }
    counter.WordStarts(Popcount32(starts) / 2);
    return false;
}

#if defined(__SSE2__)

inline __m128i Load8(const char16_t* p) {
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
}
inline __m128i Load8(const uint16_t* p) {
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
}
inline __m128i Load8(const uint8_t* p) {
    return _mm_unpacklo_epi8(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(p)),
                             _mm_setzero_si128());
}

inline __m128i AnyOf3(__m128i t, const std::array<char16_t, 3>& forms) {
    return _mm_or_si128(_mm_cmpeq_epi16(t, _mm_set1_epi16(short(forms[0]))),
                        _mm_or_si128(_mm_cmpeq_epi16(t, _mm_set1_epi16(short(forms[1]))),
                                     _mm_cmpeq_epi16(t, _mm_set1_epi16(short(forms[2])))));
}

// Eight candidates at a time, up to the last eight characters; a block
// holding a marker is booked one character at a time.
template <class Ch>
bool TScanner<Ch>::ScanFilteredSse2(TUnitCounter& counter, const TCandidateFilter& f, int64_t& k,
                                    int64_t& hit_length, int64_t& exact_length) const {
    const __m128i zero = _mm_setzero_si128();
    const __m128i space_like = _mm_set1_epi16(short(cw_space_like));
    const __m128i markup = _mm_set1_epi16(short(cw_markup));
    const __m128i class_mask = _mm_set1_epi16(short(f.class_mask));
    const __m128i class_value = _mm_set1_epi16(short(f.class_value));
    while (k + 8 <= last) {
        const __m128i e = Load8(cls + k);
        if (_mm_movemask_epi8(_mm_srai_epi16(e, 15)) != 0) {
            if (ScanScalar(counter, k, k + 7, hit_length, exact_length))
                return true;
            continue;
        }
        const __m128i next = Load8(cls + k + 1);
        const __m128i not_space = _mm_cmpeq_epi16(_mm_and_si128(e, space_like), zero);
        const __m128i next_not_space = _mm_or_si128(
            _mm_cmpeq_epi16(_mm_and_si128(next, space_like), zero), _mm_srai_epi16(next, 15));
        const uint32_t starts =
            uint32_t(_mm_movemask_epi8(_mm_andnot_si128(not_space, next_not_space)));
        __m128i cand = AnyOf3(Load8(text + k), f.first);
        if (f.by_class)
            cand = _mm_or_si128(cand, _mm_cmpeq_epi16(_mm_and_si128(e, class_mask), class_value));
        if (f.by_second) {
            const __m128i next_markup = _mm_xor_si128(
                _mm_cmpeq_epi16(_mm_and_si128(next, markup), zero), _mm_cmpeq_epi16(zero, zero));
            cand = _mm_and_si128(cand,
                                 _mm_or_si128(AnyOf3(Load8(text + k + 1), f.second), next_markup));
        }
        int64_t at = 0;
        if (TryLanes(counter, k, starts, uint32_t(_mm_movemask_epi8(cand)), at, hit_length,
                     exact_length)) {
            k = at;
            return true;
        }
        k += 8;
    }
    return false;
}

#endif

#if defined(__x86_64__) || defined(__i386__)
#define QM_SCAN_AVX2 1

__attribute__((target("avx2"))) inline __m256i Load16(const char16_t* p) {
    return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p));
}
__attribute__((target("avx2"))) inline __m256i Load16(const uint16_t* p) {
    return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p));
}
__attribute__((target("avx2"))) inline __m256i Load16(const uint8_t* p) {
    return _mm256_cvtepu8_epi16(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p)));
}

__attribute__((target("avx2"))) inline __m256i AnyOf3x16(__m256i t,
                                                         const std::array<char16_t, 3>& forms) {
    return _mm256_or_si256(
        _mm256_cmpeq_epi16(t, _mm256_set1_epi16(short(forms[0]))),
        _mm256_or_si256(_mm256_cmpeq_epi16(t, _mm256_set1_epi16(short(forms[1]))),
                        _mm256_cmpeq_epi16(t, _mm256_set1_epi16(short(forms[2])))));
}

// A block of sixteen characters that needs a closer look: one holding a
// candidate or a marker.
struct TBlock {
    uint32_t starts = 0;     // word starts, two bits per character
    uint32_t candidates = 0; // candidates, two bits per character
    bool marker = false;
};

// Passes over blocks of sixteen characters that hold neither a candidate nor
// a marker, adding up their word starts, up to the last sixteen characters.
// True when it stopped at a block to look at (k is its start). Calls nothing,
// so the wide registers stay in use for the whole pass.
template <class Ch>
__attribute__((target("avx2,popcnt"))) bool
NextBlockAvx2(const Ch* text, const uint16_t* cls, int64_t last, const TCandidateFilter& f,
              int64_t& k, int32_t& words, TBlock& block) {
    const __m256i zero = _mm256_setzero_si256();
    const __m256i ones = _mm256_cmpeq_epi16(zero, zero);
    const __m256i space_like = _mm256_set1_epi16(short(cw_space_like));
    const __m256i markup = _mm256_set1_epi16(short(cw_markup));
    const __m256i class_mask = _mm256_set1_epi16(short(f.class_mask));
    const __m256i class_value = _mm256_set1_epi16(short(f.class_value));
    int32_t counted = 0;
    bool stopped = false;
    int64_t at = k;
    for (; at + 16 <= last; at += 16) {
        const __m256i e = Load16(cls + at);
        const __m256i next = Load16(cls + at + 1);
        __m256i cand = AnyOf3x16(Load16(text + at), f.first);
        if (f.by_class)
            cand = _mm256_or_si256(
                cand, _mm256_cmpeq_epi16(_mm256_and_si256(e, class_mask), class_value));
        if (f.by_second) {
            const __m256i next_markup =
                _mm256_xor_si256(_mm256_cmpeq_epi16(_mm256_and_si256(next, markup), zero), ones);
            cand = _mm256_and_si256(
                cand, _mm256_or_si256(AnyOf3x16(Load16(text + at + 1), f.second), next_markup));
        }
        const __m256i not_space = _mm256_cmpeq_epi16(_mm256_and_si256(e, space_like), zero);
        const __m256i next_not_space =
            _mm256_or_si256(_mm256_cmpeq_epi16(_mm256_and_si256(next, space_like), zero),
                            _mm256_srai_epi16(next, 15));
        const uint32_t starts =
            uint32_t(_mm256_movemask_epi8(_mm256_andnot_si256(not_space, next_not_space)));
        const uint32_t candidates = uint32_t(_mm256_movemask_epi8(cand));
        const bool marker = _mm256_movemask_epi8(_mm256_srai_epi16(e, 15)) != 0;
        if (candidates != 0 || marker) {
            block = {starts, candidates, marker};
            stopped = true;
            break;
        }
        counted += int32_t(_mm_popcnt_u32(starts));
    }
    k = at;
    words = counted / 2;
    return stopped;
}

// Sixteen candidates at a time: the blocks without a candidate or marker are
// passed over in one go, the others booked and tried lane by lane.
template <class Ch>
bool TScanner<Ch>::ScanFilteredAvx2(TUnitCounter& counter, const TCandidateFilter& f, int64_t& k,
                                    int64_t& hit_length, int64_t& exact_length) const {
    for (;;) {
        int32_t words = 0;
        TBlock block;
        const bool stopped = NextBlockAvx2(text, cls, last, f, k, words, block);
        counter.WordStarts(words);
        if (!stopped)
            return false;
        if (block.marker) {
            if (ScanScalar(counter, k, k + 15, hit_length, exact_length))
                return true;
            continue;
        }
        int64_t at = 0;
        if (TryLanes(counter, k, block.starts, block.candidates, at, hit_length, exact_length)) {
            k = at;
            return true;
        }
        k += 16;
    }
}

bool HasAvx2() {
    static const bool avx2 = __builtin_cpu_supports("avx2") && __builtin_cpu_supports("popcnt");
    return avx2;
}

#endif

template <class Ch>
const Ch* TScanner<Ch>::Run(TUnitCounter& counter, int64_t& hit_length,
                            int64_t& exact_length) const {
    int64_t k = 0;
    TCandidateFilter filter;
    if (ScannerVectorWidth > 0 && MakeFilter(filter)) {
#if defined(QM_SCAN_AVX2)
        if (ScannerVectorWidth >= 256 && HasAvx2() &&
            ScanFilteredAvx2(counter, filter, k, hit_length, exact_length))
            return text + k;
#endif
#if defined(__SSE2__)
        if (ScanFilteredSse2(counter, filter, k, hit_length, exact_length))
            return text + k;
#endif
    }
    if (ScanScalar(counter, k, last, hit_length, exact_length))
        return text + k;
    return nullptr;
}

int32_t ClampedLength(int64_t n) {
    return int32_t(std::min<int64_t>(n, std::numeric_limits<int32_t>::max()));
}

template <class Ch>
const void* Scan(const void* scan_position, int64_t remaining, const uint16_t* class_position,
                 const uint16_t* start_bound, const uint16_t* end_bound, std::u16string_view upper,
                 std::u16string_view lower, std::u16string_view capitalised, int32_t L,
                 bool case_sensitive, bool left_bounded, bool right_bounded, bool skip_punctuation,
                 int32_t& hit_length, int32_t& exact_hit_length, TUnitCounter& counter) {
    TScanner<Ch> scanner;
    scanner.text = static_cast<const Ch*>(scan_position);
    scanner.cls = class_position;
    scanner.peek_end = end_bound ? int64_t(end_bound - class_position) : remaining;
    scanner.last = std::min(remaining - 1, scanner.peek_end);
    if (scanner.last < 0)
        return nullptr;
    scanner.back_limit = start_bound ? int64_t(start_bound - class_position) : 0;
    int64_t length = std::min<int64_t>(L, int64_t(lower.size()));
    if (!case_sensitive)
        length = std::min({length, int64_t(upper.size()), int64_t(capitalised.size())});
    if (length <= 0)
        return nullptr;
    scanner.L = int32_t(length);
    scanner.lo = lower.data();
    scanner.up = case_sensitive ? lower.data() : upper.data();
    scanner.cap = case_sensitive ? lower.data() : capitalised.data();
    scanner.case_sensitive = case_sensitive;
    scanner.left_bounded = left_bounded;
    scanner.right_bounded = right_bounded;
    scanner.skip_punctuation = skip_punctuation;
    int64_t hit = 0, exact = 0;
    const Ch* found = scanner.Run(counter, hit, exact);
    if (found) {
        hit_length = ClampedLength(hit);
        exact_hit_length = ClampedLength(exact);
    }
    return found;
}

} // namespace

const void* NewFindWantedInBuffer(const void* scan_position, int64_t remaining,
                                  const uint16_t* class_position, const uint16_t* start_bound,
                                  const uint16_t* end_bound, std::u16string_view upper,
                                  std::u16string_view lower, std::u16string_view capitalised,
                                  int32_t L, bool case_sensitive, bool left_bounded,
                                  bool right_bounded, bool buffer_is_unicode, bool skip_punctuation,
                                  int32_t& hit_length, int32_t& exact_hit_length,
                                  TSearchStatsRec& stats, bool& in_heading,
                                  bool sentence_end_markers, bool paragraph_end_markers,
                                  bool heading_end_markers, bool section_end_markers) {
    hit_length = 0;
    exact_hit_length = 0;
    TUnitCounter counter(stats, in_heading, sentence_end_markers, paragraph_end_markers,
                         heading_end_markers, section_end_markers);
    const void* found = nullptr;
    if (L > 0 && scan_position && class_position && remaining > 0) {
        if (buffer_is_unicode)
            found = Scan<char16_t>(scan_position, remaining, class_position, start_bound, end_bound,
                                   upper, lower, capitalised, L, case_sensitive, left_bounded,
                                   right_bounded, skip_punctuation, hit_length, exact_hit_length,
                                   counter);
        else
            found = Scan<uint8_t>(scan_position, remaining, class_position, start_bound, end_bound,
                                  upper, lower, capitalised, L, case_sensitive, left_bounded,
                                  right_bounded, skip_punctuation, hit_length, exact_hit_length,
                                  counter);
    }
    counter.StoreTo(stats, in_heading);
    return found;
}

// ---- middle characters -------------------------------------------------------

namespace {

// The byte of c in the code page, when the page holds it as one byte.
bool ByteOfChar(char16_t c, uint32_t code_page, uint8_t& byte) {
    bool all_mapped = false;
    const std::string bytes = platform::UnicodeToAnsi(
        std::u16string_view(&c, 1), code_page == 0 ? platform::SystemCodePage() : code_page,
        all_mapped);
    if (!all_mapped || bytes.size() != 1)
        return false;
    byte = uint8_t(bytes[0]);
    return true;
}

// The class a middle character at index at gets, or 0 when it stays.
uint16_t MiddleClass(const uint16_t* classes, int64_t at, int64_t count, bool allow_at_right,
                     bool allow_at_left) {
    uint16_t result = cw_middle_letter;
    if (!allow_at_left) {
        int64_t p = at - 1;
        while (p >= 0 && IsMarkupEntry(classes[p]))
            --p;
        if (p < 0)
            return 0;
        const uint16_t flags = ClassFlags(classes[p]);
        if (!(flags & cw_alphanumeric))
            return 0;
        result = (flags & cw_digit) ? cw_middle_digit : cw_middle_letter;
    }
    if (!allow_at_right) {
        int64_t p = at + 1;
        while (p < count && IsMarkupEntry(classes[p]))
            ++p;
        if (p >= count)
            return 0;
        const uint16_t flags = ClassFlags(classes[p]);
        if (!(flags & cw_alphanumeric))
            return 0;
        if (flags & cw_digit)
            result = cw_middle_digit;
    }
    return result;
}

template <class Ch>
void ReclassifyMiddles(const Ch* text, uint16_t* classes, Ch unit, int64_t count,
                       bool allow_at_right, bool allow_at_left) {
    for (int64_t i = 0; i < count; ++i) {
        if (text[i] != unit || (classes[i] & (cw_marker | cw_markup)))
            continue;
        if (const uint16_t c = MiddleClass(classes, i, count, allow_at_right, allow_at_left))
            classes[i] = c;
    }
}

template <class Ch>
void NumberMiddles(const Ch* text, uint16_t* classes, int64_t count, bool spaces_in_numbers) {
    for (int64_t i = 0; i + 2 < count; ++i) {
        if (!(ClassFlags(classes[i]) & cw_digit) || (ClassFlags(classes[i + 1]) & cw_digit) ||
            !(ClassFlags(classes[i + 2]) & cw_digit))
            continue;
        const char16_t c = text[i + 1];
        const bool middle =
            c == u'.' || c == u',' || c == 0x00B7 || (c == u' ' && spaces_in_numbers);
        if (middle && !(classes[i + 1] & (cw_marker | cw_markup)))
            classes[i + 1] = cw_middle_digit;
    }
}

} // namespace

void HandleMiddleChars(const void* buffer, uint16_t* classes, std::u16string_view allowables,
                       int64_t allowable_count, int64_t char_count, bool buffer_is_unicode,
                       bool allow_at_right, bool allow_at_left, uint32_t code_page) {
    if (!buffer || !classes || char_count <= 0)
        return;
    const int64_t n = std::clamp<int64_t>(allowable_count, 0, int64_t(allowables.size()));
    for (int64_t a = 0; a < n; ++a) {
        const char16_t c = allowables[size_t(a)];
        if (buffer_is_unicode) {
            ReclassifyMiddles(static_cast<const char16_t*>(buffer), classes, c, char_count,
                              allow_at_right, allow_at_left);
        } else {
            uint8_t byte = 0;
            if (ByteOfChar(c, code_page, byte))
                ReclassifyMiddles(static_cast<const uint8_t*>(buffer), classes, byte, char_count,
                                  allow_at_right, allow_at_left);
        }
    }
}

void HandleMiddleCharsInNumbers(bool buffer_is_unicode, bool spaces_in_numbers, const void* buffer,
                                uint16_t* classes, int64_t char_count) {
    if (!buffer || !classes || char_count < 3)
        return;
    if (buffer_is_unicode)
        NumberMiddles(static_cast<const char16_t*>(buffer), classes, char_count, spaces_in_numbers);
    else
        NumberMiddles(static_cast<const uint8_t*>(buffer), classes, char_count, spaces_in_numbers);
}

// ---- small buffer routines ---------------------------------------------------

int64_t ScanForInt(int32_t value, const int32_t* values, int64_t count) {
    if (!values)
        return 0;
    for (int64_t i = 0; i < count; ++i)
        if (values[i] == value)
            return i + 1;
    return 0;
}

namespace {

template <class Ch> int64_t RemoveChar(Ch* buffer, Ch c, int64_t count) {
    if (!buffer || count <= 0)
        return 0;
    int64_t kept = 0;
    for (int64_t i = 0; i < count; ++i)
        if (buffer[i] != c)
            buffer[kept++] = buffer[i];
    if (kept < count)
        buffer[kept] = Ch(0);
    return kept;
}

} // namespace

int64_t RemoveCharA(char* buffer, char c, int64_t count) {
    return RemoveChar(buffer, c, count);
}

int64_t RemoveCharW(char16_t* buffer, char16_t c, int64_t count) {
    return RemoveChar(buffer, c, count);
}

void ReplaceChar1ByChar2W(char16_t* buffer, char16_t old_char, char16_t new_char, int64_t count) {
    if (!buffer)
        return;
    for (int64_t i = 0; i < count; ++i)
        if (buffer[i] == old_char)
            buffer[i] = new_char;
}

} // namespace qm7
