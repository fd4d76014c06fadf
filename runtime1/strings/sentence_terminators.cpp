#include "runtime1/strings/sentence_terminators.h"

#include <unicode/uchar.h>

namespace qm7 {

namespace {

// An inclusive run of code units.
struct TUnitRange {
    char16_t first, last;
};

template <size_t N, size_t R>
constexpr std::array<char16_t, N> Expanded(const TUnitRange (&ranges)[R]) {
    std::array<char16_t, N> table{};
    size_t k = 0;
    for (const TUnitRange& r : ranges)
        for (char32_t c = r.first; c <= r.last; ++c)
            table[k++] = char16_t(c);
    return table;
}

template <size_t R> constexpr size_t CountOf(const TUnitRange (&ranges)[R]) {
    size_t n = 0;
    for (const TUnitRange& r : ranges)
        n += size_t(r.last - r.first) + 1;
    return n;
}

template <size_t N> constexpr bool Ascending(const std::array<char16_t, N>& table) {
    for (size_t i = 1; i < N; ++i)
        if (table[i - 1] >= table[i])
            return false;
    return true;
}

constexpr TUnitRange kOtherTerminators[] = {
    {0x0589, 0x0589}, {0x061F, 0x061F}, {0x06D4, 0x06D4}, {0x0700, 0x0702}, {0x07F9, 0x07F9},
    {0x0964, 0x0965}, {0x104A, 0x104B}, {0x1362, 0x1362}, {0x1367, 0x1368}, {0x166E, 0x166E},
    {0x1803, 0x1803}, {0x1809, 0x1809}, {0x1944, 0x1945}, {0x1AA8, 0x1AAB}, {0x1B5A, 0x1B5B},
    {0x1B5E, 0x1B5F}, {0x1C3B, 0x1C3C}, {0x1C7E, 0x1C7F}, {0x203C, 0x203D}, {0x2047, 0x2049},
    {0x2E2E, 0x2E2E}, {0x3002, 0x3002}, {0xA4FF, 0xA4FF}, {0xA60E, 0xA60F}, {0xA6F3, 0xA6F3},
    {0xA6F7, 0xA6F7}, {0xA876, 0xA877}, {0xA8CE, 0xA8CF}, {0xA92F, 0xA92F}, {0xA9C8, 0xA9C9},
    {0xAA5D, 0xAA5F}, {0xAAF0, 0xAAF1}, {0xABEB, 0xABEB}, {0xFE52, 0xFE52}, {0xFE56, 0xFE57},
    {0xFF01, 0xFF01}, {0xFF0E, 0xFF0E}, {0xFF1F, 0xFF1F}, {0xFF61, 0xFF61},
};

constexpr TUnitRange kPunctNotEnding[] = {
    {0x037E, 0x037E}, {0x0387, 0x0387}, {0x055A, 0x055F}, {0x05C0, 0x05C0}, {0x05C3, 0x05C3},
    {0x05C6, 0x05C6}, {0x05F3, 0x05F4}, {0x0609, 0x060A}, {0x060C, 0x060D}, {0x061B, 0x061B},
    {0x061E, 0x061E}, {0x066A, 0x066D}, {0x0703, 0x070D}, {0x07F7, 0x07F8}, {0x0830, 0x083E},
    {0x0970, 0x0970}, {0x0DF4, 0x0DF4}, {0x0E4F, 0x0E4F}, {0x0E5A, 0x0E5B}, {0x0F04, 0x0F12},
    {0x0F85, 0x0F85}, {0x0FD0, 0x0FD4}, {0x104C, 0x104F}, {0x10FB, 0x10FB}, {0x1361, 0x1361},
    {0x1363, 0x1366}, {0x166D, 0x166D}, {0x16EB, 0x16ED}, {0x1735, 0x1736}, {0x17D4, 0x17D6},
    {0x17D8, 0x17DA}, {0x1800, 0x1802}, {0x1804, 0x1805}, {0x1807, 0x1808}, {0x180A, 0x180A},
    {0x19DE, 0x19DF}, {0x1A1E, 0x1A1F}, {0x1AA0, 0x1AA6}, {0x1AAC, 0x1AAD}, {0x1B5C, 0x1B5D},
    {0x1B60, 0x1B60}, {0x1C3D, 0x1C3F}, {0x1CD3, 0x1CD3}, {0x2016, 0x2017}, {0x2020, 0x2027},
    {0x2030, 0x2038}, {0x203B, 0x203B}, {0x203E, 0x203E}, {0x2041, 0x2043}, {0x204A, 0x2051},
    {0x2053, 0x2053}, {0x2055, 0x205E}, {0x2CF9, 0x2CFC}, {0x2CFE, 0x2CFF}, {0x2E00, 0x2E01},
    {0x2E06, 0x2E08}, {0x2E0B, 0x2E0B}, {0x2E0E, 0x2E16}, {0x2E18, 0x2E19}, {0x2E1B, 0x2E1B},
    {0x2E1E, 0x2E1F}, {0x2E2A, 0x2E2D}, {0x2E30, 0x2E31}, {0x3001, 0x3001}, {0x3003, 0x3003},
    {0x303D, 0x303D}, {0x30FB, 0x30FB}, {0xA4FE, 0xA4FE}, {0xA60D, 0xA60D}, {0xA673, 0xA673},
    {0xA67E, 0xA67E}, {0xA6F2, 0xA6F2}, {0xA6F4, 0xA6F6}, {0xA874, 0xA875}, {0xA8F8, 0xA8FA},
    {0xA92E, 0xA92E}, {0xA95F, 0xA95F}, {0xA9C1, 0xA9C7}, {0xA9CA, 0xA9CD}, {0xA9DE, 0xA9DF},
    {0xAA5C, 0xAA5C}, {0xAADE, 0xAADF}, {0xFE10, 0xFE16}, {0xFE19, 0xFE19}, {0xFE30, 0xFE30},
    {0xFE45, 0xFE46}, {0xFE49, 0xFE4C}, {0xFE50, 0xFE51}, {0xFE54, 0xFE55}, {0xFE5F, 0xFE61},
    {0xFE68, 0xFE68}, {0xFE6A, 0xFE6B}, {0xFF02, 0xFF03}, {0xFF05, 0xFF07}, {0xFF0A, 0xFF0A},
    {0xFF0C, 0xFF0C}, {0xFF0F, 0xFF0F}, {0xFF1A, 0xFF1B}, {0xFF20, 0xFF20}, {0xFF3C, 0xFF3C},
    {0xFF64, 0xFF65},
};

static_assert(CountOf(kOtherTerminators) == 63);
static_assert(CountOf(kPunctNotEnding) == 276);

bool IsLetterOrDigit(char16_t c) {
    switch (u_charType(c)) {
    case U_UPPERCASE_LETTER:
    case U_LOWERCASE_LETTER:
    case U_TITLECASE_LETTER:
    case U_MODIFIER_LETTER:
    case U_OTHER_LETTER:
    case U_DECIMAL_DIGIT_NUMBER:
        return true;
    default:
        return false;
    }
}

bool IsLower(char16_t c) {
    return u_charType(c) == U_LOWERCASE_LETTER;
}

int64_t LengthOf(std::u16string_view text) {
    return int64_t(text.size());
}

// The character at 1-based position p, which must lie within the text.
char16_t At(std::u16string_view text, int64_t p) {
    return text[size_t(p - 1)];
}

} // namespace

namespace {
constexpr auto kOtherTable = Expanded<63>(kOtherTerminators);
constexpr auto kPunctTable = Expanded<276>(kPunctNotEnding);
static_assert(Ascending(kOtherTable));
static_assert(Ascending(kPunctTable));
} // namespace

const std::array<char16_t, 63> other_sent_terminators = kOtherTable;
const std::array<char16_t, 276> punct_not_ending_sent = kPunctTable;

bool IsPotentialSentenceTerminator(char16_t c) {
    if (c < 0x0021 || (c >= 0x0040 && c <= 0x007D))
        return false;
    if (IsBasicSentTerminator(c))
        return true;
    if (c < other_sent_terminators.front())
        return false;
    return IsOtherSentTerminator(c);
}

int64_t EndOfSentence(int64_t start, std::u16string_view text) {
    const int64_t length = LengthOf(text);
    start = std::max<int64_t>(start, 1);
    if (length < start)
        return -1;
    bool met_letter_or_digit = false;
    for (int64_t p = start; p <= length; ++p) {
        const char16_t c = At(text, p);
        if (!met_letter_or_digit && IsLetterOrDigit(c))
            met_letter_or_digit = true;
        if (!met_letter_or_digit)
            continue;
        if (p == length)
            return p;
        if (IsPotentialSentenceTerminator(c) && p > 1 && !IsLetterOrDigit(At(text, p + 1)))
            return p;
    }
    return -1;
}

int64_t FirstLetterOrDigitPosAfterSentenceEnd(std::u16string_view text, int64_t p) {
    const int64_t length = LengthOf(text);
    if (length == 0)
        return 0;
    p = std::clamp<int64_t>(p, 1, length);
    while (p < length && !IsLetterOrDigit(At(text, p)))
        ++p;
    return p;
}

bool FirstCharAfterSentenceEndUpperCase(std::u16string_view text, int64_t p) {
    if (p < 1 || p >= LengthOf(text))
        return true;
    return !IsLower(At(text, p));
}

int64_t FirstValidStartOfSentence(std::u16string_view text, int64_t p) {
    const int64_t length = LengthOf(text);
    int64_t q = FirstLetterOrDigitPosAfterSentenceEnd(text, p);
    while (!FirstCharAfterSentenceEndUpperCase(text, q)) {
        // q lies before the last position here, so each round moves on.
        q = EndOfSentence(q + 1, text);
        if (q < 0)
            return length; // no further sentence end: the end of the text
        q = FirstLetterOrDigitPosAfterSentenceEnd(text, q);
    }
    return q;
}

} // namespace qm7
