#include "runtime1/scanning/bare_assemb.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <string_view>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "runtime1/scanning/basic_unicode_chars.h"

namespace qm7 {

static_assert(std::endian::native == std::endian::little,
              "the checksums read little-endian words straight from memory");

namespace {

template <class T> size_t ZeroTerminatedLength(const T* s) {
    return std::basic_string_view<T>(s).size();
}

#if defined(__SSE2__)

// Lanes of one 16-byte register, compared as 8-bit or 16-bit units.
template <class T> struct TLanes;

template <> struct TLanes<char> {
    static constexpr int64_t kWidth = 16;
    static __m128i Splat(char c) { return _mm_set1_epi8(c); }
    static __m128i Equal(__m128i a, __m128i b) { return _mm_cmpeq_epi8(a, b); }
};

template <> struct TLanes<char16_t> {
    static constexpr int64_t kWidth = 8;
    static __m128i Splat(char16_t c) { return _mm_set1_epi16(short(c)); }
    static __m128i Equal(__m128i a, __m128i b) { return _mm_cmpeq_epi16(a, b); }
};

inline __m128i Load(const void* p) {
    return _mm_loadu_si128(static_cast<const __m128i*>(p));
}

#endif

// Does the pattern match at p, given that its first and last units already
// do? Unit k matches when it equals lower[k] or upper[k].
template <class T> bool MiddleMatches(const T* p, const T* lower, const T* upper, int64_t length) {
    for (int64_t k = 1; k + 1 < length; ++k)
        if (p[k] != lower[k] && p[k] != upper[k])
            return false;
    return true;
}

template <class T> bool UnitMatches(T c, T lower, T upper) {
    return c == lower || c == upper;
}

// The first position at or after `from` and at most `last` where the pattern
// matches, one unit at a time.
template <class T>
const T* FindScalar(const T* buffer, int64_t from, int64_t last, const T* lower, const T* upper,
                    int64_t length) {
    for (int64_t i = from; i <= last; ++i) {
        const T* p = buffer + i;
        if (UnitMatches(p[0], lower[0], upper[0]) &&
            UnitMatches(p[length - 1], lower[length - 1], upper[length - 1]) &&
            MiddleMatches(p, lower, upper, length))
            return p;
    }
    return nullptr;
}

// The first occurrence of a pattern of `length` units (length >= 1) wholly
// within the first `count` units. A block of candidate positions is tested
// at once on the pattern's first and last units; only the positions where
// both agree are compared in full. Nothing outside the count is read.
template <class T>
const T* FindPattern(const T* buffer, int64_t count, const T* lower, const T* upper,
                     int64_t length) {
    if (length <= 0 || length > count)
        return nullptr;
    const int64_t last = count - length; // the last position a match can start at
    int64_t i = 0;
#if defined(__SSE2__)
    using L = TLanes<T>;
    const __m128i first_lo = L::Splat(lower[0]);
    const __m128i first_up = L::Splat(upper[0]);
    const __m128i last_lo = L::Splat(lower[length - 1]);
    const __m128i last_up = L::Splat(upper[length - 1]);
    for (; i + L::kWidth - 1 <= last; i += L::kWidth) {
        const __m128i head = Load(buffer + i);
        const __m128i tail = Load(buffer + i + length - 1);
        const __m128i hits =
            _mm_and_si128(_mm_or_si128(L::Equal(head, first_lo), L::Equal(head, first_up)),
                          _mm_or_si128(L::Equal(tail, last_lo), L::Equal(tail, last_up)));
        unsigned mask = unsigned(_mm_movemask_epi8(hits));
        while (mask != 0) {
            const int bit = std::countr_zero(mask);
            const T* p = buffer + i + bit / int(sizeof(T));
            if (MiddleMatches(p, lower, upper, length))
                return p;
            mask &= ~((sizeof(T) == 1 ? 1u : 3u) << bit);
        }
    }
#endif
    return FindScalar(buffer, i, last, lower, upper, length);
}

template <class T> const T* ScanFor(const T* buffer, T c, int64_t count) {
    int64_t i = 0;
#if defined(__SSE2__)
    using L = TLanes<T>;
    const __m128i wanted = L::Splat(c);
    for (; i + L::kWidth <= count; i += L::kWidth) {
        const unsigned mask = unsigned(_mm_movemask_epi8(L::Equal(Load(buffer + i), wanted)));
        if (mask != 0)
            return buffer + i + std::countr_zero(mask) / int(sizeof(T));
    }
#endif
    for (; i < count; ++i)
        if (buffer[i] == c)
            return buffer + i;
    return nullptr;
}

template <class T> const T* PosOf(const T* buffer, const T* pattern, int64_t length) {
    if (!buffer || !pattern || length <= 0)
        return nullptr;
    const int64_t n = int64_t(ZeroTerminatedLength(pattern));
    return FindPattern(buffer, length, pattern, pattern, n);
}

template <class T>
const T* IPosOf(const T* buffer, const T* lower, const T* upper, int64_t length) {
    if (!buffer || !lower || !upper || length <= 0)
        return nullptr;
    const int64_t n = int64_t(ZeroTerminatedLength(lower));
    if (n != int64_t(ZeroTerminatedLength(upper)))
        return nullptr;
    return FindPattern(buffer, length, lower, upper, n);
}

template <class T> int64_t HowFarEqual(const T* a, const T* b, int64_t count) {
    if (!a || !b || count <= 0)
        return 0;
    const auto [pa, pb] = std::mismatch(a, a + count, b);
    (void)pb;
    return pa == a + count ? 0 : count - (pa - a) - 1;
}

template <class T> bool EqualContents(const T* a, const T* b, int64_t count) {
    if (count <= 0)
        return true;
    if (!a || !b)
        return false;
    return std::memcmp(a, b, size_t(count) * sizeof(T)) == 0;
}

template <class T> void ReplaceUnit(T* buffer, T c, T by, int64_t count) {
    if (!buffer)
        return;
    for (int64_t i = 0; i < count; ++i)
        if (buffer[i] == c)
            buffer[i] = by;
}

template <class T> void ReplaceControls(T* buffer, int64_t count) {
    if (!buffer)
        return;
    for (int64_t i = 0; i < count; ++i)
        if (uint16_t(std::make_unsigned_t<T>(buffer[i])) < 0x20)
            buffer[i] = T(' ');
}

template <class T> void ReplaceCarriageReturns(T* buffer, int64_t count) {
    if (!buffer)
        return;
    for (int64_t i = 0; i < count; ++i) {
        if (buffer[i] != T('\r'))
            continue;
        buffer[i] = T(' ');
        if (i + 1 < count && buffer[i + 1] == T('\n'))
            buffer[++i] = T(' ');
    }
}

template <class T> void Fill(T* buffer, T c, int64_t count) {
    if (!buffer || count <= 0)
        return;
    std::fill_n(buffer, count, c);
}

// Writes the terminating zero after the kept text when there is room for it
// inside the counted memory, that is when the text became shorter.
template <class T> int64_t Terminate(T* buffer, int64_t kept, int64_t count) {
    if (kept < count)
        buffer[kept] = T(0);
    return kept;
}

// The shared body of ClearBetweenChars and CleanBetweenChars: the closing
// character is looked for among the `reach` characters after each opening one.
int64_t BetweenChars(char* buffer, char opening, char closing, int64_t count, int64_t reach,
                     bool remove) {
    if (!buffer || count <= 0)
        return 0;
    int64_t w = 0;
    int64_t r = 0;
    while (r < count) {
        if (buffer[r] != opening) {
            buffer[w++] = buffer[r++];
            continue;
        }
        const int64_t limit = std::min(count - r - 1, std::max<int64_t>(reach, 0));
        const char* close = limit > 0 ? FastStrScan(buffer + r + 1, closing, limit) : nullptr;
        const int64_t end = close ? close - buffer + 1 : r + 1; // one past the span
        if (remove) {
            r = end;
        } else {
            while (r < end)
                buffer[w++] = ' ', ++r;
        }
    }
    return Terminate(buffer, w, count);
}

// 256 flags: which bytes an alphabet holds.
std::array<bool, 256> MembersOf(const ANSILower_or_upperStr_type& alphabet) {
    std::array<bool, 256> members{};
    for (char c : alphabet.View())
        members[uint8_t(c)] = true;
    return members;
}

} // namespace

// --- Search and scan -------------------------------------------------------

const char16_t* FastStrPosW(const char16_t* buffer, const char16_t* pattern, int64_t length) {
    return PosOf(buffer, pattern, length);
}

const char* FastStrPos(const char* buffer, const char* pattern, int64_t length) {
    return PosOf(buffer, pattern, length);
}

const char16_t* FastStrIPosW(const char16_t* buffer, const char16_t* lower_pattern,
                             const char16_t* upper_pattern, int64_t length) {
    return IPosOf(buffer, lower_pattern, upper_pattern, length);
}

const char* FastStrIPos(const char* buffer, const char* lower_pattern, const char* upper_pattern,
                        int64_t length) {
    return IPosOf(buffer, lower_pattern, upper_pattern, length);
}

const char* FastStrScan(const char* buffer, char c, int64_t count) {
    if (!buffer || count <= 0)
        return nullptr;
    return static_cast<const char*>(std::memchr(buffer, c, size_t(count)));
}

const char16_t* FastStrScanW(const char16_t* buffer, char16_t c, int64_t count) {
    if (!buffer || count <= 0)
        return nullptr;
    return ScanFor(buffer, c, count);
}

int64_t HowFarEqualContentsA(const char* a, const char* b, int64_t count) {
    return HowFarEqual(a, b, count);
}

int64_t HowFarEqualContentsW(const char16_t* a, const char16_t* b, int64_t count) {
    return HowFarEqual(a, b, count);
}

bool EqualContentsA(const char* a, const char* b, int64_t count) {
    return EqualContents(a, b, count);
}

bool EqualContentsW(const char16_t* a, const char16_t* b, int64_t count) {
    return EqualContents(a, b, count);
}

bool UnicodeSigned(const void* buffer, int64_t byte_count) {
    if (!buffer || byte_count < 2)
        return false;
    const auto* b = static_cast<const uint8_t*>(buffer);
    return (b[0] == 0xFF && b[1] == 0xFE) || (b[0] == 0xFE && b[1] == 0xFF);
}

bool UnicodeByteReversed(const void* buffer, int64_t byte_count) {
    if (!buffer || byte_count < 2)
        return false;
    const auto* b = static_cast<const uint8_t*>(buffer);
    return b[0] == 0xFE && b[1] == 0xFF;
}

// --- Clean-up in place -----------------------------------------------------

void ReplaceCharacterBySpace(char* buffer, char c, int64_t count) {
    ReplaceUnit(buffer, c, ' ', count);
}

void ReplaceCharacterBySpaceW(char16_t* buffer, char16_t c, int64_t count) {
    ReplaceUnit(buffer, c, uc_space, count);
}

void ReplaceControlCharsBySpaceA(char* buffer, int64_t count) {
    ReplaceControls(buffer, count);
}

void ReplaceControlCharsBySpaceW(char16_t* buffer, int64_t count) {
    ReplaceControls(buffer, count);
}

void ReplaceCarriageReturnsBySpaceA(char* buffer, int64_t count) {
    ReplaceCarriageReturns(buffer, count);
}

void ReplaceCarriageReturnsBySpaceW(char16_t* buffer, int64_t count) {
    ReplaceCarriageReturns(buffer, count);
}

void ReplaceTabsBySpace(char* buffer, int64_t count) {
    ReplaceUnit(buffer, '\t', ' ', count);
}

void BlankOutSomeBytesA(char* buffer, int64_t count) {
    Fill(buffer, ' ', count);
}

void BlankOutSomeBytesW(char16_t* buffer, int64_t count) {
    Fill(buffer, uc_space, count);
}

void ZeroSomeBytesW(char16_t* buffer, int64_t count) {
    Fill(buffer, char16_t(0), count);
}

int64_t LengthConvertedToUnix(char* buffer, int64_t count) {
    if (!buffer || count <= 0)
        return 0;
    return std::remove(buffer, buffer + count, '\n') - buffer;
}

int64_t CutDoubleCRLFsW(char16_t* buffer, int64_t count) {
    if (!buffer || count <= 0)
        return 0;
    auto pair_at = [&](int64_t i) {
        return i + 1 < count && buffer[i] == uc_carriage_return && buffer[i + 1] == uc_line_feed;
    };
    int64_t w = 0;
    int64_t r = 0;
    while (r < count) {
        if (!pair_at(r)) {
            buffer[w++] = buffer[r++];
            continue;
        }
        buffer[w++] = uc_carriage_return;
        buffer[w++] = uc_line_feed;
        r += 2;
        while (pair_at(r))
            r += 2;
    }
    return Terminate(buffer, w, count);
}

int64_t RemoveRedundantSpaceW(char16_t* buffer, int64_t count) {
    if (!buffer || count <= 0)
        return 0;
    int64_t w = 0;
    int64_t r = 0;
    while (r < count) {
        const char16_t c = buffer[r++];
        buffer[w++] = c;
        if (c == uc_space)
            while (r < count && buffer[r] == uc_space)
                ++r;
    }
    return Terminate(buffer, w, count);
}

int64_t ClearBetweenChars(char* buffer, char opening, char closing, int64_t count) {
    return BetweenChars(buffer, opening, closing, count, count, true);
}

int64_t CleanBetweenChars(char* buffer, char opening, char closing, int64_t count, int64_t max_span,
                          bool remove) {
    return BetweenChars(buffer, opening, closing, count, max_span, remove);
}

void CutLowercaseWords(char* buffer, const ANSILower_or_upperStr_type& lower_alphabet,
                       const ANSILower_or_upperStr_type& upper_alphabet, int64_t count) {
    if (!buffer || count <= 0)
        return;
    const auto lower = MembersOf(lower_alphabet);
    const auto upper = MembersOf(upper_alphabet);
    // A byte of the lower alphabet counts as lower case even when the upper
    // alphabet holds it too.
    auto is_lower = [&](uint8_t b) { return (b >= 'a' && b <= 'z') || (b > 'z' && lower[b]); };
    auto is_capital = [&](uint8_t b) {
        return (b >= 'A' && b <= 'Z') || (b > 'z' && !lower[b] && upper[b]);
    };
    int64_t i = 0;
    while (i < count) {
        if (uint8_t(buffer[i]) <= uint8_t(' ')) {
            ++i;
            continue;
        }
        int64_t end = i;
        bool capital = false;
        for (; end < count && uint8_t(buffer[end]) > uint8_t(' '); ++end)
            if (is_capital(uint8_t(buffer[end])))
                capital = true;
        if (!capital)
            for (; i < end; ++i)
                if (is_lower(uint8_t(buffer[i])))
                    buffer[i] = ' ';
        i = end;
    }
}

void CapitaliseABuffer(char* buffer, const ANSILower_or_upperStr_type& lower_alphabet,
                       const ANSILower_or_upperStr_type& upper_alphabet, int64_t count) {
    if (!buffer || count <= 0)
        return;
    std::array<uint8_t, 256> map{};
    for (size_t b = 0; b < map.size(); ++b)
        map[b] = uint8_t(b);
    const size_t n = std::min(lower_alphabet.Length(), upper_alphabet.Length());
    // Backwards, so that the first occurrence in the lower alphabet decides.
    for (size_t k = n; k-- > 0;)
        map[uint8_t(lower_alphabet[k])] = uint8_t(upper_alphabet[k]);
    for (int c = 'a'; c <= 'z'; ++c)
        map[size_t(c)] = uint8_t(c - 'a' + 'A');
    for (int64_t i = 0; i < count; ++i)
        buffer[i] = char(map[uint8_t(buffer[i])]);
}

void SetZeroWidthJoinersToDefined(const char16_t* buffer, uint16_t* classes, int64_t count) {
    if (!buffer || !classes)
        return;
    for (int64_t i = 0; i < count; ++i)
        if (buffer[i] == uc_zero_width_joiner)
            classes[i] = ct1_defined;
}

void SetZeroWidthNonJoinersToDefinedAlpha(const char16_t* buffer, uint16_t* classes,
                                          int64_t count) {
    if (!buffer || !classes)
        return;
    for (int64_t i = 0; i < count; ++i)
        if (buffer[i] == uc_zero_width_non_joiner)
            classes[i] = ct1_defined | ct1_alpha;
}

void Swap2Strings(char16_t* buffer, int64_t first_length, int64_t second_length) {
    if (!buffer || first_length <= 0 || second_length <= 0 || buffer[0] == 0)
        return;
    std::rotate(buffer, buffer + first_length, buffer + first_length + second_length);
}

int64_t SearchAndReplaceFastW(char16_t* buffer, const char16_t* find, const char16_t* replacement,
                              int64_t buffer_length, int64_t find_length) {
    if (!buffer || !find || !replacement || find_length <= 0 || buffer_length < find_length)
        return 0;
    const int64_t replacement_length = int64_t(ZeroTerminatedLength(replacement));
    if (replacement_length > find_length)
        return 0;
    int64_t replaced = 0;
    int64_t from = 0;
    while (from <= buffer_length - find_length) {
        const char16_t* hit =
            FindPattern<char16_t>(buffer + from, buffer_length - from, find, find, find_length);
        if (!hit)
            break;
        char16_t* at = buffer + (hit - buffer);
        std::copy_n(replacement, replacement_length, at);
        std::fill(at + replacement_length, at + find_length, uc_space);
        ++replaced;
        from = (at - buffer) + find_length;
    }
    return replaced;
}

// --- Checksums ---------------------------------------------------------------

uint16_t My2Checksum(const void* buffer, int64_t word_count) {
    if (!buffer || word_count <= 0)
        return 0;
    const auto* bytes = static_cast<const uint8_t*>(buffer);
    uint32_t sum = 0;
    for (int64_t i = 0; i < word_count; ++i) {
        uint16_t word;
        std::memcpy(&word, bytes + 2 * i, sizeof word);
        sum += word;
    }
    return uint16_t(sum);
}

uint32_t My4Checksum(const void* buffer, int64_t byte_count) {
    if (!buffer || byte_count < 4)
        return 0;
    const auto* bytes = static_cast<const uint8_t*>(buffer);
    const int64_t words = byte_count / 4;
    uint32_t sum = 0;
    for (int64_t i = 0; i < words; ++i) {
        uint32_t word;
        std::memcpy(&word, bytes + 4 * i, sizeof word);
        sum += word;
    }
    return sum;
}

} // namespace qm7
