#include "platform/inifile.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <utility>

#include <unicode/uchar.h>
#include <unicode/ustring.h>

#include "platform/stream.h"
#include "platform/text.h"

namespace qm7::platform {

namespace {

bool SameText(std::u16string_view a, std::u16string_view b) {
    UErrorCode status = U_ZERO_ERROR;
    return u_strCaseCompare(reinterpret_cast<const UChar*>(a.data()), int32_t(a.size()),
                            reinterpret_cast<const UChar*>(b.data()), int32_t(b.size()),
                            U_FOLD_CASE_DEFAULT, &status) == 0 &&
           U_SUCCESS(status);
}

// The lines of a text, split at CR LF, LF or CR.
std::vector<std::u16string_view> LinesOf(std::u16string_view text) {
    std::vector<std::u16string_view> lines;
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (c != u'\r' && c != u'\n')
            continue;
        lines.push_back(text.substr(start, i - start));
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines.push_back(text.substr(start));
    return lines;
}

// ASCII text of a value, or empty when it holds anything else.
std::string AsciiOf(std::u16string_view s) {
    std::string out;
    out.reserve(s.size());
    for (const char16_t c : s) {
        if (c > 0x7F)
            return {};
        out.push_back(char(c));
    }
    return out;
}

bool ParseInteger(std::u16string_view text, int32_t& value) {
    const std::string s = AsciiOf(Trim(text));
    if (s.empty())
        return false;
    size_t at = 0;
    const bool negative = s[0] == '-';
    if (s[0] == '-' || s[0] == '+')
        at = 1;
    int base = 10;
    if (at < s.size() && s[at] == '$') {
        base = 16;
        ++at;
    } else if (at + 1 < s.size() && s[at] == '0' && (s[at + 1] == 'x' || s[at + 1] == 'X')) {
        base = 16;
        at += 2;
    }
    if (at >= s.size())
        return false;
    uint64_t magnitude = 0;
    const auto [end, ec] = std::from_chars(s.data() + at, s.data() + s.size(), magnitude, base);
    if (ec != std::errc() || end != s.data() + s.size())
        return false;
    if (base == 16) {
        // Hexadecimal fills the 32 bits, as "$FFFFFFFF" for -1.
        if (magnitude > 0xFFFFFFFFull)
            return false;
        const auto bits = int32_t(uint32_t(magnitude));
        value = negative ? int32_t(0u - uint32_t(bits)) : bits;
        return true;
    }
    const int64_t signed_value = negative ? -int64_t(magnitude) : int64_t(magnitude);
    if (magnitude > 0x80000000ull || signed_value > INT32_MAX || signed_value < INT32_MIN)
        return false;
    value = int32_t(signed_value);
    return true;
}

std::u16string AsciiToUtf16(std::string_view s) {
    return std::u16string(s.begin(), s.end());
}

} // namespace

TMemIniFile::TMemIniFile(const std::filesystem::path& file_name) : file_name_(file_name) {
    Load();
}

TMemIniFile::~TMemIniFile() = default;

void TMemIniFile::Load() {
    sections_.clear();
    std::error_code ec;
    if (file_name_.empty() || !std::filesystem::is_regular_file(file_name_, ec))
        return;
    TMemoryStream stream;
    try {
        stream.LoadFromFile(file_name_);
    } catch (const EStreamError&) {
        return;
    }
    TTextEncoding found = teUtf16LE;
    const std::u16string text = DecodeText(stream.Bytes(), &found);
    encoding_ = found;
    SetText(text);
}

void TMemIniFile::SetText(std::u16string_view text) {
    sections_.clear();
    TSection* current = nullptr;
    for (const std::u16string_view raw : LinesOf(text)) {
        const std::u16string line = Trim(raw);
        if (line.empty() || line[0] == u';')
            continue;
        if (line.size() >= 2 && line.front() == u'[' && line.back() == u']') {
            current = &AddSection(std::u16string_view(line).substr(1, line.size() - 2));
            continue;
        }
        if (!current)
            continue;
        const size_t eq = line.find(u'=');
        if (eq == std::u16string::npos) {
            current->entries.push_back({line, {}, false});
            continue;
        }
        current->entries.push_back({TrimRight(std::u16string_view(line).substr(0, eq)),
                                    TrimLeft(std::u16string_view(line).substr(eq + 1)), true});
    }
}

std::u16string TMemIniFile::Text() const {
    std::u16string text;
    for (const TSection& section : sections_) {
        text += u"[" + section.name + u"]\r\n";
        for (const TEntry& entry : section.entries) {
            text += entry.key;
            if (entry.has_value) {
                text += u'=';
                text += entry.value;
            }
            text += u"\r\n";
        }
        text += u"\r\n";
    }
    return text;
}

const TMemIniFile::TSection* TMemIniFile::FindSection(std::u16string_view name) const {
    for (const TSection& section : sections_)
        if (SameText(section.name, name))
            return &section;
    return nullptr;
}

TMemIniFile::TSection* TMemIniFile::FindSection(std::u16string_view name) {
    return const_cast<TSection*>(std::as_const(*this).FindSection(name));
}

TMemIniFile::TSection& TMemIniFile::AddSection(std::u16string_view name) {
    if (TSection* found = FindSection(name))
        return *found;
    sections_.push_back({std::u16string(name), {}});
    return sections_.back();
}

const TMemIniFile::TEntry* TMemIniFile::FindEntry(const TSection& section,
                                                  std::u16string_view key) {
    for (const TEntry& entry : section.entries)
        if (SameText(entry.key, key))
            return &entry;
    return nullptr;
}

std::u16string TMemIniFile::ReadString(std::u16string_view section, std::u16string_view ident,
                                       std::u16string_view def) const {
    const TSection* s = FindSection(section);
    const TEntry* e = s ? FindEntry(*s, ident) : nullptr;
    return e ? e->value : std::u16string(def);
}

void TMemIniFile::WriteString(std::u16string_view section, std::u16string_view ident,
                              std::u16string_view value) {
    TSection& s = AddSection(section);
    if (auto* e = const_cast<TEntry*>(FindEntry(s, ident))) {
        e->value = value;
        e->has_value = true;
        return;
    }
    s.entries.push_back({std::u16string(ident), std::u16string(value), true});
}

int32_t TMemIniFile::ReadInteger(std::u16string_view section, std::u16string_view ident,
                                 int32_t def) const {
    int32_t value = 0;
    return ParseInteger(ReadString(section, ident, u""), value) ? value : def;
}

void TMemIniFile::WriteInteger(std::u16string_view section, std::u16string_view ident,
                               int32_t value) {
    WriteString(section, ident, AsciiToUtf16(std::to_string(value)));
}

bool TMemIniFile::ReadBool(std::u16string_view section, std::u16string_view ident, bool def) const {
    return ReadInteger(section, ident, def ? 1 : 0) != 0;
}

void TMemIniFile::WriteBool(std::u16string_view section, std::u16string_view ident, bool value) {
    WriteString(section, ident, value ? u"1" : u"0");
}

double TMemIniFile::ReadFloat(std::u16string_view section, std::u16string_view ident,
                              double def) const {
    const std::string s = AsciiOf(Trim(ReadString(section, ident, u"")));
    if (s.empty())
        return def;
    double value = 0;
    const char* first = s.data() + (s[0] == '+' ? 1 : 0);
    const auto [end, ec] = std::from_chars(first, s.data() + s.size(), value);
    if (ec != std::errc() || end != s.data() + s.size() || !std::isfinite(value))
        return def;
    return value;
}

void TMemIniFile::WriteFloat(std::u16string_view section, std::u16string_view ident, double value) {
    char buffer[64];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    WriteString(section, ident,
                ec == std::errc() ? AsciiToUtf16(std::string_view(buffer, size_t(end - buffer)))
                                  : u"0");
}

bool TMemIniFile::SectionExists(std::u16string_view section) const {
    return FindSection(section) != nullptr;
}

bool TMemIniFile::ValueExists(std::u16string_view section, std::u16string_view ident) const {
    const TSection* s = FindSection(section);
    return s && FindEntry(*s, ident);
}

void TMemIniFile::ReadSection(std::u16string_view section, TStringList& keys) const {
    keys.Clear();
    if (const TSection* s = FindSection(section))
        for (const TEntry& e : s->entries)
            keys.Add(e.key);
}

void TMemIniFile::ReadSections(TStringList& sections) const {
    sections.Clear();
    for (const TSection& s : sections_)
        sections.Add(s.name);
}

void TMemIniFile::ReadSectionValues(std::u16string_view section, TStringList& values) const {
    values.Clear();
    if (const TSection* s = FindSection(section))
        for (const TEntry& e : s->entries)
            values.Add(e.has_value ? e.key + u"=" + e.value : e.key);
}

void TMemIniFile::EraseSection(std::u16string_view section) {
    std::erase_if(sections_, [&](const TSection& s) { return SameText(s.name, section); });
}

void TMemIniFile::DeleteKey(std::u16string_view section, std::u16string_view ident) {
    if (TSection* s = FindSection(section))
        std::erase_if(s->entries, [&](const TEntry& e) { return SameText(e.key, ident); });
}

void TMemIniFile::Clear() {
    sections_.clear();
}

void TMemIniFile::UpdateFile() const {
    std::string error;
    if (!AtomicWriteFile(file_name_, EncodeText(Text(), encoding_), &error))
        throw EStreamError("cannot write the ini file " + file_name_.string() + ": " + error);
}

void TMemIniFile::Rename(const std::filesystem::path& file_name, bool reload) {
    file_name_ = file_name;
    if (reload)
        Load();
}

} // namespace qm7::platform
