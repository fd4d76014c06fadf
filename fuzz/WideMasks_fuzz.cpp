// Matches arbitrary names against arbitrary masks and checks the matcher
// against a plain dynamic-programming reference of the same rules.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <unicode/uchar.h>
#include <unicode/utf16.h>

#include "runtime1/search/WideMasks.h"

using namespace qm7;

namespace {

std::u32string Folded(std::u16string_view s) {
    std::u32string out;
    for (size_t i = 0; i < s.size();) {
        UChar32 c;
        U16_NEXT(s.data(), i, s.size(), c);
        out += char32_t(u_foldCase(c == U'\\' ? U'/' : c, U_FOLD_CASE_DEFAULT));
    }
    return out;
}

// match[i][j]: the first i characters of the name against the first j of the
// mask.
bool Reference(const std::u32string& name, const std::u32string& mask) {
    std::vector<std::vector<char>> match(name.size() + 1, std::vector<char>(mask.size() + 1, 0));
    match[0][0] = 1;
    for (size_t j = 1; j <= mask.size(); ++j)
        match[0][j] = mask[j - 1] == U'*' && match[0][j - 1];
    for (size_t i = 1; i <= name.size(); ++i)
        for (size_t j = 1; j <= mask.size(); ++j) {
            const char32_t m = mask[j - 1];
            if (m == U'*')
                match[i][j] = match[i][j - 1] || match[i - 1][j];
            else
                match[i][j] = (m == U'?' || m == name[i - 1]) && match[i - 1][j - 1];
        }
    return match[name.size()][mask.size()];
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2 || size > 400)
        return 0;
    // Each byte pair is a code unit drawn from a small alphabet, so that
    // matches happen; the first 0xFFFF unit splits name from mask.
    static const char16_t alphabet[] = u"aAb.*?/\\ \u00e9\u00c9\xd83d\xde00";
    std::u16string name, mask;
    bool in_mask = false;
    for (size_t i = 0; i + 1 < size; i += 2) {
        const unsigned v = data[i] | data[i + 1] << 8;
        if (v == 0xFFFF) {
            in_mask = true;
            continue;
        }
        (in_mask ? mask : name) += alphabet[v % (sizeof(alphabet) / 2 - 1)];
    }
    if (mask.find(u';') != std::u16string::npos)
        return 0;
    bool expected = false;
    std::u16string_view trimmed = mask;
    while (!trimmed.empty() && trimmed.front() == u' ')
        trimmed.remove_prefix(1);
    while (!trimmed.empty() && trimmed.back() == u' ')
        trimmed.remove_suffix(1);
    if (!name.empty() && !trimmed.empty())
        expected = trimmed == u"*.*" || Reference(Folded(name), Folded(trimmed));
    if (MatchesMask(name, mask) != expected) {
        fprintf(stderr, "matcher and reference disagree\n");
        abort();
    }
    std::vector<std::u16string> masks;
    BuildAMask(masks, mask);
    (void)WhereInAMask(name, masks);
    return 0;
}
