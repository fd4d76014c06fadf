#include "lemmatiser/myLemmaAndMatchLists.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <type_traits>

#include <unicode/ucol.h>

#include "lemmatiser/myKpSmall.h"
#include "platform/settings.h"
#include "platform/text.h"

namespace qm7::lemmatiser {

std::array<char, kResultBufferUnits> AnsiResultBuffer{};
std::array<char16_t, kResultBufferUnits> WideResultBuffer{};

// ---- Entry functions ----

void* MyNewPAnsichar(const void* text) {
    if (text == nullptr)
        return nullptr;
    const size_t n = std::strlen(static_cast<const char*>(text));
    char* copy = new char[n + 1];
    std::memcpy(copy, text, n + 1);
    return copy;
}

void* MyNewPChar(const void* text) {
    if (text == nullptr)
        return nullptr;
    const size_t n = WideLength(text);
    char16_t* copy = new char16_t[n + 1];
    std::memcpy(copy, text, (n + 1) * sizeof(char16_t));
    return copy;
}

int32_t CompareAnsiTexts(const void* a, const void* b) {
    const auto* p = static_cast<const unsigned char*>(a);
    const auto* q = static_cast<const unsigned char*>(b);
    for (;; ++p, ++q) {
        if (*p != *q)
            return int32_t(*p) - int32_t(*q);
        if (*p == 0)
            return 0;
    }
}

int32_t CompareWideTexts(const void* a, const void* b) {
    for (size_t i = 0;; ++i) {
        const char16_t x = WideUnitAt(a, i);
        const char16_t y = WideUnitAt(b, i);
        if (x != y)
            return int32_t(x) - int32_t(y);
        if (x == 0)
            return 0;
    }
}

void DeletePAnsichar(void* text) {
    delete[] static_cast<char*>(text);
}
void DeletePWideChar(void* text) {
    delete[] static_cast<char16_t*>(text);
}

namespace {

// The first field of both entry records is the entry's text.
const void* FirstField(const void* entry) {
    const void* text;
    std::memcpy(&text, entry, sizeof text);
    return text;
}

// The skeleton planted before a list file is read: the first characters are
// spread over upper-case, lower-case and accented letters so that a sorted
// file falls into about twenty separate subtrees.
constexpr std::array<char16_t, 19> kSeedInitials = {
    u'M', u'F', u'S', u'C', u'U', u'\u00C0', u'}', u'P', u'\u00E0', u'J',
    u'T', u'm', u'f', u's', u'c', u'u',      u'p', u'j', u't'};
constexpr std::u16string_view kSeedMark = u"_8z";

template <typename Char> unsigned UnitValue(Char c) {
    return unsigned(static_cast<std::make_unsigned_t<Char>>(c));
}

template <typename Char> bool IsLineSeparator(Char c) {
    const unsigned u = UnitValue(c);
    if (u == 10 || u == 12 || u == 13)
        return true;
    if constexpr (sizeof(Char) == 2)
        return u == 11 || u == 0x2028 || u == 0x2029;
    return false;
}

template <typename Char> std::basic_string_view<Char> TrimItem(std::basic_string_view<Char> s) {
    size_t first = 0;
    size_t last = s.size();
    while (first < last && UnitValue(s[first]) <= 0x20)
        ++first;
    while (last > first && UnitValue(s[last - 1]) <= 0x20)
        --last;
    return s.substr(first, last - first);
}

// Estimate of the number of lines for a progress bar: line ends in CR, CR LF
// or LF alone, plus one.
template <typename Char> int32_t EstimateLines(std::basic_string_view<Char> text) {
    int64_t n = 1;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == Char('\r'))
            ++n;
        else if (text[i] == Char('\n') && (i == 0 || text[i - 1] != Char('\r')))
            ++n;
    }
    return int32_t(std::min<int64_t>(n, INT32_MAX));
}

template <typename Char> void CutAtNul(std::basic_string<Char>& text) {
    const size_t nul = text.find(Char(0));
    if (nul != std::basic_string<Char>::npos)
        text.resize(nul);
}

// Splits "HEADWORD -> VARIANT" or takes a bare variant of the current
// headword. False when the item names no valid pair; current is updated
// whenever the item names a headword.
template <typename Char>
bool SplitPair(std::basic_string_view<Char> item, std::basic_string<Char>& current,
               std::basic_string<Char>& variant) {
    const Char arrow[] = {Char('-'), Char('>'), Char(0)};
    const size_t at = item.find(arrow);
    if (at != std::basic_string_view<Char>::npos) {
        current = std::basic_string<Char>(TrimItem(item.substr(0, at)));
        variant = std::basic_string<Char>(TrimItem(item.substr(at + 2)));
    } else {
        variant = std::basic_string<Char>(item);
    }
    return !current.empty() && !variant.empty() && current != variant;
}

std::u16string EntryTextAsWide(const void* text, bool in_unicode) {
    if (in_unicode)
        return WideTextOf(text);
    return AnsiToWide(static_cast<const char*>(text));
}

} // namespace

// ---- TReadFileTree ----

TReadFileTree::TReadFileTree(bool aCase_sensitive)
    : TGeneral_Tree([this](const void* a, const void* b) {
          return basiccomparefunct(FirstField(a), FirstField(b));
      }),
      force_upper_case(!aCase_sensitive) {
    // The comparison is the ordinal order of the entry texts, so the tree
    // may find entries through an index of those texts.
    UseOrdinalKeys(FirstField, 1);
}

void TReadFileTree::SetNameOfProcess(std::u16string_view name) {
    name_of_process.fill(0);
    const std::u16string_view cut = WideCut(name, name_of_process.size() - 1);
    std::copy(cut.begin(), cut.end(), name_of_process.begin());
}

void TReadFileTree::SetNLinesProc(const TAnnounceNumberAndMessageProc& proc) {
    fSetNLinesProc = proc;
}

void TReadFileTree::SetProgressProc(const TShowSomeProgressProc& proc) {
    fProgressProc = proc;
}

void TReadFileTree::TellTotalLines(int32_t n) {
    if (fSetNLinesProc.code != nullptr)
        fSetNLinesProc.code(fSetNLinesProc.object, n, name_of_process.data());
}

void TReadFileTree::Clear() {
    lines = 0;
    cancelled = false;
    This_list_has_data = false;
    fSeeds.clear();
    TGeneral_Tree::Clear();
}

void TReadFileTree::SetUsingUnicode(bool value) {
    using_unicode = value;
    if (value) {
        newfunct = MyNewPChar;
        basiccomparefunct = CompareWideTexts;
        deletefunct = DeletePWideChar;
    } else {
        newfunct = MyNewPAnsichar;
        basiccomparefunct = CompareAnsiTexts;
        deletefunct = DeletePAnsichar;
    }
    UseOrdinalKeys(FirstField, value ? sizeof(char16_t) : 1);
}

const void* TReadFileTree::EntryText(const void* entry) const {
    return FirstField(entry);
}

bool TReadFileTree::IsASeed(const void* a) {
    const void* text = a != nullptr ? FirstField(a) : nullptr;
    if (text == nullptr)
        return false;
    if (using_unicode)
        return WideTextOf(text).find(kSeedMark) != std::u16string::npos;
    return std::strstr(static_cast<const char*>(text), "_8z") != nullptr;
}

bool TReadFileTree::IsPlantedSeed(const void* a) const {
    return std::find(fSeeds.begin(), fSeeds.end(), a) != fSeeds.end();
}

bool TReadFileTree::HasAffixMarks(const void* text) const {
    const std::u16string wide = EntryTextAsWide(text, using_unicode);
    const size_t open = wide.find(u'<');
    return open != std::u16string::npos && wide.find(u'>', open + 1) != std::u16string::npos;
}

void TReadFileTree::PlantSeeds(void* (*make_entry)(void* text)) {
    for (const char16_t initial : kSeedInitials) {
        void* text;
        if (using_unicode) {
            const std::u16string seed = std::u16string(1, initial) + std::u16string(kSeedMark);
            text = newfunct(seed.c_str());
        } else {
            const std::string seed = std::string(1, char(initial)) + "_8z";
            text = newfunct(seed.c_str());
        }
        void* entry = make_entry(text);
        current.this_ = entry;
        const bool added = Add_One(current);
        current.this_ = nullptr;
        if (added) {
            fSeeds.push_back(entry);
        } else {
            anything node{entry, nullptr, nullptr};
            anything_ptr item = &node;
            Do_Deleting(item);
        }
    }
}

void TReadFileTree::FreeEntry(anything_ptr& item) {
    if (item == nullptr || item->this_ == nullptr)
        return;
    void* entry = item->this_;
    item->this_ = nullptr;
    deletefunct(const_cast<void*>(FirstField(entry)));
}

const void* TReadFileTree::CopyOfPointer(const void* p, bool p_in_unicode) {
    if (p == nullptr || p_in_unicode == using_unicode)
        return p;
    if (using_unicode) {
        fKeyW = AnsiToWide(static_cast<const char*>(p));
        return fKeyW.c_str();
    }
    fKeyA = WideToAnsi(WideTextOf(p));
    return fKeyA.c_str();
}

anything_ptr TReadFileTree::FindText(const void* text) {
    if (text == nullptr)
        return nullptr;
    TMatchEntryRec key{text};
    current.this_ = &key;
    anything_ptr found = WhereIs(current);
    current.this_ = nullptr;
    return found;
}

bool TReadFileTree::LoadFromFile(const TAnnounceNumberAndMessageProc& aSetNLinesProc,
                                 const TShowSomeProgressProc& aProgressProc, uint32_t anLCID,
                                 bool aForceUpperCase, std::u16string_view Filename) {
    const std::filesystem::path path(platform::Utf16ToUtf8(Filename));
    std::error_code error;
    if (Filename.empty() || !std::filesystem::exists(path, error))
        return false;
    fLCID = anLCID;
    force_upper_case = aForceUpperCase;
    SetNLinesProc(aSetNLinesProc);
    SetProgressProc(aProgressProc);
    Clear();
    if (std::filesystem::is_directory(path, error))
        throw std::runtime_error("not a file: " + path.string());
    std::ifstream stream(path, std::ios::binary);
    if (!stream)
        throw std::runtime_error("cannot open " + path.string());
    return LoadFromStream(stream);
}

bool TReadFileTree::LoadFromStream(std::istream& Stream) {
    std::string bytes;
    std::array<char, 1 << 16> chunk;
    while (Stream.read(chunk.data(), std::streamsize(chunk.size())) || Stream.gcount() > 0)
        bytes.append(chunk.data(), size_t(Stream.gcount()));
    if (Stream.bad())
        throw std::runtime_error("cannot read the list file");
    return LoadFromBytes(bytes);
}

bool TReadFileTree::LoadFromBytes(std::string_view bytes) {
    lines = 0;
    if (bytes.size() < 2)
        return false;
    const auto b0 = static_cast<unsigned char>(bytes[0]);
    const auto b1 = static_cast<unsigned char>(bytes[1]);
    const bool little_endian = b0 == 0xFF && b1 == 0xFE;
    const bool big_endian = b0 == 0xFE && b1 == 0xFF;
    SetUsingUnicode(little_endian || big_endian);
    Seed_Tree();
    if (using_unicode) {
        std::u16string text((bytes.size() - 2) / 2, u'\0');
        std::memcpy(text.data(), bytes.data() + 2, text.size() * sizeof(char16_t));
        if (big_endian)
            for (char16_t& unit : text)
                unit = char16_t((unit >> 8) | (unit << 8));
        CutAtNul(text);
        if (force_upper_case)
            UpperCaseWideInPlace(text, fLCID);
        TellTotalLines(EstimateLines(std::u16string_view(text)));
        ReadItems(text);
    } else {
        std::string text(bytes);
        CutAtNul(text);
        if (force_upper_case)
            UpperCaseAnsiInPlace(text, fLCID);
        TellTotalLines(EstimateLines(std::string_view(text)));
        ReadItems(text);
    }
    TellTotalLines(lines);
    return true;
}

template <typename Text> void TReadFileTree::ReadItems(const Text& text) {
    using Char = typename Text::value_type;
    const std::basic_string_view<Char> all(text);
    const auto is_separator = [this](Char c) {
        return IsLineSeparator(c) || (c == Char(',') && !allow_strings_with_commas);
    };
    lines = 0;
    size_t pos = 0;
    while (pos < all.size() && !cancelled) {
        MyYieldProcess();
        size_t end = pos;
        while (end < all.size() && !is_separator(all[end]))
            ++end;
        const bool at_comma = end < all.size() && all[end] == Char(',');
        if (!at_comma && lines % 256 == 0 && fProgressProc.code != nullptr)
            fProgressProc.code(fProgressProc.object, lines);
        const std::basic_string_view<Char> item = TrimItem(all.substr(pos, end - pos));
        if (!item.empty()) {
            if (item[0] == Char(';')) {
                end = pos;
                while (end < all.size() && !IsLineSeparator(all[end]))
                    ++end;
            } else {
                bool accepted;
                if constexpr (sizeof(Char) == 2)
                    accepted = FormatIsOKW(item);
                else
                    accepted = FormatIsOKA(item);
                if (accepted)
                    ++lines;
            }
        }
        if (end < all.size()) {
            const bool cr_lf =
                all[end] == Char('\r') && end + 1 < all.size() && all[end + 1] == Char('\n');
            end += cr_lf ? 2 : 1;
        }
        pos = end;
    }
}

// ---- THeadwordList ----

THeadwordList::THeadwordList() = default;

THeadwordList::~THeadwordList() {
    if (fCollator != nullptr)
        ucol_close(fCollator);
}

void THeadwordList::SetLocale(uint32_t lcid) {
    fLCID = lcid;
}

void THeadwordList::OpenCollator() {
    if (fCollator != nullptr && (fCollatorLCID == fLCID || !fByKey.empty()))
        return;
    if (fCollator != nullptr)
        ucol_close(fCollator);
    const std::string locale = platform::IcuLocaleOf(fLCID);
    UErrorCode status = U_ZERO_ERROR;
    fCollator = ucol_open(locale.c_str(), &status);
    if (U_FAILURE(status)) {
        status = U_ZERO_ERROR;
        fCollator = ucol_open("", &status);
        if (U_FAILURE(status))
            throw std::runtime_error("no collator for the headwords");
    }
    ucol_setStrength(fCollator, UCOL_SECONDARY);
    fCollatorLCID = fLCID;
}

std::string THeadwordList::SortKey(std::u16string_view text) {
    OpenCollator();
    std::string key(64, '\0');
    for (;;) {
        const int32_t needed =
            ucol_getSortKey(fCollator, text.data(), int32_t(text.size()),
                            reinterpret_cast<uint8_t*>(key.data()), int32_t(key.size()));
        if (needed <= 0)
            throw std::runtime_error("cannot collate a headword");
        if (size_t(needed) <= key.size()) {
            key.resize(size_t(needed));
            return key;
        }
        key.assign(size_t(needed), '\0');
    }
}

THeadwordList::THeadword& THeadwordList::FindOrAdd(std::u16string_view text) {
    // The same text has the same sort key as long as the list holds
    // headwords (the collator changes only on an empty list).
    if (fLast != nullptr && text == fLastText)
        return *fLast;
    fLast = nullptr;
    auto [at, added] = fByKey.try_emplace(SortKey(text));
    if (added) {
        at->second.text = std::u16string(text);
        fIndexValid = false;
    }
    fLastText = text;
    fLast = &at->second;
    return at->second;
}

const THeadwordList::THeadword* THeadwordList::Find(std::u16string_view text) {
    if (fByKey.empty())
        return nullptr;
    const auto at = fByKey.find(SortKey(text));
    return at == fByKey.end() ? nullptr : &at->second;
}

const THeadwordList::THeadword* THeadwordList::At(int32_t n) {
    if (n < 0 || n >= Count())
        return nullptr;
    if (!fIndexValid) {
        fIndex.clear();
        fIndex.reserve(fByKey.size());
        for (const auto& [key, headword] : fByKey)
            fIndex.push_back(&headword);
        fIndexValid = true;
    }
    return fIndex[size_t(n)];
}

void THeadwordList::Clear() {
    fLast = nullptr;
    fLastText.clear();
    fByKey.clear();
    fIndex.clear();
    fIndexValid = false;
}

// ---- TLemmaList ----

TLemmaList::TLemmaList(bool aCase_sensitive) : TReadFileTree(aCase_sensitive) {
    SetNameOfProcess(LemmaMatchStopnames_of_processes[as_lemma]);
}

TLemmaList::~TLemmaList() {
    TGeneral_Tree::Clear();
}

void TLemmaList::Clear() {
    TReadFileTree::Clear();
    headwords.Clear();
    headwords.SetLocale(fLCID);
    lemma_pair_entries = 0;
    last_replaceA.clear();
    last_replaceW.clear();
}

void TLemmaList::SetUsingUnicode(bool value) {
    TReadFileTree::SetUsingUnicode(value);
}

void TLemmaList::Seed_Tree() {
    PlantSeeds([](void* text) -> void* { return new TLemmaEntryRec{text, nullptr}; });
    lemma_pair_entries = 0;
}

void TLemmaList::Do_In_Order(anything_ptr& item) {
    const auto* entry = static_cast<const TLemmaEntryRec*>(item->this_);
    if (entry == nullptr || entry->variantp == nullptr || entry->headwordp == nullptr ||
        ShowProc.code == nullptr || IsASeed(entry))
        return;
    ShowProc.code(ShowProc.object, entry, using_unicode, HasAffixMarks(entry->variantp), going,
                  counter);
}

void TLemmaList::Do_Deleting(anything_ptr& item) {
    auto* entry = item != nullptr ? static_cast<TLemmaEntryRec*>(item->this_) : nullptr;
    FreeEntry(item);
    delete entry;
}

bool TLemmaList::StorePair(const void* variant, std::u16string_view headword) {
    This_list_has_data = true;
    THeadwordList::THeadword& held = headwords.FindOrAdd(headword);
    auto* entry = new TLemmaEntryRec{nullptr, held.text.c_str()};
    try {
        entry->variantp = newfunct(variant);
        MyYieldProcess();
        current.this_ = entry;
        const bool added = Add_One(current);
        current.this_ = nullptr;
        if (added) {
            ++lemma_pair_entries;
            held.variants.emplace_back(entry);
            return true;
        }
    } catch (...) {
        current.this_ = nullptr;
        deletefunct(const_cast<void*>(entry->variantp));
        delete entry;
        throw;
    }
    anything node{entry, nullptr, nullptr};
    anything_ptr duplicate = &node;
    Do_Deleting(duplicate);
    return true;
}

bool TLemmaList::FormatIsOKA(std::string_view s) {
    std::string variant;
    if (!SplitPair(s, last_replaceA, variant))
        return false;
    return StorePair(variant.c_str(), AnsiToWide(last_replaceA));
}

bool TLemmaList::FormatIsOKW(std::u16string_view s) {
    std::u16string variant;
    if (!SplitPair(s, last_replaceW, variant))
        return false;
    return StorePair(variant.c_str(), last_replaceW);
}

TLemmaEntryRec TLemmaList::FoundVariant(const void* x) {
    if (x == nullptr)
        return {x, nullptr};
    TLemmaEntryRec key{x, nullptr};
    current.this_ = &key;
    const anything_ptr found = WhereIs(current);
    current.this_ = nullptr;
    if (found == nullptr)
        return {x, nullptr};
    return *static_cast<const TLemmaEntryRec*>(found->this_);
}

const char16_t* TLemmaList::LemmaVariantsOf(std::u16string_view headword,
                                            std::u16string_view separated_with) {
    constexpr size_t kMax = kResultBufferUnits - 1;
    // Either text may be an earlier result in the buffer about to be filled.
    const std::u16string wanted(headword);
    const std::u16string between(separated_with);
    WideResultBuffer.fill(0);
    const THeadwordList::THeadword* held = headwords.Find(wanted);
    if (held == nullptr)
        return WideResultBuffer.data();
    std::u16string joined;
    const auto append = [&](std::u16string_view piece) {
        joined += WideCut(piece, kMax - joined.size());
    };
    for (size_t i = 0; i < held->variants.size() && joined.size() < kMax; ++i) {
        append(EntryTextAsWide(held->variants[i].data->variantp, using_unicode));
        if (i + 1 < held->variants.size())
            append(between);
    }
    std::copy(joined.begin(), joined.end(), WideResultBuffer.begin());
    return WideResultBuffer.data();
}

// ---- TMatchList and TStopList ----

TMatchList::TMatchList(bool aCase_sensitive) : TReadFileTree(aCase_sensitive) {
    SetNameOfProcess(LemmaMatchStopnames_of_processes[as_match]);
}

TMatchList::~TMatchList() {
    TGeneral_Tree::Clear();
}

void TMatchList::Seed_Tree() {
    PlantSeeds([](void* text) -> void* { return new TMatchEntryRec{text}; });
}

void TMatchList::Do_In_Order(anything_ptr& item) {
    const auto* entry = static_cast<const TMatchEntryRec*>(item->this_);
    if (entry == nullptr || entry->searchp == nullptr || ShowProc.code == nullptr || IsASeed(entry))
        return;
    ShowProc.code(ShowProc.object, *entry, using_unicode, HasAffixMarks(entry->searchp), going,
                  counter);
}

void TMatchList::Do_Deleting(anything_ptr& item) {
    auto* entry = item != nullptr ? static_cast<TMatchEntryRec*>(item->this_) : nullptr;
    FreeEntry(item);
    delete entry;
}

bool TMatchList::StoreEntry(const void* text) {
    This_list_has_data = true;
    auto* entry = new TMatchEntryRec{nullptr};
    try {
        entry->searchp = newfunct(text);
        current.this_ = entry;
        const bool added = Add_One(current);
        current.this_ = nullptr;
        if (added)
            return true;
    } catch (...) {
        current.this_ = nullptr;
        deletefunct(const_cast<void*>(entry->searchp));
        delete entry;
        throw;
    }
    anything node{entry, nullptr, nullptr};
    anything_ptr duplicate = &node;
    Do_Deleting(duplicate);
    return true;
}

bool TMatchList::FormatIsOKA(std::string_view s) {
    if (s.empty())
        return false;
    return StoreEntry(std::string(s).c_str());
}

bool TMatchList::FormatIsOKW(std::u16string_view s) {
    if (s.empty())
        return false;
    return StoreEntry(std::u16string(s).c_str());
}

TStopList::TStopList(bool aCase_sensitive) : TMatchList(aCase_sensitive) {
    SetNameOfProcess(LemmaMatchStopnames_of_processes[as_stop]);
}

// ---- TShowClass ----

void TShowClass::ShowALemma(const TLemmaEntryRec& t, bool in_unicode) {
    if (Full())
        return;
    StringList.push_back(EntryTextAsWide(t.variantp, in_unicode) + u" (" + WideTextOf(t.headwordp) +
                         u")");
}

void TShowClass::ShowAMatch(const TMatchEntryRec& t, bool in_unicode) {
    if (Full())
        return;
    StringList.push_back(EntryTextAsWide(t.searchp, in_unicode));
}

THandleLemmaProc TShowClass::LemmaProc() {
    return {[](void* object, const TLemmaEntryRec* t, uint8_t in_unicode, uint8_t, int32_t,
               int32_t) { static_cast<TShowClass*>(object)->ShowALemma(*t, in_unicode != 0); },
            this};
}

THandleMatchProc TShowClass::MatchProc() {
    return {[](void* object, TMatchEntryRec t, uint8_t in_unicode, uint8_t, int32_t, int32_t) {
                static_cast<TShowClass*>(object)->ShowAMatch(t, in_unicode != 0);
            },
            this};
}

THandleMatchProc TShowClass::RelationProc() {
    return {[](void* object, TMatchEntryRec t, uint8_t in_unicode, uint8_t, int32_t, int32_t) {
                static_cast<TShowClass*>(object)->ShowARelation(t, in_unicode != 0);
            },
            this};
}

THandleStopProc TShowClass::StopProc() {
    return {[](void* object, TMatchEntryRec t, uint8_t in_unicode, uint8_t, int32_t, int32_t) {
                static_cast<TShowClass*>(object)->ShowAStop(t, in_unicode != 0);
            },
            this};
}

// ---- The slots ----

TLemmatiserLists::TLemmatiserLists() {
    for (int slot = 0; slot < kLemmatiserSlots; ++slot) {
        LemmaSlots[size_t(slot)] = std::make_unique<TLemmaList>(true);
        LemmaSlots[size_t(slot)]->ShowProc = ShowCollector.LemmaProc();
        RelationSlots[size_t(slot)] = std::make_unique<TMatchList>(true);
        RelationSlots[size_t(slot)]->ShowProc = ShowCollector.RelationProc();
        StopSlots[size_t(slot)] = std::make_unique<TStopList>(true);
        StopSlots[size_t(slot)]->ShowProc = ShowCollector.MatchProc();
        MatchSlots[size_t(slot)] = std::make_unique<TMatchList>(true);
        MatchSlots[size_t(slot)]->ShowProc = ShowCollector.MatchProc();
    }
}

TLemmatiserLists::~TLemmatiserLists() {
    // The host may be gone by now: nothing calls back into it while the
    // lists are freed.
    AYieldProcessProc = {};
    ShowCollector.Clear();
    for (int slot = 0; slot < kLemmatiserSlots; ++slot) {
        LemmaSlots[size_t(slot)].reset();
        RelationSlots[size_t(slot)].reset();
        MatchSlots[size_t(slot)].reset();
        StopSlots[size_t(slot)].reset();
    }
}

namespace {
TLemmatiserLists gLists;
} // namespace

TLemmatiserLists& Lists() {
    return gLists;
}

} // namespace qm7::lemmatiser
