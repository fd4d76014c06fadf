#include "platform/settings.h"

#include <array>
#include <memory>

#include <unicode/locid.h>
#include <unicode/unum.h>
#include <unicode/uloc.h>

namespace qm7::platform {

namespace {

struct TSettings {
    uint32_t code_page = kDefaultCodePage;
    uint32_t lcid = kDefaultLCID;
    TFormatSettings format;
};

TSettings& State() {
    static TSettings settings;
    return settings;
}

char16_t SymbolOf(const UNumberFormat* format, UNumberFormatSymbol symbol, char16_t fallback) {
    UErrorCode status = U_ZERO_ERROR;
    std::array<UChar, 8> buffer{};
    const int32_t length =
        unum_getSymbol(format, symbol, buffer.data(), int32_t(buffer.size()), &status);
    return U_SUCCESS(status) && length >= 1 ? char16_t(buffer[0]) : fallback;
}

} // namespace

bool IsSupportedCodePage(uint32_t code_page) {
    switch (code_page) {
    case 874:
    case 932:
    case 936:
    case 949:
    case 950:
        return true;
    default:
        return code_page >= 1250 && code_page <= 1258;
    }
}

uint32_t SystemCodePage() { return State().code_page; }

bool SetSystemCodePage(uint32_t code_page) {
    if (!IsSupportedCodePage(code_page))
        return false;
    State().code_page = code_page;
    return true;
}

uint32_t UserLCID() { return State().lcid; }

bool SetUserLCID(uint32_t lcid) {
    if (IcuLocaleOf(lcid).empty())
        return false;
    State().lcid = lcid;
    State().format = FormatSettingsOf(lcid);
    return true;
}

std::string IcuLocaleOf(uint32_t lcid) {
    std::array<char, ULOC_FULLNAME_CAPACITY> buffer{};
    UErrorCode status = U_ZERO_ERROR;
    const int32_t length =
        uloc_getLocaleForLCID(lcid, buffer.data(), int32_t(buffer.size()), &status);
    if (U_FAILURE(status) || length <= 0 || length >= int32_t(buffer.size()))
        return {};
    return std::string(buffer.data(), size_t(length));
}

TFormatSettings FormatSettingsOf(uint32_t lcid) {
    TFormatSettings result;
    const std::string locale = IcuLocaleOf(lcid);
    if (locale.empty())
        return result;
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<UNumberFormat, decltype(&unum_close)> format(
        unum_open(UNUM_DECIMAL, nullptr, 0, locale.c_str(), nullptr, &status), &unum_close);
    if (U_FAILURE(status) || !format)
        return result;
    result.ThousandSeparator =
        SymbolOf(format.get(), UNUM_GROUPING_SEPARATOR_SYMBOL, result.ThousandSeparator);
    result.DecimalSeparator =
        SymbolOf(format.get(), UNUM_DECIMAL_SEPARATOR_SYMBOL, result.DecimalSeparator);
    return result;
}

const TFormatSettings& FormatSettings() { return State().format; }

void SetFormatSettings(const TFormatSettings& settings) { State().format = settings; }

void ResetSettings() { State() = TSettings{}; }

} // namespace qm7::platform
