#include "runtime1/search/user_input_wildcard_parsing.h"

#include <algorithm>

namespace qm7 {

namespace {

constexpr char16_t kQuote = u'"';

bool IsTrimmed(char16_t c) {
    return c <= u' ';
}

// The symbol a quoted form stands for: trimmed, double quotes removed.
std::u16string BareSymbol(std::u16string_view form) {
    while (!form.empty() && IsTrimmed(form.front()))
        form.remove_prefix(1);
    while (!form.empty() && IsTrimmed(form.back()))
        form.remove_suffix(1);
    std::u16string bare;
    for (const char16_t c : form)
        if (c != kQuote)
            bare += c;
    return bare;
}

} // namespace

std::u16string RetainedForm(int n) {
    if (n < 0 || n >= kRetainedSymbolCount)
        return {};
    std::u16string form(1, kQuote);
    form += RetainedSymbols[size_t(n)];
    form += kQuote;
    return form;
}

bool Parse_Translate(std::u16string& s, std::u16string_view search, char16_t c) {
    if (search.empty() || search.front() == c)
        return false;
    bool changed = false;
    size_t from = 0;
    for (size_t at = s.find(search, from); at != std::u16string::npos; at = s.find(search, from)) {
        s[at] = c;
        changed = true;
        // The new character may complete an occurrence that starts a little
        // before it.
        from = at >= search.size() ? at - search.size() + 1 : 0;
    }
    return changed;
}

void Parse_RetainOne(std::u16string& s, char16_t code, std::u16string_view form) {
    if (form.empty())
        return;
    std::u16string out;
    out.reserve(s.size());
    size_t from = 0;
    for (size_t at = s.find(form); at != std::u16string::npos; at = s.find(form, from)) {
        out.append(s, from, at - from);
        out += code;
        from = at + form.size();
    }
    if (from == 0)
        return;
    out.append(s, from, std::u16string::npos);
    s = std::move(out);
}

void Parse_Retain(std::u16string& s, char16_t base) {
    for (int n = 0; n < kRetainedSymbolCount; ++n)
        Parse_RetainOne(s, char16_t(base + n), RetainedForm(n));
}

void Parse_RestoreOne(std::u16string& s, char16_t code, std::u16string_view form) {
    if (s.find(code) == std::u16string::npos)
        return;
    const std::u16string bare = BareSymbol(form);
    std::u16string out;
    out.reserve(s.size() + 8);
    for (const char16_t c : s) {
        if (c == code)
            out += bare;
        else
            out += c;
    }
    s = std::move(out);
}

void Parse_Restore(std::u16string& s, char16_t base) {
    for (int n = 0; n < kRetainedSymbolCount; ++n)
        Parse_RestoreOne(s, char16_t(base + n), RetainedForm(n));
}

std::u16string TagWildcardConverted(std::u16string_view tag) {
    std::u16string s(tag);
    for (const auto& row : tag_wildcards_converters) {
        const char16_t bare = row[original_char];
        const char16_t quoted[3] = {kQuote, bare, kQuote};
        const size_t at = s.find(std::u16string_view(quoted, 3));
        if (at != std::u16string::npos) {
            s.replace(at, 3, 1, bare);
            continue;
        }
        const size_t plain = s.find(bare);
        if (plain != std::u16string::npos)
            s[plain] = row[replacement_char];
    }
    return s;
}

} // namespace qm7
