#include "runtime1/search/WideMasks.h"

#include <unicode/uchar.h>
#include <unicode/utf16.h>

#include "platform/text.h"

namespace qm7 {

namespace {

// Code points, case-folded, with "\" read as "/".
std::u32string Folded(std::u16string_view s) {
    std::u32string out;
    out.reserve(s.size());
    for (size_t i = 0; i < s.size();) {
        UChar32 c;
        U16_NEXT(s.data(), i, s.size(), c);
        if (c == U'\\')
            c = U'/';
        out += char32_t(u_foldCase(c, U_FOLD_CASE_DEFAULT));
    }
    return out;
}

std::u16string_view TrimSpaces(std::u16string_view s) {
    while (!s.empty() && s.front() == u' ')
        s.remove_prefix(1);
    while (!s.empty() && s.back() == u' ')
        s.remove_suffix(1);
    return s;
}

// Wildcard match without recursion: on a mismatch the last "*" takes one
// more character and matching resumes after it. Only the last star needs
// remembering (an earlier one can never do better), so the work is at most
// the product of the two lengths, whatever the number of stars.
bool WildcardMatch(const std::u32string& name, const std::u32string& mask) {
    size_t n = 0, m = 0;
    size_t star = std::u32string::npos, resume = 0;
    while (n < name.size()) {
        if (m < mask.size() && mask[m] == U'*') {
            star = m++;
            resume = n;
        } else if (m < mask.size() && (mask[m] == U'?' || mask[m] == name[n])) {
            ++n;
            ++m;
        } else if (star != std::u32string::npos) {
            m = star + 1;
            n = ++resume;
        } else {
            return false;
        }
    }
    while (m < mask.size() && mask[m] == U'*')
        ++m;
    return m == mask.size();
}

bool MatchesOne(const std::u32string& name, std::u16string_view mask) {
    mask = TrimSpaces(mask);
    if (mask.empty())
        return false;
    if (mask == u"*.*")
        return true;
    return WildcardMatch(name, Folded(mask));
}

} // namespace

void BuildAMask(std::vector<std::u16string>& masks, std::u16string_view text) {
    masks.clear();
    const std::u16string trimmed = platform::Trim(text);
    // Line breaks of any kind separate masks as ";" does.
    std::u16string spec;
    spec.reserve(trimmed.size());
    for (size_t i = 0; i < trimmed.size(); ++i) {
        const char16_t c = trimmed[i];
        if (c == u'\r' && i + 1 < trimmed.size() && trimmed[i + 1] == u'\n')
            continue; // the LF that follows stands for the pair
        spec += (c == u'\r' || c == u'\n') ? u';' : c;
    }
    std::u16string_view rest = spec;
    for (size_t semi = rest.find(u';'); semi != std::u16string_view::npos; semi = rest.find(u';')) {
        masks.emplace_back(rest.substr(0, semi));
        rest.remove_prefix(semi + 1);
    }
    if (!rest.empty())
        masks.emplace_back(rest);
}

bool MatchesMask(std::u16string_view file_name, std::u16string_view mask) {
    if (file_name.empty())
        return false;
    const std::u32string name = Folded(file_name);
    for (size_t start = 0; start <= mask.size();) {
        size_t semi = mask.find(u';', start);
        if (semi == std::u16string_view::npos)
            semi = mask.size();
        if (MatchesOne(name, mask.substr(start, semi - start)))
            return true;
        start = semi + 1;
    }
    return false;
}

int WhereInAMask(std::u16string_view file_name, const std::vector<std::u16string>& masks) {
    if (file_name.empty())
        return -1;
    for (size_t i = 0; i < masks.size(); ++i)
        if (!masks[i].empty() && MatchesMask(file_name, masks[i]))
            return int(i);
    return -1;
}

} // namespace qm7
