#include "platform/chartype.h"

#include <memory>
#include <mutex>
#include <string>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include <unicode/uchar.h>
#include <unicode/ucnv.h>

#include "platform/codepage.h"

namespace qm7::platform {

namespace {

constexpr char16_t kReplacement = 0xFFFD;

bool IsBlank(char32_t c) {
    return c == 0x09 || c == 0x20 || c == 0xA0 || c == 0x3000 || c == 0xFEFF;
}

bool IsHexDigit(char32_t c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

// Superscript two, three and one.
bool IsLatin1Digit(char32_t c) {
    return c == 0xB2 || c == 0xB3 || c == 0xB9;
}

uint16_t CaseFlags(char32_t c) {
    uint16_t flags = 0;
    if (u_isUUppercase(UChar32(c)))
        flags |= C1_UPPER;
    if (u_isULowercase(UChar32(c)))
        flags |= C1_LOWER;
    return flags;
}

uint16_t CategoryFlags(char32_t c, int8_t category) {
    switch (category) {
    case U_UPPERCASE_LETTER:
    case U_TITLECASE_LETTER:
        return C1_ALPHA | C1_UPPER | CaseFlags(c);
    case U_LOWERCASE_LETTER:
        return C1_ALPHA | C1_LOWER | CaseFlags(c);
    case U_MODIFIER_LETTER:
    case U_OTHER_LETTER:
    case U_LETTER_NUMBER:
        return C1_ALPHA | CaseFlags(c);
    case U_DECIMAL_DIGIT_NUMBER:
        return C1_DIGIT;
    case U_OTHER_NUMBER:
        return IsLatin1Digit(c) ? C1_DIGIT : 0;
    case U_CONTROL_CHAR:
        return C1_CNTRL | (u_isUWhiteSpace(UChar32(c)) ? C1_SPACE : 0);
    case U_FORMAT_CHAR:
        return C1_CNTRL;
    case U_SPACE_SEPARATOR:
    case U_LINE_SEPARATOR:
    case U_PARAGRAPH_SEPARATOR:
        return C1_SPACE;
    case U_CONNECTOR_PUNCTUATION:
    case U_DASH_PUNCTUATION:
    case U_START_PUNCTUATION:
    case U_END_PUNCTUATION:
    case U_INITIAL_PUNCTUATION:
    case U_FINAL_PUNCTUATION:
    case U_OTHER_PUNCTUATION:
        return C1_PUNCT;
    case U_MATH_SYMBOL:
    case U_CURRENCY_SYMBOL:
    case U_MODIFIER_SYMBOL:
    case U_OTHER_SYMBOL:
        // Only the ASCII and Latin-1 symbols count as punctuation.
        return c < 0x100 ? C1_PUNCT : 0;
    default: // combining marks, private use, surrogates
        return 0;
    }
}

std::unique_ptr<std::array<uint16_t, 0x10000>> BuildTable() {
    auto table = std::make_unique<std::array<uint16_t, 0x10000>>();
    for (char32_t c = 0; c < 0x10000; ++c)
        (*table)[c] = CharType1OfCodePoint(c);
    return table;
}

constexpr uint32_t kCodePages[] = {874,  932,  936,  949,  950,  1250, 1251,
                                   1252, 1253, 1254, 1255, 1256, 1257, 1258};
constexpr size_t kPageCount = std::size(kCodePages);

size_t SlotOf(uint32_t code_page) {
    for (size_t i = 0; i < kPageCount; ++i)
        if (kCodePages[i] == code_page)
            return i;
    return 7; // Windows-1252
}

std::unique_ptr<std::array<uint16_t, 256>> BuildPageTable(uint32_t code_page) {
    auto table = std::make_unique<std::array<uint16_t, 256>>();
    for (int b = 0; b < 256; ++b) {
        const std::u16string u = AnsiToUnicode(std::string(1, char(b)), code_page);
        (*table)[size_t(b)] = u.size() == 1 && u[0] != kReplacement ? CharType1(u[0]) : 0;
    }
    return table;
}

bool IsSurrogate(char16_t c) {
    return (c & 0xF800) == 0xD800;
}

// Does any of the eight units at p lie in the surrogate range?
bool HasSurrogate8(const char16_t* p) {
#if defined(__SSE2__)
    const __m128i units = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    const __m128i high5 = _mm_and_si128(units, _mm_set1_epi16(short(0xF800)));
    return _mm_movemask_epi8(_mm_cmpeq_epi16(high5, _mm_set1_epi16(short(0xD800)))) != 0;
#else
    for (int k = 0; k < 8; ++k)
        if (IsSurrogate(p[k]))
            return true;
    return false;
#endif
}

struct TConverterCloser {
    void operator()(UConverter* c) const { ucnv_close(c); }
};

// A double-byte page, one character at a time, so that each byte is tied to
// the character it belongs to.
void DoubleByteType1(const char* text, size_t count, uint32_t code_page, uint16_t* types) {
    UErrorCode error = U_ZERO_ERROR;
    std::unique_ptr<UConverter, TConverterCloser> cnv(
        ucnv_open(IcuConverterName(code_page), &error));
    if (U_FAILURE(error) || !cnv) {
        std::fill_n(types, count, uint16_t(0));
        return;
    }
    ucnv_setToUCallBack(cnv.get(), UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &error);
    const auto& single = CodePageType1Table(code_page);
    const char* p = text;
    const char* const end = text + count;
    while (p < end) {
        const char* start = p;
        error = U_ZERO_ERROR;
        const UChar32 c = ucnv_getNextUChar(cnv.get(), &p, end, &error);
        if (U_FAILURE(error) || p <= start) {
            ucnv_reset(cnv.get());
            types[start - text] = 0;
            p = start + 1;
            continue;
        }
        // Single bytes through the page's own table (it knows the controls
        // that some converters reorder).
        const uint16_t flags =
            p - start == 1 ? single[uint8_t(*start)] : CharType1OfCodePoint(char32_t(c));
        std::fill(types + (start - text), types + (p - text), flags);
    }
}

} // namespace

uint16_t CharType1OfCodePoint(char32_t c) {
    if (c > 0x10FFFF)
        return 0;
    const int8_t category = u_charType(UChar32(c));
    if (category == U_UNASSIGNED)
        return 0;
    uint16_t flags = C1_DEFINED | CategoryFlags(c, category);
    // Latin-1 signs from cent to three quarters that are neither letters,
    // digits nor controls (the fractions among them) are punctuation too.
    if (c >= 0xA2 && c <= 0xBE && !(flags & (C1_ALPHA | C1_DIGIT | C1_CNTRL)))
        flags |= C1_PUNCT;
    if (IsBlank(c))
        flags |= C1_BLANK;
    if (IsHexDigit(c))
        flags |= C1_XDIGIT;
    return flags;
}

const std::array<uint16_t, 0x10000>& CharType1Table() {
    static const std::unique_ptr<std::array<uint16_t, 0x10000>> table = BuildTable();
    return *table;
}

void StringType1W(const char16_t* text, size_t count, uint16_t* types) {
    if (!text || !types)
        return;
    const uint16_t* table = CharType1Table().data();
    size_t i = 0;
    while (i < count) {
        // Blocks of eight units without surrogates: plain look-ups.
        if (i + 8 <= count && !HasSurrogate8(text + i)) {
            for (size_t k = 0; k < 8; ++k)
                types[i + k] = table[text[i + k]];
            i += 8;
            continue;
        }
        const char16_t c = text[i];
        if (!IsSurrogate(c)) {
            types[i++] = table[c];
            continue;
        }
        if (c <= 0xDBFF && i + 1 < count && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
            const char32_t cp = 0x10000 + ((char32_t(c) - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            types[i] = types[i + 1] = CharType1OfCodePoint(cp);
            i += 2;
            continue;
        }
        types[i++] = C1_DEFINED;
    }
}

const std::array<uint16_t, 256>& CodePageType1Table(uint32_t code_page) {
    static std::array<std::once_flag, kPageCount> once;
    static std::array<std::unique_ptr<std::array<uint16_t, 256>>, kPageCount> tables;
    const size_t slot = SlotOf(code_page);
    std::call_once(once[slot], [slot] { tables[slot] = BuildPageTable(kCodePages[slot]); });
    return *tables[slot];
}

void StringType1A(const char* text, size_t count, uint32_t code_page, uint16_t* types) {
    if (!text || !types)
        return;
    if (!IsSingleByteCodePage(code_page)) {
        DoubleByteType1(text, count, code_page, types);
        return;
    }
    const auto& table = CodePageType1Table(code_page);
    for (size_t i = 0; i < count; ++i)
        types[i] = table[uint8_t(text[i])];
}

} // namespace qm7::platform
