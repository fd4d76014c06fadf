#include "runtime1/scanning/WinGenOk.h"

#include <cmath>
#include <stdexcept>

#include <unicode/uchar.h>

#include "platform/format.h"
#include "platform/localeinfo.h"
#include "platform/text.h"
#include "runtime1/core/GeneralRuntime1Const.h"
#include "runtime1/files/logging_utilities.h"

namespace qm7 {

platform::TFormatSettings UserDefaultFormatSettings =
    platform::FormatSettingsOf(platform::UserLCID());
platform::TRect Work_Area = platform::DesktopWorkArea();

namespace {

// Writes the module's closing line to the log when the library unloads.
struct TWinGenOkUnloader {
    ~TWinGenOkUnloader() {
        if (keeping_log)
            AddToLogFile(u"quit wingenok, ");
    }
} unloader;

template <class Map> void MapInPlace(char16_t* buffer, Map map) {
    if (!buffer)
        return;
    const std::u16string_view text(buffer);
    const std::u16string mapped = map(text);
    std::copy(mapped.begin(), mapped.end(), buffer); // the length never changes
}

// The decimal digits of the magnitude of i, grouped by three.
std::u16string GroupedDigits(uint64_t magnitude, char16_t separator) {
    const std::string digits = std::to_string(magnitude);
    std::u16string out;
    for (size_t k = 0; k < digits.size(); ++k) {
        if (k > 0 && (digits.size() - k) % 3 == 0 && separator != 0)
            out += separator;
        out += char16_t(digits[k]);
    }
    return out;
}

} // namespace

bool IsOrdinaryNumberChar(char16_t c) {
    return c >= u'0' && c <= u'9';
}

bool IsADigitChar(char16_t c) {
    return u_charType(c) == U_DECIMAL_DIGIT_NUMBER;
}

uint32_t CodePageFromLocale(uint32_t lcid) {
    const uint32_t page = platform::AnsiCodePageOfLCID(lcid);
    return page != 0 ? page : platform::SystemCodePage();
}

uint32_t LCIDToCodePage(uint32_t lcid) {
    return CodePageFromLocale(lcid);
}

std::u16string Lowercase(uint32_t lcid, std::u16string_view text) {
    return platform::LowerCase(text, lcid);
}

std::u16string Uppercase(uint32_t lcid, std::u16string_view text) {
    return platform::UpperCase(text, lcid);
}

void LowercaseIt(uint32_t lcid, char16_t* buffer) {
    MapInPlace(buffer, [lcid](std::u16string_view t) { return platform::LowerCase(t, lcid); });
}

void UppercaseIt(uint32_t lcid, char16_t* buffer) {
    MapInPlace(buffer, [lcid](std::u16string_view t) { return platform::UpperCase(t, lcid); });
}

std::u16string Lowercase(std::u16string_view text) {
    return platform::LowerCase(text);
}

std::u16string Uppercase(std::u16string_view text) {
    return platform::UpperCase(text);
}

bool UserDefaultMeasurements(uint32_t lcid) {
    return platform::GetLocaleInfo(lcid, platform::LOCALE_IMEASURE) != u"1";
}

std::u16string Rightstr(std::u16string_view text, int64_t n) {
    if (n <= 0)
        return {};
    if (uint64_t(n) >= text.size())
        return std::u16string(text);
    return std::u16string(text.substr(text.size() - size_t(n)));
}

const char16_t* StrLScanW(const char16_t* buffer, char16_t c, int64_t count) {
    if (!buffer)
        return nullptr;
    if (count == 0)
        return buffer;
    for (int64_t i = 0; i < count; ++i)
        if (buffer[i] == c)
            return buffer + i;
    return nullptr;
}

void StrSwapByteOrder(char16_t* buffer) {
    if (!buffer)
        return;
    for (; *buffer != 0; ++buffer)
        *buffer = char16_t((*buffer >> 8) | (*buffer << 8));
}

std::u16string BooleanToStr(bool b) {
    return LoadResString(b ? GeneralRuntime1Const::QMTrue : GeneralRuntime1Const::QMFalse);
}

bool StrToBoolean(std::u16string_view text) {
    return platform::LowerCase(text) ==
           platform::LowerCase(LoadResString(GeneralRuntime1Const::QMTrue));
}

std::u16string RealToDecStr(double x, const platform::TFormatSettings& settings) {
    if (!std::isfinite(x))
        return u"*";
    try {
        std::u16string text = platform::Format(u"%.2n", {x}, settings);
        // The pattern's integer digits are all optional: no lone zero before
        // the decimal separator.
        const size_t digit = text[0] == u'-' ? 1 : 0;
        if (text.size() > digit + 1 && text[digit] == u'0' &&
            text[digit + 1] == settings.DecimalSeparator)
            text.erase(digit, 1);
        return text;
    } catch (const std::exception&) {
        return u"*";
    }
}

std::u16string RealToDecStr(double x) {
    return RealToDecStr(x, UserDefaultFormatSettings);
}

std::u16string IntToDecStr(int64_t i, const platform::TFormatSettings& settings) {
    const uint64_t magnitude = i < 0 ? 0 - uint64_t(i) : uint64_t(i);
    std::u16string text = GroupedDigits(magnitude, settings.ThousandSeparator);
    return i < 0 ? u"-" + text : text;
}

std::u16string IntToDecStr(int64_t i) {
    return IntToDecStr(i, UserDefaultFormatSettings);
}

float Int64ToSingle(int64_t i) {
    return float(i);
}

} // namespace qm7
