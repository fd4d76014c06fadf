// Typed input through the number-string and sentence parsers: page lists,
// selections, character-code lists, bracketed and hexadecimal notations, and
// both paragraph splitters. Checks that page lists read back as they expand,
// that the code lists round-trip, and that every sentence is a trimmed piece
// of the paragraph, in text order.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/text.h"
#include "runtime1/strings/my_string_functions.h"
#include "runtime1/strings/sentence_terminators.h"

using namespace qm7;

namespace {

void Fail(const char* what) {
    fprintf(stderr, "%s\n", what);
    abort();
}

std::u16string Joined(const TArrayOfIntegers& values) {
    std::u16string text;
    for (const int32_t v : values) {
        if (!text.empty())
            text += u',';
        const std::string digits = std::to_string(v);
        text.append(digits.begin(), digits.end());
    }
    return text;
}

void CheckPageList(const std::u16string& text) {
    TArrayOfIntegers values;
    try {
        HumanAbbreviatedNumberListStringAsIntegers(text, 0, values);
    } catch (const std::invalid_argument&) {
        return; // too many numbers: refused
    }
    // Lists of many numbers (a range such as "-700000") are checked by one
    // pick only, to keep the runs fast.
    if (values.size() > 20000) {
        const std::string digits = std::to_string(values.back());
        if (ANumberInHumanString(text, std::numeric_limits<int32_t>::max()) !=
            std::u16string(digits.begin(), digits.end()))
            Fail("ANumberInHumanString misses the last number");
        return;
    }
    if (HumanAbbreviatedNumberListStringExpanded(text) != Joined(values))
        Fail("expanded text and integers disagree");
    if (!values.empty()) {
        const size_t k = values.size() / 2;
        const std::string digits = std::to_string(values[k]);
        if (ANumberInHumanString(text, int32_t(k + 1)) !=
            std::u16string(digits.begin(), digits.end()))
            Fail("ANumberInHumanString picks another number");
    }
    bool ascending = true;
    for (size_t i = 1; i < values.size(); ++i)
        ascending = ascending && values[i - 1] < values[i];
    if (ascending) {
        TArrayOfIntegers back;
        HumanAbbreviatedNumberListStringAsIntegers(HumanAbbreviatedNumberListString(values, 0), 0,
                                                   back);
        if (back != values)
            Fail("page list does not round-trip");
    }
}

// Every sentence is non-empty, trimmed and found in the text after the one
// before it.
void CheckSentences(const std::u16string& text, const platform::TStringList& sentences) {
    size_t from = 0;
    for (int k = 0; k < sentences.Count(); ++k) {
        const std::u16string& s = sentences.Strings(k);
        if (s.empty() || s.front() <= u' ' || s.back() <= u' ')
            Fail("sentence empty or not trimmed");
        const size_t at = text.find(s, from);
        if (at == std::u16string::npos)
            Fail("sentence is not a piece of the text in order");
        from = at + s.size();
    }
}

void CheckSmallConversions(const std::u16string& text) {
    (void)IsANumber(text);
    (void)DigitsOnlyOf(text);
    (void)AfterTabIntegerOf(text);
    (void)PositionOfNumberInString(text, 2);
    (void)BracedNumberStrToDigitalformat(text);
    (void)FromNumStr(text);
    (void)FromHexNumStr(text);
    try {
        (void)IntegerInsideSquareBrackets(text);
    } catch (const std::invalid_argument&) {
    }
    if (FromNumStr(PwdToNumStr(text)) != text || FromHexNumStr(ToHexNumStr(text)) != text)
        Fail("character-code list does not round-trip");
    std::vector<bool> marks(text.size() % 23);
    ConvertStringToRangeOfBoolean(text, text.size() % 2 == 0, marks);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1 || size > 4096)
        return 0;
    const uint8_t mode = data[0];
    // Bit 0: the rest is UTF-16 units rather than UTF-8; bits 1-3: the
    // maximum tag length; bit 4: split at "." as a separator.
    std::u16string text;
    if (mode & 1) {
        for (size_t i = 1; i + 1 < size; i += 2)
            text += char16_t(data[i] | data[i + 1] << 8);
    } else {
        text = platform::Utf8ToUtf16(
            std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1));
    }
    CheckPageList(text);
    CheckSmallConversions(text);

    const int32_t max_tag = (mode >> 1) & 7;
    const std::u16string separator = (mode & 0x10) ? u"." : u"";
    CheckSentences(text, *SentencesFromParagraph(text, separator, 0x0409, max_tag));
    CheckSentences(text, *SentencesExtractedFromParagraph((mode & 0x20) != 0, (mode >> 6), text));
    (void)FirstValidStartOfSentence(text, mode % 7);
    (void)EndOfSentence(mode % 5, text);
    return 0;
}
