#include "runtime1/scanning/UTF8_UNit.h"

#include "runtime1/core/myKpSmall.h"

namespace qm7 {

namespace {

constexpr std::array<uint8_t, 256> MakeTrailingBytes() {
    std::array<uint8_t, 256> table{};
    for (int b = 0; b < 256; ++b)
        table[size_t(b)] = b < 0xC0   ? 0
                           : b < 0xE0 ? 1
                           : b < 0xF0 ? 2
                           : b < 0xF8 ? 3
                           : b < 0xFC ? 4
                                      : 5;
    return table;
}

constexpr int64_t kYieldEvery = 64 * 1024;

// The length of the sequence a byte leads, or 0 when it cannot lead one.
int SequenceLength(uint8_t b) {
    if (b < 0x80)
        return 1;
    if ((b & 0xE0) == 0xC0)
        return 2;
    if ((b & 0xF0) == 0xE0)
        return 3;
    if ((b & 0xF8) == 0xF0)
        return 4;
    if ((b & 0xFC) == 0xF8)
        return 5;
    if ((b & 0xFE) == 0xFC)
        return 6;
    return 0;
}

// Is the sequence of t trailing bytes after the lead at p legal UTF-8?
bool LegalSequence(const uint8_t* p, int t) {
    const uint8_t lead = p[0];
    if (t > 3 || (lead >= 0x80 && lead <= 0xC1) || lead > 0xF4)
        return false;
    for (int k = 1; k <= t; ++k)
        if (p[k] < 0x80 || p[k] > 0xBF)
            return false;
    if (t >= 1) {
        const uint8_t second = p[1];
        if ((lead == 0xE0 && second < 0xA0) || (lead == 0xF0 && second < 0x90) ||
            (lead == 0xF4 && second > 0x8F))
            return false;
    }
    return true;
}

} // namespace

const std::array<uint8_t, 256> UTF8TrailingBytes = MakeTrailingBytes();

std::string UTF8SignatureAsUTF8String() {
    return "\xEF\xBB\xBF";
}

bool IsUTF8SignatureA(const char* p) {
    return p && uint8_t(p[0]) == 0xEF && uint8_t(p[1]) == 0xBB && uint8_t(p[2]) == 0xBF;
}

bool IsUTF8SignatureW(const char16_t* p) {
    return p && p[0] != 0 && p[1] != 0 && p[0] == 0xBBEF && (p[1] & 0xFF) == 0xBF;
}

bool IsUTF8Signature(uint32_t value) {
    return (value & 0xFFFFFF) == 0xBFBBEF;
}

int64_t UTF8LengthInChars(std::string_view bytes) {
    const int64_t n = int64_t(bytes.size());
    int64_t i = 0;
    int64_t count = 0;
    while (i < n) {
        const int step = SequenceLength(uint8_t(bytes[size_t(i)]));
        if (step == 0)
            return n;
        i += step;
        ++count;
    }
    return i > n ? n : count;
}

bool CheckedUTF(std::string_view bytes, bool& ascii) {
    ascii = true;
    const auto* p = reinterpret_cast<const uint8_t*>(bytes.data());
    const int64_t n = int64_t(bytes.size());
    int64_t next_yield = kYieldEvery;
    for (int64_t i = 0; i < n;) {
        if (i >= next_yield) {
            MyYieldProcess();
            next_yield = i + kYieldEvery;
        }
        const int t = UTF8TrailingBytes[p[i]];
        if (i + t >= n)
            return false;
        if (!LegalSequence(p + i, t))
            return false;
        if (t > 0) {
            ascii = false;
            return true;
        }
        ++i;
    }
    return true;
}

} // namespace qm7
