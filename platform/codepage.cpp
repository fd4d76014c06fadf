#include "platform/codepage.h"

#include <array>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <vector>

#include <unicode/ucnv.h>
#include <unicode/ucnv_cb.h>

#include "platform/settings.h"

namespace qm7::platform {

namespace {

struct TPageInfo {
    uint32_t code_page;
    const char* icu_name;
    bool single_byte;
    // The converter has IBM's order of the controls 0x1A, 0x1C and 0x7F
    // (read as U+001C, U+007F and U+001A); Windows reads them as themselves.
    bool ibm_controls = false;
};

// The ICU converters whose tables are the ones Windows uses for each page.
// Every name is ICU's canonical name, so no alias lookup can pick another
// table. ICU has no exact Windows-932 table: ibm-943_P15A-2003 (its
// "windows-31j") is, but for the order of three controls, which is put right
// after conversion.
constexpr std::array<TPageInfo, 14> kPages{{
    {874, "windows-874-2000", true},
    {932, "ibm-943_P15A-2003", false, true},
    {936, "windows-936-2000", false},
    {949, "windows-949-2000", false},
    {950, "windows-950-2000", false},
    {1250, "ibm-5346_P100-1998", true},
    {1251, "ibm-5347_P100-1998", true},
    {1252, "ibm-5348_P100-1997", true},
    {1253, "ibm-5349_P100-1998", true},
    {1254, "ibm-5350_P100-1998", true},
    {1255, "ibm-9447_P100-2002", true},
    {1256, "ibm-9448_X100-2005", true},
    {1257, "ibm-9449_P100-2002", true},
    {1258, "ibm-5354_P100-1998", true},
}};

constexpr size_t kSlot1252 = 7;

// Index into kPages; an unsupported page converts as Windows-1252.
size_t SlotOf(uint32_t code_page) {
    for (size_t i = 0; i < kPages.size(); ++i)
        if (kPages[i].code_page == code_page)
            return i;
    return kSlot1252;
}

constexpr char16_t kReplacement = 0xFFFD;
constexpr char kSubstitute = '?';
constexpr uint16_t kNoByte = 0xFFFF;

struct TConverterCloser {
    void operator()(UConverter* converter) const { ucnv_close(converter); }
};
using TConverterPtr = std::unique_ptr<UConverter, TConverterCloser>;

// Bytes without a mapping read as U+FFFD (ICU would give U+001A for some).
void ToUnicodeReplace(const void*, UConverterToUnicodeArgs* args, const char*, int32_t,
                      UConverterCallbackReason reason, UErrorCode* error) {
    if (reason > UCNV_IRREGULAR)
        return;
    *error = U_ZERO_ERROR;
    const UChar replacement = kReplacement;
    ucnv_cbToUWriteUChars(args, &replacement, 1, 0, error);
}

// Characters without a mapping are written as "?"; the context is a bool
// that records that this happened.
void FromUnicodeSubstitute(const void* context, UConverterFromUnicodeArgs* args, const UChar*,
                           int32_t, UChar32, UConverterCallbackReason reason, UErrorCode* error) {
    if (reason > UCNV_IRREGULAR)
        return;
    *static_cast<bool*>(const_cast<void*>(context)) = true;
    *error = U_ZERO_ERROR;
    ucnv_cbFromUWriteBytes(args, &kSubstitute, 1, 0, error);
}

// One open converter with the callbacks above; `substituted` is the
// context of the from-Unicode callback, so its address must stay put.
struct TConverter {
    TConverterPtr converter;
    bool substituted = false;
};

std::unique_ptr<TConverter> OpenConverter(size_t slot) {
    auto result = std::make_unique<TConverter>();
    UErrorCode error = U_ZERO_ERROR;
    result->converter.reset(ucnv_open(kPages[slot].icu_name, &error));
    if (U_FAILURE(error) || !result->converter)
        throw std::runtime_error(std::string("cannot open the ICU converter ") +
                                 kPages[slot].icu_name + ": " + u_errorName(error));
    UConverter* cnv = result->converter.get();
    ucnv_setSubstChars(cnv, &kSubstitute, 1, &error);
    ucnv_setToUCallBack(cnv, ToUnicodeReplace, nullptr, nullptr, nullptr, &error);
    ucnv_setFromUCallBack(cnv, FromUnicodeSubstitute, &result->substituted, nullptr, nullptr,
                          &error);
    if (U_FAILURE(error))
        throw std::runtime_error(std::string("cannot set up the ICU converter ") +
                                 kPages[slot].icu_name + ": " + u_errorName(error));
    return result;
}

// Converters are not thread-safe: each thread keeps its own, opened once.
TConverter& ConverterFor(size_t slot) {
    thread_local std::array<std::unique_ptr<TConverter>, kPages.size()> cache;
    if (!cache[slot])
        cache[slot] = OpenConverter(slot);
    ucnv_reset(cache[slot]->converter.get());
    cache[slot]->substituted = false;
    return *cache[slot];
}

// Both directions of a single-byte page as plain tables, read from the ICU
// converter once; they are immutable afterwards and shared by all threads.
struct TSingleByteTable {
    std::array<char16_t, 256> to_unicode;
    std::array<uint16_t, 0x10000> from_unicode; // kNoByte: no mapping
};

std::unique_ptr<TSingleByteTable> BuildTable(size_t slot) {
    auto table = std::make_unique<TSingleByteTable>();
    auto owned = OpenConverter(slot);
    UConverter* cnv = owned->converter.get();

    for (int b = 0; b < 256; ++b) {
        const char byte = char(b);
        std::array<UChar, 4> out{};
        UErrorCode error = U_ZERO_ERROR;
        ucnv_reset(cnv);
        const int32_t n = ucnv_toUChars(cnv, out.data(), int32_t(out.size()), &byte, 1, &error);
        table->to_unicode[size_t(b)] = U_SUCCESS(error) && n == 1 ? out[0] : kReplacement;
    }

    // Every BMP character but the surrogates, converted in one pass; the
    // offsets tie each output byte to its source character.
    std::vector<UChar> source;
    source.reserve(0x10000);
    for (uint32_t c = 0; c < 0x10000; ++c)
        if (c < 0xD800 || c > 0xDFFF)
            source.push_back(UChar(c));
    std::vector<char> bytes(source.size() * 2);
    std::vector<int32_t> offsets(bytes.size());
    UErrorCode error = U_ZERO_ERROR;
    ucnv_reset(cnv);
    const UChar* src = source.data();
    char* dst = bytes.data();
    ucnv_fromUnicode(cnv, &dst, bytes.data() + bytes.size(), &src, source.data() + source.size(),
                     offsets.data(), true, &error);
    if (U_FAILURE(error))
        throw std::runtime_error(std::string("cannot read the table of ") + kPages[slot].icu_name +
                                 ": " + u_errorName(error));
    table->from_unicode.fill(kNoByte);
    const size_t produced = size_t(dst - bytes.data());
    for (size_t k = 0; k < produced; ++k) {
        const int32_t at = offsets[k];
        if (at < 0 || size_t(at) >= source.size())
            continue;
        // Only "?" itself maps to "?"; anything else that gives it was
        // substituted.
        const UChar c = source[size_t(at)];
        if (bytes[k] == kSubstitute && c != u'?')
            continue;
        table->from_unicode[c] = static_cast<unsigned char>(bytes[k]);
    }
    return table;
}

const TSingleByteTable& TableFor(size_t slot) {
    static std::array<std::once_flag, kPages.size()> once;
    static std::array<std::unique_ptr<TSingleByteTable>, kPages.size()> tables;
    std::call_once(once[slot], [slot] { tables[slot] = BuildTable(slot); });
    return *tables[slot];
}

std::u16string SingleByteToUnicode(std::string_view bytes, const TSingleByteTable& table) {
    std::u16string out(bytes.size(), u'\0');
    char16_t* dst = out.data();
    for (const char b : bytes)
        *dst++ = table.to_unicode[static_cast<unsigned char>(b)];
    return out;
}

std::string UnicodeToSingleByte(std::u16string_view text, const TSingleByteTable& table,
                                bool& all_mapped) {
    std::string out(text.size(), '\0');
    char* dst = out.data();
    const size_t n = text.size();
    for (size_t i = 0; i < n; ++i) {
        const char16_t c = text[i];
        const uint16_t b = table.from_unicode[c];
        if (b != kNoByte) {
            *dst++ = char(b);
            continue;
        }
        // Surrogates and unmapped characters: one "?" per code point.
        all_mapped = false;
        *dst++ = kSubstitute;
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < n && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF)
            ++i;
    }
    out.resize(size_t(dst - out.data()));
    return out;
}

// In Shift-JIS the bytes 0x1A, 0x1C and 0x7F are never part of a double-byte
// character, so the controls can be put in Windows order after conversion.
void FixIbmControls(std::u16string& text) {
    for (char16_t& c : text) {
        if (c == 0x1C)
            c = 0x1A;
        else if (c == 0x7F)
            c = 0x1C;
        else if (c == 0x1A)
            c = 0x7F;
    }
}

void FixIbmControls(std::string& bytes) {
    for (char& b : bytes) {
        if (b == 0x7F)
            b = 0x1A;
        else if (b == 0x1A)
            b = 0x1C;
        else if (b == 0x1C)
            b = 0x7F;
    }
}

std::u16string MultiByteToUnicode(std::string_view bytes, size_t slot) {
    TConverter& conv = ConverterFor(slot);
    std::u16string out(bytes.size() + 16, u'\0');
    const char* src = bytes.data();
    const char* const src_end = bytes.data() + bytes.size();
    size_t used = 0;
    for (;;) {
        UErrorCode error = U_ZERO_ERROR;
        UChar* dst = reinterpret_cast<UChar*>(out.data()) + used;
        UChar* const dst_end = reinterpret_cast<UChar*>(out.data()) + out.size();
        ucnv_toUnicode(conv.converter.get(), &dst, dst_end, &src, src_end, nullptr, true, &error);
        used = size_t(dst - reinterpret_cast<UChar*>(out.data()));
        if (error == U_BUFFER_OVERFLOW_ERROR) {
            out.resize(out.size() * 2);
            continue;
        }
        if (U_FAILURE(error))
            throw std::runtime_error(std::string("code page conversion failed: ") +
                                     u_errorName(error));
        break;
    }
    out.resize(used);
    if (kPages[slot].ibm_controls)
        FixIbmControls(out);
    return out;
}

std::string UnicodeToMultiByte(std::u16string_view text, size_t slot, bool& all_mapped) {
    TConverter& conv = ConverterFor(slot);
    UConverter* cnv = conv.converter.get();
    std::string out(
        size_t(UCNV_GET_MAX_BYTES_FOR_STRING(int64_t(text.size()), ucnv_getMaxCharSize(cnv))),
        '\0');
    const UChar* src = reinterpret_cast<const UChar*>(text.data());
    const UChar* const src_end = src + text.size();
    size_t used = 0;
    for (;;) {
        UErrorCode error = U_ZERO_ERROR;
        char* dst = out.data() + used;
        ucnv_fromUnicode(cnv, &dst, out.data() + out.size(), &src, src_end, nullptr, true, &error);
        used = size_t(dst - out.data());
        if (error == U_BUFFER_OVERFLOW_ERROR) {
            out.resize(out.size() * 2 + 16);
            continue;
        }
        if (U_FAILURE(error))
            throw std::runtime_error(std::string("code page conversion failed: ") +
                                     u_errorName(error));
        break;
    }
    out.resize(used);
    if (kPages[slot].ibm_controls)
        FixIbmControls(out);
    if (conv.substituted)
        all_mapped = false;
    return out;
}

} // namespace

std::u16string AnsiToUnicode(std::string_view bytes, uint32_t code_page) {
    const size_t slot = SlotOf(code_page);
    if (bytes.empty())
        return {};
    if (kPages[slot].single_byte)
        return SingleByteToUnicode(bytes, TableFor(slot));
    return MultiByteToUnicode(bytes, slot);
}

std::string UnicodeToAnsi(std::u16string_view text, uint32_t code_page, bool& all_mapped) {
    all_mapped = true;
    const size_t slot = SlotOf(code_page);
    if (text.empty())
        return {};
    if (kPages[slot].single_byte)
        return UnicodeToSingleByte(text, TableFor(slot), all_mapped);
    return UnicodeToMultiByte(text, slot, all_mapped);
}

std::string UnicodeToAnsi(std::u16string_view text, uint32_t code_page) {
    bool all_mapped;
    return UnicodeToAnsi(text, code_page, all_mapped);
}

std::u16string SystemAnsiToUnicode(std::string_view bytes) {
    return AnsiToUnicode(bytes, SystemCodePage());
}

std::string SystemUnicodeToAnsi(std::u16string_view text) {
    return UnicodeToAnsi(text, SystemCodePage());
}

bool IsSingleByteCodePage(uint32_t code_page) {
    return kPages[SlotOf(code_page)].single_byte;
}

const char* IcuConverterName(uint32_t code_page) {
    return kPages[SlotOf(code_page)].icu_name;
}

} // namespace qm7::platform
