#include "platform/stringlist.h"

#include <algorithm>
#include <map>
#include <memory>
#include <mutex>
#include <numeric>
#include <utility>

#include <unicode/ucol.h>
#include <unicode/ustring.h>

#include "platform/codepage.h"
#include "platform/settings.h"
#include "platform/stream.h"
#include "platform/text.h"

namespace qm7::platform {

namespace {

// Collators are costly to open: one per locale and strength, kept for the
// life of the process (never freed, so no list outlives its collator).
const UCollator* CachedCollator(uint32_t lcid, bool case_sensitive) {
    struct TCache {
        std::mutex mutex;
        std::map<std::pair<uint32_t, bool>, UCollator*> collators;
    };
    static TCache* cache = new TCache;
    std::lock_guard lock(cache->mutex);
    UCollator*& slot = cache->collators[{lcid, case_sensitive}];
    if (slot == nullptr) {
        UErrorCode status = U_ZERO_ERROR;
        slot = ucol_open(IcuLocaleOf(lcid).c_str(), &status);
        if (U_FAILURE(status) || slot == nullptr) {
            status = U_ZERO_ERROR;
            slot = ucol_open("", &status); // the root order
        }
        if (slot != nullptr)
            ucol_setStrength(slot, case_sensitive ? UCOL_TERTIARY : UCOL_SECONDARY);
    }
    return slot;
}

int Sign(int v) {
    return (v > 0) - (v < 0);
}

int OrdinalCompare(std::u16string_view a, std::u16string_view b) {
    return Sign(a.compare(b));
}

int FoldedCompare(std::u16string_view a, std::u16string_view b) {
    UErrorCode status = U_ZERO_ERROR;
    const int result = u_strCaseCompare(a.data(), int32_t(a.size()), b.data(), int32_t(b.size()),
                                        U_FOLD_CASE_DEFAULT, &status);
    return U_SUCCESS(status) ? Sign(result) : OrdinalCompare(a, b);
}

void AppendUtf16(std::string& out, std::u16string_view text, bool big_endian) {
    out.reserve(out.size() + 2 * text.size());
    for (char16_t c : text) {
        const char low = char(c & 0xFF);
        const char high = char(c >> 8);
        out += big_endian ? high : low;
        out += big_endian ? low : high;
    }
}

std::u16string Utf16Of(std::string_view bytes, bool big_endian) {
    std::u16string text(bytes.size() / 2, u'\0');
    for (size_t i = 0; i < text.size(); ++i) {
        const auto first = uint8_t(bytes[2 * i]);
        const auto second = uint8_t(bytes[2 * i + 1]);
        text[i] = big_endian ? char16_t(first << 8 | second) : char16_t(second << 8 | first);
    }
    return text;
}

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LEBom = "\xFF\xFE";
constexpr std::string_view kUtf16BEBom = "\xFE\xFF";

} // namespace

// ---------------------------------------------------------------- encodings

std::u16string DecodeText(std::string_view bytes, TTextEncoding* found) {
    TTextEncoding encoding = teUtf8;
    std::u16string text;
    if (bytes.starts_with(kUtf16LEBom)) {
        encoding = teUtf16LE;
        text = Utf16Of(bytes.substr(2), false);
    } else if (bytes.starts_with(kUtf16BEBom)) {
        encoding = teUtf16BE;
        text = Utf16Of(bytes.substr(2), true);
    } else if (bytes.starts_with(kUtf8Bom)) {
        encoding = teUtf8Bom;
        text = Utf8ToUtf16(bytes.substr(3));
    } else if (IsValidUtf8(bytes)) {
        text = Utf8ToUtf16(bytes);
    } else {
        encoding = teAnsi;
        text = SystemAnsiToUnicode(bytes);
    }
    if (found != nullptr)
        *found = encoding;
    return text;
}

std::string EncodeText(std::u16string_view text, TTextEncoding encoding) {
    std::string bytes;
    switch (encoding) {
    case teAnsi:
        return SystemUnicodeToAnsi(text);
    case teUtf8:
        return Utf16ToUtf8(text);
    case teUtf8Bom:
        return std::string(kUtf8Bom) + Utf16ToUtf8(text);
    case teUtf16LE:
        bytes = kUtf16LEBom;
        AppendUtf16(bytes, text, false);
        return bytes;
    case teUtf16BE:
        bytes = kUtf16BEBom;
        AppendUtf16(bytes, text, true);
        return bytes;
    }
    return bytes;
}

// ---------------------------------------------------------------- TStringList

TStringList::TStringList() = default;

TStringList::~TStringList() {
    TStringList::Clear();
}

void TStringList::CheckIndex(int index) const {
    if (index < 0 || index >= Count())
        throw EStringListError("list index out of bounds (" + std::to_string(index) + ")");
}

void TStringList::CheckUnsorted(const char* operation) const {
    if (sorted_)
        throw EStringListError(std::string(operation) + " is not allowed on a sorted list");
}

void TStringList::FreeObject(void* object) const {
    if (object != nullptr && deleter_)
        deleter_(object);
}

const std::u16string& TStringList::Strings(int index) const {
    CheckIndex(index);
    return items_[size_t(index)].text;
}

void TStringList::SetString(int index, std::u16string s) {
    CheckUnsorted("changing a string");
    CheckIndex(index);
    items_[size_t(index)].text = std::move(s);
}

void* TStringList::Objects(int index) const {
    CheckIndex(index);
    return items_[size_t(index)].object;
}

void TStringList::SetObject(int index, void* object) {
    CheckIndex(index);
    void* old = std::exchange(items_[size_t(index)].object, object);
    if (old != object)
        FreeObject(old);
}

int64_t TStringList::Integers(int index) const {
    CheckIndex(index);
    return items_[size_t(index)].integer;
}

void TStringList::SetInteger(int index, int64_t value) {
    CheckIndex(index);
    items_[size_t(index)].integer = value;
}

int TStringList::Add(std::u16string s) {
    return AddItem(TItem{std::move(s)});
}

int TStringList::AddObject(std::u16string s, void* object) {
    return AddItem(TItem{std::move(s), object});
}

int TStringList::AddInteger(std::u16string s, int64_t value) {
    return AddItem(TItem{std::move(s), nullptr, value});
}

int TStringList::AddItem(TItem item) {
    if (!sorted_) {
        items_.push_back(std::move(item));
        return Count() - 1;
    }
    int index = 0;
    if (Find(item.text, index)) {
        switch (duplicates_) {
        case dupIgnore:
            return index;
        case dupError:
            throw EStringListError("the string list does not allow duplicates");
        case dupAccept:
            // After the equal ones, so that they stay in the order added.
            while (index < Count() && CompareStrings(items_[size_t(index)].text, item.text) == 0)
                ++index;
            break;
        }
    }
    InsertItem(index, std::move(item));
    return index;
}

void TStringList::Insert(int index, std::u16string s) {
    InsertObject(index, std::move(s), nullptr);
}

void TStringList::InsertObject(int index, std::u16string s, void* object) {
    CheckUnsorted("Insert");
    if (index < 0 || index > Count())
        throw EStringListError("list index out of bounds (" + std::to_string(index) + ")");
    InsertItem(index, TItem{std::move(s), object});
}

void TStringList::InsertItem(int index, TItem item) {
    items_.insert(items_.begin() + index, std::move(item));
}

void TStringList::Delete(int index) {
    CheckIndex(index);
    void* object = items_[size_t(index)].object;
    items_.erase(items_.begin() + index);
    FreeObject(object);
}

void TStringList::Clear() {
    std::vector<TItem> items = std::move(items_);
    items_.clear();
    for (TItem& item : items)
        FreeObject(item.object);
}

// ---------------------------------------------------------------- searching

int TStringList::CompareStrings(std::u16string_view a, std::u16string_view b) const {
    if (!use_locale_)
        return case_sensitive_ ? OrdinalCompare(a, b) : FoldedCompare(a, b);
    const uint32_t lcid = UserLCID();
    if (collator_ == nullptr || collator_lcid_ != lcid ||
        collator_case_sensitive_ != case_sensitive_) {
        collator_ = CachedCollator(lcid, case_sensitive_);
        collator_lcid_ = lcid;
        collator_case_sensitive_ = case_sensitive_;
    }
    if (collator_ == nullptr)
        return case_sensitive_ ? OrdinalCompare(a, b) : FoldedCompare(a, b);
    return int(ucol_strcoll(collator_, a.data(), int32_t(a.size()), b.data(), int32_t(b.size())));
}

bool TStringList::Find(std::u16string_view s, int& index) const {
    if (!sorted_) {
        index = IndexOf(s);
        if (index >= 0)
            return true;
        index = Count();
        return false;
    }
    const auto first = std::partition_point(items_.begin(), items_.end(), [&](const TItem& item) {
        return CompareStrings(item.text, s) < 0;
    });
    index = int(first - items_.begin());
    return first != items_.end() && CompareStrings(first->text, s) == 0;
}

int TStringList::IndexOf(std::u16string_view s) const {
    if (sorted_) {
        int index = 0;
        return Find(s, index) ? index : -1;
    }
    for (size_t i = 0; i < items_.size(); ++i)
        if (CompareStrings(items_[i].text, s) == 0)
            return int(i);
    return -1;
}

int TStringList::IndexOfObject(const void* object) const {
    for (size_t i = 0; i < items_.size(); ++i)
        if (items_[i].object == object)
            return int(i);
    return -1;
}

// ---------------------------------------------------------------- order

void TStringList::Exchange(int index1, int index2) {
    CheckIndex(index1);
    CheckIndex(index2);
    std::swap(items_[size_t(index1)], items_[size_t(index2)]);
    sorted_ = false;
}

void TStringList::Move(int from, int to) {
    CheckIndex(from);
    CheckIndex(to);
    if (from == to)
        return;
    TItem item = std::move(items_[size_t(from)]);
    items_.erase(items_.begin() + from);
    items_.insert(items_.begin() + to, std::move(item));
    sorted_ = false;
}

void TStringList::Sort() {
    std::stable_sort(items_.begin(), items_.end(), [&](const TItem& a, const TItem& b) {
        return CompareStrings(a.text, b.text) < 0;
    });
}

void TStringList::CustomSort(const TStringListSortCompare& compare) {
    // The comparison reads the entries by index, so sort a permutation and
    // move the entries only when it is complete.
    std::vector<int> order(items_.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return compare(*this, a, b) < 0; });
    std::vector<TItem> sorted;
    sorted.reserve(items_.size());
    for (int i : order)
        sorted.push_back(std::move(items_[size_t(i)]));
    items_ = std::move(sorted);
    sorted_ = false;
}

void TStringList::SetSorted(bool sorted) {
    if (sorted && !sorted_)
        Sort();
    sorted_ = sorted;
}

void TStringList::ComparisonChanged() {
    if (sorted_)
        Sort();
}

void TStringList::SetCaseSensitive(bool case_sensitive) {
    if (case_sensitive == case_sensitive_)
        return;
    case_sensitive_ = case_sensitive;
    ComparisonChanged();
}

void TStringList::SetUseLocale(bool use_locale) {
    if (use_locale == use_locale_)
        return;
    use_locale_ = use_locale;
    ComparisonChanged();
}

// ---------------------------------------------------------------- text

std::u16string TStringList::Text() const {
    size_t length = 0;
    for (const TItem& item : items_)
        length += item.text.size() + line_break_.size();
    std::u16string text;
    text.reserve(length);
    for (const TItem& item : items_) {
        text += item.text;
        text += line_break_;
    }
    return text;
}

void TStringList::SetTextStr(std::u16string_view text) {
    Clear();
    if (line_break_ != u"\r\n" && !line_break_.empty()) {
        size_t start = 0;
        while (start < text.size()) {
            const size_t end = std::min(text.find(line_break_, start), text.size());
            Add(std::u16string(text.substr(start, end - start)));
            start = end + line_break_.size();
        }
        return;
    }
    size_t p = 0;
    while (p < text.size()) {
        const size_t start = p;
        while (p < text.size() && text[p] != u'\r' && text[p] != u'\n' && text[p] != u'\0')
            ++p;
        Add(std::u16string(text.substr(start, p - start)));
        if (p < text.size() && text[p] == u'\0') {
            ++p;
            continue;
        }
        if (p < text.size() && text[p] == u'\r')
            ++p;
        if (p < text.size() && text[p] == u'\n')
            ++p;
    }
}

void TStringList::LoadFromFile(const std::filesystem::path& file_name) {
    TFileStream file(file_name, fmOpenRead);
    LoadFromStream(file);
}

void TStringList::LoadFromStream(TStream& stream) {
    const int64_t size = std::max<int64_t>(0, stream.Size() - stream.Position());
    std::string bytes(static_cast<size_t>(size), '\0');
    stream.ReadBuffer(bytes.data(), size);
    TTextEncoding found = teUtf8;
    const std::u16string text = DecodeText(bytes, &found);
    encoding_ = found;
    SetTextStr(text);
}

void TStringList::SaveToFile(const std::filesystem::path& file_name) const {
    SaveToFile(file_name, encoding_);
}

void TStringList::SaveToFile(const std::filesystem::path& file_name, TTextEncoding encoding) const {
    TAtomicFileStream file(file_name);
    SaveToStream(file, encoding);
    file.Commit();
}

void TStringList::SaveToStream(TStream& stream) const {
    SaveToStream(stream, encoding_);
}

void TStringList::SaveToStream(TStream& stream, TTextEncoding encoding) const {
    stream.WriteBuffer(EncodeText(Text(), encoding));
}

} // namespace qm7::platform
