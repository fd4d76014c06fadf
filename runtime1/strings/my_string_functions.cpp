#include "runtime1/strings/my_string_functions.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <stdexcept>

#include <unicode/dtfmtsym.h>
#include <unicode/locid.h>
#include <unicode/uchar.h>

#include "platform/chartype.h"
#include "platform/format.h"
#include "platform/settings.h"
#include "platform/text.h"
#include "runtime1/core/GeneralRuntime1Const.h"
#include "runtime1/core/myKpSmall.h"
#include "runtime1/scanning/WinGenOk.h"
#include "runtime1/strings/sentence_terminators.h"

namespace qm7 {

using platform::TStringList;

namespace {

// --- Characters and small texts ----------------------------------------------

bool IsAsciiDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

bool IsAsciiLetter(char16_t c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

int HexValue(char16_t c) {
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    return -1;
}

std::u16string Ascii(std::string_view s) {
    return std::u16string(s.begin(), s.end());
}

std::u16string DecimalText(int64_t v) {
    return Ascii(std::to_string(v));
}

// The text without the characters at or below U+0020 at either end.
std::u16string_view TrimmedView(std::u16string_view s) {
    size_t first = 0, last = s.size();
    while (first < last && s[first] <= u' ')
        ++first;
    while (last > first && s[last - 1] <= u' ')
        --last;
    return s.substr(first, last - first);
}

std::invalid_argument NotAnInteger(std::u16string_view s) {
    return std::invalid_argument("'" + platform::Utf16ToUtf8(s) + "' is not a valid integer value");
}

// Reads an integer as the run-time library does: leading spaces, a sign,
// decimal digits, or hexadecimal digits after "$", "x" or "0x" (these may
// fill all 32 bits, so "$FFFFFFFF" is -1); nothing may follow the digits.
bool TryStrToInt(std::u16string_view s, int32_t& value) {
    size_t i = 0;
    while (i < s.size() && s[i] == u' ')
        ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == u'+' || s[i] == u'-')) {
        negative = s[i] == u'-';
        ++i;
    }
    unsigned base = 10;
    if (i < s.size() && (s[i] == u'$' || s[i] == u'x' || s[i] == u'X')) {
        base = 16;
        ++i;
    } else if (i + 1 < s.size() && s[i] == u'0' && (s[i + 1] == u'x' || s[i + 1] == u'X')) {
        base = 16;
        i += 2;
    }
    if (i >= s.size())
        return false;
    const uint64_t limit = base == 16 ? 0xFFFFFFFFu : negative ? 0x80000000u : 0x7FFFFFFFu;
    uint64_t magnitude = 0;
    for (; i < s.size(); ++i) {
        const int digit = base == 16 ? HexValue(s[i]) : IsAsciiDigit(s[i]) ? s[i] - u'0' : -1;
        if (digit < 0)
            return false;
        magnitude = magnitude * base + unsigned(digit);
        if (magnitude > limit)
            return false;
    }
    const uint32_t bits = uint32_t(magnitude);
    value = int32_t(negative ? 0u - bits : bits);
    return true;
}

int32_t StrToInt(std::u16string_view s) {
    int32_t value = 0;
    if (!TryStrToInt(s, value))
        throw NotAnInteger(s);
    return value;
}

// --- Number lists ------------------------------------------------------------

// The page-list form of values taken in order.
std::u16string AbbreviatedList(const std::vector<int64_t>& values) {
    std::u16string text;
    std::optional<int64_t> prev; // unset: above every value
    int64_t start = 0;
    const auto ends_with = [&text](char16_t c) { return !text.empty() && text.back() == c; };
    const auto append = [&text](int64_t v) {
        if (!text.empty() && IsAsciiDigit(text.back()))
            text += u',';
        text += DecimalText(v);
    };
    for (size_t k = 0; k < values.size(); ++k) {
        const int64_t v = values[k];
        const bool last = k + 1 == values.size();
        if (prev && v != std::numeric_limits<int64_t>::min() && v - 1 == *prev) {
            if (!ends_with(u'-')) {
                start = *prev;
                text += u'-';
            }
            if (last) {
                if (v == start + 1)
                    text.back() = u',';
                append(v);
            }
        } else if (ends_with(u'-')) {
            if (*prev == start + 1)
                text.back() = u',';
            append(*prev);
            append(v);
        } else {
            append(v);
        }
        prev = v;
    }
    return text;
}

// An inclusive, ascending run of numbers of a page list.
struct TNumberRun {
    int64_t first, last;
};

// ASCII digits gathered into a number that fits 32 bits.
struct TDigits {
    int64_t value = 0;
    bool any = false;
    bool too_large = false;

    void Add(char16_t c) {
        any = true;
        if (!too_large) {
            value = value * 10 + (c - u'0');
            too_large = value > std::numeric_limits<int32_t>::max();
        }
    }
    bool Valid() const { return any && !too_large; }
};

std::vector<TNumberRun> ParseNumberList(std::u16string_view text) {
    std::vector<TNumberRun> runs;
    TDigits number;
    for (size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (IsAsciiDigit(c)) {
            number.Add(c);
        } else if (c == u',') {
            if (number.Valid())
                runs.push_back({number.value, number.value});
            number = {};
        } else if (c == u'-') {
            const bool start_valid = !number.too_large;
            const int64_t start = number.any ? number.value : 0;
            number = {};
            TDigits end;
            while (i + 1 < text.size() && IsAsciiDigit(text[i + 1]))
                end.Add(text[++i]);
            if (start_valid && end.Valid() && end.value >= start)
                runs.push_back({start, end.value});
        }
    }
    if (number.Valid())
        runs.push_back({number.value, number.value});
    return runs;
}

int64_t CountOf(const std::vector<TNumberRun>& runs) {
    int64_t total = 0;
    for (const TNumberRun& run : runs)
        total += run.last - run.first + 1;
    return total;
}

// The runs of a page list that may be expanded in full.
std::vector<TNumberRun> ExpandableRuns(std::u16string_view text) {
    std::vector<TNumberRun> runs = ParseNumberList(text);
    if (CountOf(runs) > kMaxExpandedNumbers)
        throw std::invalid_argument("the number list \"" + platform::Utf16ToUtf8(text) +
                                    "\" holds more than " + std::to_string(kMaxExpandedNumbers) +
                                    " numbers");
    return runs;
}

// --- Month names ---------------------------------------------------------------

std::vector<std::u16string> ShortMonthNames() {
    static const char16_t* const kEnglish[12] = {u"Jan", u"Feb", u"Mar", u"Apr", u"May", u"Jun",
                                                 u"Jul", u"Aug", u"Sep", u"Oct", u"Nov", u"Dec"};
    std::vector<std::u16string> names(std::begin(kEnglish), std::end(kEnglish));
    const std::string locale_name = platform::IcuLocaleOf(platform::UserLCID());
    UErrorCode status = U_ZERO_ERROR;
    const icu::DateFormatSymbols symbols(icu::Locale(locale_name.c_str()), status);
    if (U_FAILURE(status))
        return names;
    int32_t count = 0;
    const icu::UnicodeString* months = symbols.getShortMonths(count);
    for (int32_t m = 0; m < count && m < 12; ++m)
        if (!months[m].isEmpty())
            names[size_t(m)] = std::u16string(months[m].getBuffer(), size_t(months[m].length()));
    return names;
}

// --- Formatting ------------------------------------------------------------------

// The double nearest to the float's shortest decimal form, so that 0.125f
// and 2.675f round as they are written.
double AsWritten(float x) {
    if (!std::isfinite(x))
        return double(x);
    char buffer[64];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, x);
    double value = double(x);
    std::from_chars(buffer, written.ptr, value);
    return value;
}

// --- Sentences -------------------------------------------------------------------

// Latin-1 punctuation that never ends a sentence in SentencesFromParagraph.
bool IsLatin1PunctNotEndingSent(char16_t c) {
    switch (c) {
    case 0x0022:
    case 0x0023:
    case 0x0025:
    case 0x0026:
    case 0x0027:
    case 0x002A:
    case 0x002C:
    case 0x002F:
    case 0x003A:
    case 0x003B:
    case 0x0040:
    case 0x005C:
    case 0x00A1:
    case 0x00B7:
    case 0x00BF:
        return true;
    default:
        return false;
    }
}

void AddTrimmed(TStringList& list, std::u16string_view piece) {
    const std::u16string_view trimmed = TrimmedView(piece);
    if (!trimmed.empty())
        list.Add(std::u16string(trimmed));
}

// The text from 1-based position first to 1-based position last, cut to the
// text; empty when last < first.
std::u16string_view Slice(std::u16string_view text, int64_t first, int64_t last) {
    first = std::max<int64_t>(first, 1);
    last = std::min<int64_t>(last, int64_t(text.size()));
    if (last < first)
        return {};
    return text.substr(size_t(first - 1), size_t(last - first + 1));
}

std::unique_ptr<TStringList> SentencesBySeparator(std::u16string_view text,
                                                  std::u16string_view separator) {
    auto list = std::make_unique<TStringList>();
    size_t start = 0;
    for (;;) {
        const size_t found = text.find(separator, start);
        if (found == std::u16string_view::npos)
            break;
        AddTrimmed(*list, text.substr(start, found - start));
        // White space after the separator goes with the trimming; nothing
        // else is stepped over.
        start = found + separator.size();
    }
    AddTrimmed(*list, text.substr(start));
    return list;
}

// Gives tags (from "<" up to, not including, the next ">") of at most
// max_tag characters the punctuation flag alone.
void MaskTags(std::u16string_view text, std::vector<uint16_t>& t, int32_t max_tag) {
    if (max_tag <= 0)
        return;
    std::vector<uint16_t> saved;
    const size_t n = text.size();
    size_t i = text.find(u'<');
    while (i != std::u16string_view::npos) {
        saved.clear();
        size_t j = i;
        bool too_long = false;
        while (j < n && text[j] != u'>') {
            if (saved.size() == size_t(max_tag)) {
                too_long = true;
                break;
            }
            saved.push_back(t[j]);
            t[j] = platform::C1_PUNCT;
            ++j;
        }
        if (too_long)
            std::copy(saved.begin(), saved.end(), t.begin() + std::ptrdiff_t(i));
        if (j >= n)
            break;
        i = text.find(u'<', j + 1);
    }
}

// Whether character i (0-based) of a paragraph may end a sentence by its own
// kind, before the characters after it are looked at.
bool MayEndSentence(char16_t c, const std::vector<uint16_t>& t, size_t i) {
    if (!(t[i] & platform::C1_PUNCT) || u_charType(c) != U_OTHER_PUNCTUATION)
        return false;
    if (c > 0x00BF && IsPunctNotEndingSent(c))
        return false;
    if (IsBasicSentTerminator(c) || IsOtherSentTerminator(c))
        // A decimal point, or a stop followed directly by lower case.
        return !(t[i + 1] & (platform::C1_LOWER | platform::C1_DIGIT));
    return !IsLatin1PunctNotEndingSent(c);
}

std::unique_ptr<TStringList> SentencesByCharacterTypes(std::u16string_view text, uint32_t locale,
                                                       int32_t max_tag) {
    auto list = std::make_unique<TStringList>();
    const size_t n = text.size();
    std::vector<uint16_t> t(n + 2, 0);
    // The character-type call takes at most 2^31 - 1 units at a time.
    for (size_t done = 0; done < n;) {
        const size_t chunk = std::min<size_t>(n - done, std::numeric_limits<int32_t>::max());
        if (!GetStringTypeExNT2000(true, locale, CT_CTYPE1, text.data() + done, int32_t(chunk),
                                   t.data() + done))
            return list;
        done += chunk;
    }
    if (text.find(u'<') != std::u16string_view::npos)
        MaskTags(text, t, max_tag);
    t[n + 1] = platform::C1_ALPHA; // stops every look-ahead
    constexpr uint16_t kAlnum = platform::C1_ALPHA | platform::C1_DIGIT;
    constexpr uint16_t kWhite = platform::C1_SPACE | platform::C1_CNTRL | platform::C1_BLANK;
    int64_t start = 1;               // 1-based
    for (size_t i = 1; i < n; ++i) { // the first character ends nothing
        if (!MayEndSentence(text[i], t, i))
            continue;
        // The sentence takes the punctuation after the terminator and the
        // first white space; it ends unless the next letter is lower case.
        size_t j = i + 1;
        int64_t end = int64_t(j); // 1-based position of the terminator
        bool passed_white = false;
        while (!(t[j] & kAlnum)) {
            if (!passed_white) {
                ++end;
                passed_white = (t[j] & kWhite) != 0;
            }
            ++j;
        }
        if (t[j] & platform::C1_LOWER)
            continue;
        AddTrimmed(*list, Slice(text, start, end));
        start = std::max(start, end + 1);
    }
    AddTrimmed(*list, Slice(text, start, int64_t(n)));
    return list;
}

bool IsLetterOrNumberStart(int8_t category) {
    switch (category) {
    case U_UPPERCASE_LETTER:
    case U_TITLECASE_LETTER:
    case U_OTHER_LETTER:
    case U_DECIMAL_DIGIT_NUMBER:
    case U_LETTER_NUMBER:
    case U_OTHER_NUMBER:
        return true;
    default:
        return false;
    }
}

bool IsInsideSentenceLetter(int8_t category) {
    switch (category) {
    case U_LOWERCASE_LETTER:
    case U_MODIFIER_LETTER:
    case U_COMBINING_SPACING_MARK:
    case U_ENCLOSING_MARK:
    case U_NON_SPACING_MARK:
        return true;
    default:
        return false;
    }
}

uint32_t CodePageOfLocale(uint32_t locale) {
    constexpr uint32_t kUserDefault = 0x0400, kSystemDefault = 0x0800;
    if (locale == 0 || locale == kSystemDefault)
        return platform::SystemCodePage();
    return CodePageFromLocale(locale == kUserDefault ? platform::UserLCID() : locale);
}

} // namespace

// --- Sentences -------------------------------------------------------------------

bool GetStringTypeExNT2000(bool wide, uint32_t locale, uint32_t info_type, const void* text,
                           int32_t length, uint16_t* types) {
    if (info_type != CT_CTYPE1 || !text || !types || length < 0)
        return false;
    if (wide)
        platform::StringType1W(static_cast<const char16_t*>(text), size_t(length), types);
    else
        platform::StringType1A(static_cast<const char*>(text), size_t(length),
                               CodePageOfLocale(locale), types);
    return true;
}

std::unique_ptr<TStringList> SentencesFromParagraph(std::u16string_view text,
                                                    std::u16string_view separator, uint32_t locale,
                                                    int32_t max_tag) {
    if (!separator.empty())
        return SentencesBySeparator(text, separator);
    return SentencesByCharacterTypes(text, locale, max_tag);
}

std::unique_ptr<TStringList> SentencesExtractedFromParagraph(bool include_unterminated,
                                                             int32_t min_size,
                                                             std::u16string_view text) {
    auto list = std::make_unique<TStringList>();
    const int64_t n = int64_t(text.size());
    int64_t start = -1;     // no sentence begun
    int64_t after_last = 1; // where the text after the last sentence end begins
    int64_t count = 0;
    const auto emit = [&](int64_t from, int64_t p) {
        const std::u16string_view sentence = TrimmedView(Slice(text, from, p));
        if (!sentence.empty() && int64_t(sentence.size()) > min_size)
            list->Add(std::u16string(sentence));
        count = 0;
        after_last = p + 1;
    };
    for (int64_t p = 1; p <= n; ++p) {
        const char16_t c = text[size_t(p - 1)];
        if (p == n && include_unterminated) {
            // The unterminated tail: the sentence begun, or else whatever
            // follows the last sentence end.
            emit(start >= 0 ? start : after_last, p);
            break;
        }
        const int8_t category = u_charType(c);
        if (IsInsideSentenceLetter(category)) {
            ++count;
        } else if (IsLetterOrNumberStart(category)) {
            if (start < 0)
                start = p;
            ++count;
        } else if (category == U_OTHER_PUNCTUATION) {
            if (count >= min_size && start >= 0 && IsPotentialSentenceTerminator(c) &&
                (p == n || !IsADigitChar(text[size_t(p)]))) {
                emit(start, p);
                start = -1;
            }
        }
    }
    return list;
}

// --- Number lists ------------------------------------------------------------------

std::u16string HumanAbbreviatedNumberListString(const TStringList& list) {
    std::vector<int64_t> values;
    values.reserve(size_t(list.Count()));
    for (int k = 0; k < list.Count(); ++k) {
        int32_t v = 0;
        if (TryStrToInt(list.Strings(k), v))
            values.push_back(v);
    }
    return AbbreviatedList(values);
}

std::u16string HumanAbbreviatedNumberListString(const TArrayOfIntegers& values, int32_t offset) {
    std::vector<int64_t> shifted;
    shifted.reserve(values.size());
    for (const int32_t v : values)
        shifted.push_back(int64_t(v) + offset);
    return AbbreviatedList(shifted);
}

std::unique_ptr<TStringList> TArrayOfIntegersToStringlist(const TArrayOfIntegers& values,
                                                          int32_t offset) {
    auto list = std::make_unique<TStringList>();
    for (const int32_t v : values)
        list->Add(DecimalText(int64_t(v) + offset));
    return list;
}

void HumanAbbreviatedNumberListStringAsIntegers(std::u16string_view text, int32_t offset,
                                                TArrayOfIntegers& result) {
    result.clear();
    const std::vector<TNumberRun> runs = ExpandableRuns(text);
    result.reserve(size_t(CountOf(runs)));
    for (const TNumberRun& run : runs)
        for (int64_t v = run.first; v <= run.last; ++v) {
            const int64_t shifted = v - offset;
            if (shifted >= std::numeric_limits<int32_t>::min() &&
                shifted <= std::numeric_limits<int32_t>::max())
                result.push_back(int32_t(shifted));
        }
}

std::u16string HumanAbbreviatedNumberListStringExpanded(std::u16string_view text) {
    std::u16string expanded;
    for (const TNumberRun& run : ExpandableRuns(text))
        for (int64_t v = run.first; v <= run.last; ++v) {
            if (!expanded.empty())
                expanded += u',';
            expanded += DecimalText(v);
        }
    return expanded;
}

std::u16string ANumberInHumanString(std::u16string_view text, int32_t n) {
    const std::vector<TNumberRun> runs = ParseNumberList(TrimmedView(text));
    const int64_t total = CountOf(runs);
    if (total == 0)
        return {};
    int64_t index = std::clamp<int64_t>(n, 1, total) - 1;
    for (const TNumberRun& run : runs) {
        const int64_t size = run.last - run.first + 1;
        if (index < size)
            return DecimalText(run.first + index);
        index -= size;
    }
    return {};
}

std::u16string HumanAbbreviatedNumberListStringToMonths(std::u16string_view text) {
    std::u16string result(text);
    const std::vector<std::u16string> names = ShortMonthNames();
    for (int month = 1; month <= 12; ++month) {
        const char16_t digits[2] = {char16_t(u'0' + month / 10), char16_t(u'0' + month % 10)};
        const size_t at = result.find(std::u16string_view(digits, 2));
        if (at != std::u16string::npos)
            result.replace(at, 2, names[size_t(month - 1)]);
    }
    return result;
}

void ForceItemsToInclude(TStringList& list, int32_t n) {
    std::u16string text = DecimalText(n);
    if (list.IndexOf(text) >= 0)
        return;
    if (list.Sorted()) {
        list.Add(std::move(text));
        return;
    }
    std::optional<int32_t> previous; // the first item's predecessor is below n
    for (int k = 0; k < list.Count(); ++k) {
        const int32_t item = StrToInt(list.Strings(k));
        if (item > n && (!previous || *previous < n)) {
            list.Insert(k, std::move(text));
            return;
        }
        previous = item;
    }
    list.Add(std::move(text));
}

void ConvertStringToRangeOfBoolean(std::u16string_view text, bool one_based,
                                   std::vector<bool>& marks) {
    std::fill(marks.begin(), marks.end(), false);
    const int64_t last_index = int64_t(marks.size()) - 1;
    // Marks the numbers first to last, their indexes clamped to the array.
    const auto mark = [&](int64_t first, int64_t last) {
        if (last < first || last_index < 0)
            return;
        const int64_t shift = one_based ? 0 : 1;
        const int64_t from = std::clamp<int64_t>(first - shift, 0, last_index);
        const int64_t to = std::clamp<int64_t>(last - shift, 0, last_index);
        for (int64_t i = from; i <= to; ++i)
            marks[size_t(i)] = true;
    };
    size_t begin = 0;
    bool first_piece = true;
    for (;;) {
        const size_t comma = text.find(u',', begin);
        const std::u16string_view piece = TrimmedView(text.substr(
            begin, comma == std::u16string_view::npos ? text.size() - begin : comma - begin));
        if (!first_piece)
            MyYieldProcess();
        first_piece = false;
        int32_t a = 0, b = 0;
        const size_t dash = piece.find(u'-');
        if (dash == 0) {
            if (TryStrToInt(TrimmedView(piece.substr(1)), b))
                mark(1, b);
        } else if (dash != std::u16string_view::npos) {
            if (TryStrToInt(TrimmedView(piece.substr(0, dash)), a) &&
                TryStrToInt(TrimmedView(piece.substr(dash + 1)), b))
                mark(a, b);
        } else if (TryStrToInt(piece, a)) {
            mark(a, a);
        }
        if (comma == std::u16string_view::npos)
            break;
        begin = comma + 1;
    }
}

// --- Tests and small conversions ---------------------------------------------------

bool IsANumber(std::u16string_view s) {
    if (s.empty())
        return false;
    int32_t value = 0;
    if (TryStrToInt(s, value))
        return true;
    for (const char16_t c : s) {
        if (IsAsciiLetter(c))
            return false;
        if (!IsADigitChar(c) && c != u'%' && c != u',' && c != u'.')
            return false;
    }
    return true;
}

std::u16string DigitsOnlyOf(std::u16string_view s) {
    int32_t value = 0;
    if (TryStrToInt(s, value))
        return std::u16string(s);
    std::u16string digits;
    for (const char16_t c : s)
        if (IsAsciiDigit(c))
            digits += c;
    return digits;
}

int32_t AfterTabIntegerOf(std::u16string_view s) {
    const size_t tab = s.find(u'\t');
    if (tab == std::u16string_view::npos)
        return -1;
    int32_t value = 0;
    return TryStrToInt(DigitsOnlyOf(s.substr(tab + 1)), value) ? value : -1;
}

int32_t IntegerInsideSquareBrackets(std::u16string_view s) {
    const size_t bracket = s.find(u'[');
    if (bracket == std::u16string_view::npos)
        return 0;
    size_t end = bracket + 1;
    while (end < s.size() && IsOrdinaryNumberChar(s[end]))
        ++end;
    return StrToInt(s.substr(bracket + 1, end - bracket - 1));
}

int64_t PositionOfNumberInString(std::u16string_view s, int64_t start) {
    for (int64_t p = std::max<int64_t>(start, 1); p <= int64_t(s.size()); ++p)
        if (IsAsciiDigit(s[size_t(p - 1)]))
            return p;
    return -1;
}

std::u16string ValueString(std::u16string_view s) {
    const size_t equals = s.find(u'=');
    return equals == std::u16string_view::npos ? std::u16string()
                                               : std::u16string(s.substr(equals + 1));
}

std::u16string WithLeftZeros(int32_t width, int64_t v) {
    const uint64_t magnitude = v < 0 ? 0 - uint64_t(v) : uint64_t(v);
    std::u16string digits = Ascii(std::to_string(magnitude));
    const std::u16string sign = v < 0 ? u"-" : u"";
    const int64_t missing = int64_t(width) - int64_t(sign.size() + digits.size());
    if (missing > 0)
        digits.insert(0, size_t(missing), u'0');
    return sign + digits;
}

char16_t WideCharFromCardinal(uint32_t n) {
    return n < 0x10000 ? char16_t(n) : u'?';
}

std::u16string WideStringFromCardinal(uint32_t n) {
    return std::u16string(1, WideCharFromCardinal(n));
}

std::u16string YesorNo(bool b) {
    return LoadResString(b ? GeneralRuntime1Const::QMYes : GeneralRuntime1Const::QMNo);
}

// --- Formatting ----------------------------------------------------------------------

std::u16string FormattedWithDecimals(int32_t decimals, bool thousands, bool percent, float x) {
    decimals = std::clamp(decimals, 0, 20);
    const std::u16string pattern =
        u"%." + DecimalText(decimals) + (thousands ? std::u16string(u"n") : std::u16string(u"f"));
    std::u16string text = platform::Format(pattern, {AsWritten(x)}, UserDefaultFormatSettings);
    if (percent)
        text += u'%';
    return text;
}

std::u16string EasiestNRepresentationOfLargeNumber(float x) {
    static constexpr std::u16string_view kPatterns[] = {u"%0.n", u"%.1nK", u"%.1nM", u"%.1nG",
                                                        u"%.1nYikes"};
    double value = AsWritten(x);
    size_t divisions = 0;
    while (std::isfinite(value) && value > 1000) {
        value /= 1000;
        ++divisions;
    }
    return platform::Format(kPatterns[std::min<size_t>(divisions, 4)], {value});
}

std::u16string ValueToByteStr(int64_t v) {
    constexpr int64_t kKilo = int64_t(1) << 10, kMega = int64_t(1) << 20, kGiga = int64_t(1) << 30;
    if (v > 8 * kGiga)
        return DecimalText(v / kGiga) + LoadResString(GeneralRuntime1Const::QMGigabyte);
    if (v > 8 * kMega)
        return DecimalText(v / kMega) + LoadResString(GeneralRuntime1Const::QMMegabyte);
    if (v <= kMega)
        return DecimalText(v) + LoadResString(GeneralRuntime1Const::QMByte);
    return DecimalText(v / kKilo) + LoadResString(GeneralRuntime1Const::QMKilobyte);
}

std::u16string PValueStr(double p) {
    static constexpr double kLevels[] = {0.05, 1e-1, 1e-2, 1e-3, 1e-4, 1e-5,
                                         1e-6, 1e-7, 1e-8, 1e-9, 1e-10};
    for (const double level : kLevels)
        if (std::fabs(p - level) < std::fabs(p) / 10000) {
            p = level;
            break;
        }
    std::u16string text = platform::Format(u"%.16f", {p}, UserDefaultFormatSettings);
    if (text.find(UserDefaultFormatSettings.DecimalSeparator) != std::u16string::npos)
        while (!text.empty() && text.back() == u'0')
            text.pop_back();
    return text;
}

std::u16string OrdinalFormatOf(int32_t n) {
    if (n < 0 || (n % 100 >= 11 && n % 100 <= 13))
        return u"%dth";
    switch (n % 10) {
    case 1:
        return u"%dst";
    case 2:
        return u"%dnd";
    case 3:
        return u"%drd";
    default:
        return u"%dth";
    }
}

// --- Character-code lists ------------------------------------------------------------

std::u16string PwdToNumStr(std::u16string_view s) {
    std::u16string out;
    out.reserve(s.size() * 4);
    for (const char16_t c : s) {
        out += DecimalText(c);
        out += u',';
    }
    return out;
}

std::u16string FromNumStr(std::u16string_view s) {
    std::u16string out;
    size_t begin = 0;
    for (size_t comma = s.find(u','); comma != std::u16string_view::npos;
         comma = s.find(u',', begin)) {
        MyYieldProcess();
        int32_t code = 0;
        if (TryStrToInt(s.substr(begin, comma - begin), code) && code >= 0 && code <= 0xFFFF)
            out += char16_t(code);
        begin = comma + 1;
    }
    return out;
}

std::u16string ToHexNumStr(std::u16string_view s) {
    static constexpr char16_t kDigits[] = u"0123456789ABCDEF";
    std::u16string out;
    out.reserve(s.size() * 3);
    for (const char16_t c : s) {
        if (c > 0xFF) {
            out += kDigits[c >> 12];
            out += kDigits[(c >> 8) & 0xF];
        }
        out += kDigits[(c >> 4) & 0xF];
        out += kDigits[c & 0xF];
        out += u',';
    }
    return out;
}

std::u16string FromHexNumStr(std::u16string_view s) {
    std::u16string out;
    char16_t previous = 0;
    size_t i = 0;
    while (i + 2 <= s.size()) {
        const bool four = i + 4 <= s.size() && HexValue(s[i]) >= 0 && HexValue(s[i + 1]) >= 0 &&
                          HexValue(s[i + 2]) >= 0 && HexValue(s[i + 3]) >= 0 &&
                          (i + 4 == s.size() || s[i + 4] == u',');
        if (four) {
            previous = char16_t(HexValue(s[i]) << 12 | HexValue(s[i + 1]) << 8 |
                                HexValue(s[i + 2]) << 4 | HexValue(s[i + 3]));
            out += previous;
            i += 5;
            continue;
        }
        if (HexValue(s[i]) >= 0 && HexValue(s[i + 1]) >= 0)
            previous = char16_t(HexValue(s[i]) << 4 | HexValue(s[i + 1]));
        out += previous;
        i += 3;
    }
    return out;
}

std::u16string BracedNumberStrToDigitalformat(std::u16string_view s) {
    std::u16string text = platform::UpperCase(s);
    if (!text.empty() && text.front() == u'X')
        text.front() = u'$';
    if (!text.empty() && text.back() == u'H') {
        text.pop_back();
        if (text.empty() || text.front() != u'$')
            text.insert(0, 1, u'$');
    }
    return text;
}

} // namespace qm7
