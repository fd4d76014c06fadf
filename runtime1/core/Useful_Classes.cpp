#include "runtime1/core/Useful_Classes.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>
#include <map>
#include <optional>
#include <utility>

#include <unicode/ucol.h>
#include <unicode/ustring.h>

#include "platform/codepage.h"
#include "platform/settings.h"
#include "platform/text.h"
#include "runtime1/core/myKpSmall.h"

namespace qm7 {

int32_t global_string_safety_limit = 5000;
uint32_t my_default_sort = 0;

namespace {

using platform::TObject;

constexpr const char* kReadAStringError = "file read error : ReadAString";

// ---- little-endian fields that report, not throw ----

bool ReadBytes(TStream& Stream, void* buffer, int64_t count) {
    return Stream.Read(buffer, count) == count;
}

bool ReadU32(TStream& Stream, uint32_t& value) {
    uint8_t b[4];
    if (!ReadBytes(Stream, b, 4))
        return false;
    value = uint32_t(b[0]) | uint32_t(b[1]) << 8 | uint32_t(b[2]) << 16 | uint32_t(b[3]) << 24;
    return true;
}

bool ReadI32(TStream& Stream, int32_t& value) {
    uint32_t v = 0;
    const bool ok = ReadU32(Stream, v);
    value = int32_t(v);
    return ok;
}

bool ReadI64(TStream& Stream, int64_t& value) {
    uint32_t low = 0, high = 0;
    if (!ReadU32(Stream, low) || !ReadU32(Stream, high))
        return false;
    value = int64_t(uint64_t(high) << 32 | low);
    return true;
}

bool ReadF32(TStream& Stream, float& value) {
    uint32_t v = 0;
    const bool ok = ReadU32(Stream, v);
    value = std::bit_cast<float>(v);
    return ok;
}

void PutU32(std::string& out, uint32_t v) {
    out += char(v & 0xFF);
    out += char((v >> 8) & 0xFF);
    out += char((v >> 16) & 0xFF);
    out += char((v >> 24) & 0xFF);
}

bool WriteBytes(TStream& Stream, const std::string& bytes) {
    return Stream.Write(bytes.data(), int64_t(bytes.size())) == int64_t(bytes.size());
}

bool WriteU32s(TStream& Stream, std::initializer_list<uint32_t> values) {
    std::string bytes;
    for (uint32_t v : values)
        PutU32(bytes, v);
    return WriteBytes(Stream, bytes);
}

int64_t BytesLeft(TStream& Stream) {
    try {
        return std::max<int64_t>(0, Stream.Size() - Stream.Position());
    } catch (const platform::EStreamError&) {
        return -1;
    }
}

// Counted strings inside entries: a string that cannot be read makes the
// entry fail.
bool ReadStringField(TStream& Stream, std::u16string& s) {
    try {
        s = ReadAString(Stream);
        return true;
    } catch (const platform::EStreamError&) {
        return false;
    }
}

template <class T> int Sign3(T a, T b) {
    return (a > b) - (a < b);
}

// Wrapping 32-bit addition, as the stored counts have always behaved.
int32_t AddWrapping(int32_t a, int32_t b) {
    return int32_t(uint32_t(a) + uint32_t(b));
}

std::optional<int32_t> TryReadInteger(std::u16string_view text) {
    const std::u16string s = platform::Trim(text);
    if (s.empty())
        return std::nullopt;
    size_t i = 0;
    bool negative = false;
    if (s[0] == u'+' || s[0] == u'-') {
        negative = s[0] == u'-';
        i = 1;
    }
    if (i == s.size())
        return std::nullopt;
    int64_t value = 0;
    for (; i < s.size(); ++i) {
        if (s[i] < u'0' || s[i] > u'9')
            return std::nullopt;
        value = value * 10 + (s[i] - u'0');
        if (value > int64_t(INT32_MAX) + 1)
            return std::nullopt;
    }
    if (negative)
        value = -value;
    if (value < INT32_MIN || value > INT32_MAX)
        return std::nullopt;
    return int32_t(value);
}

// Binary search over count entries sorted ascending by key; key_cmp(i)
// compares entry i with the value sought. Each probe yields and is kept in
// *probe when asked.
template <class KeyCmp> int BinarySearch(int count, KeyCmp key_cmp, int* probe) {
    int low = 0, high = count - 1;
    while (low <= high) {
        const int middle = low + (high - low) / 2;
        MyYieldProcess();
        if (probe != nullptr)
            *probe = middle;
        const int c = key_cmp(middle);
        if (c == 0)
            return middle;
        if (c < 0)
            low = middle + 1;
        else
            high = middle - 1;
    }
    return -1;
}

template <class KeyCmp> int LinearSearch(int count, KeyCmp key_cmp) {
    for (int i = 0; i < count; ++i) {
        MyYieldProcess();
        if (key_cmp(i) == 0)
            return i;
    }
    return -1;
}

// Where a value not found goes in a sorted list: beside the last probe.
int InsertionPoint(int count, int nearest, bool nearest_not_above) {
    if (nearest < 0 || nearest >= count)
        return count;
    return nearest_not_above ? nearest + 1 : nearest;
}

} // namespace

// ---- counted strings ----

std::u16string ReadAString(TStream& Stream) {
    return ReadAString(Stream, global_string_safety_limit);
}

std::u16string ReadAString(TStream& Stream, int32_t limit) {
    int32_t length = 0;
    if (!ReadI32(Stream, length) || length < 0 || length > limit)
        throw platform::EReadError(kReadAStringError);
    if (length == 0)
        return {};
    const int64_t bytes = int64_t(length) * 2;
    const int64_t left = BytesLeft(Stream);
    if (left >= 0 && bytes > left)
        throw platform::EReadError(kReadAStringError);
    std::string raw(size_t(bytes), '\0');
    if (!ReadBytes(Stream, raw.data(), bytes))
        throw platform::EReadError(kReadAStringError);
    std::u16string s(size_t(length), u'\0');
    for (size_t i = 0; i < s.size(); ++i)
        s[i] = char16_t(uint8_t(raw[2 * i]) | uint8_t(raw[2 * i + 1]) << 8);
    return s;
}

bool WriteAString(TStream& Stream, std::u16string_view s) {
    if (s.size() > size_t(std::max(global_string_safety_limit, 0)))
        return false;
    std::string bytes;
    bytes.reserve(4 + 2 * s.size());
    PutU32(bytes, uint32_t(s.size()));
    for (char16_t c : s) {
        bytes += char(c & 0xFF);
        bytes += char(c >> 8);
    }
    return WriteBytes(Stream, bytes);
}

// ---- holders ----

bool TLongIntHolder::ReadFromStream(TStream& Stream) {
    return ReadI32(Stream, data);
}
bool TLongIntHolder::SaveToStream(TStream& Stream) {
    return WriteU32s(Stream, {uint32_t(data)});
}

bool TCardinalHolder::ReadFromStream(TStream& Stream) {
    return ReadU32(Stream, data);
}
bool TCardinalHolder::SaveToStream(TStream& Stream) {
    return WriteU32s(Stream, {data});
}

bool TSingleHolder::ReadFromStream(TStream& Stream) {
    return ReadF32(Stream, data);
}
bool TSingleHolder::SaveToStream(TStream& Stream) {
    return WriteU32s(Stream, {std::bit_cast<uint32_t>(data)});
}

bool TInt64Holder::ReadFromStream(TStream& Stream) {
    return ReadI64(Stream, data);
}
bool TInt64Holder::SaveToStream(TStream& Stream) {
    const auto v = uint64_t(data);
    return WriteU32s(Stream, {uint32_t(v), uint32_t(v >> 32)});
}

bool TCardinalAndFreqHolder::ReadFromStream(TStream& Stream) {
    return ReadU32(Stream, data.c) && ReadI32(Stream, data.f);
}
bool TCardinalAndFreqHolder::SaveToStream(TStream& Stream) {
    return WriteU32s(Stream, {data.c, uint32_t(data.f)});
}

bool TIntegerAndSingleHolder::ReadFromStream(TStream& Stream) {
    return ReadI32(Stream, data.int_) && ReadF32(Stream, data.s);
}
bool TIntegerAndSingleHolder::SaveToStream(TStream& Stream) {
    return WriteU32s(Stream, {uint32_t(data.int_), std::bit_cast<uint32_t>(data.s)});
}

bool TIntegerAnd3CardinalsHolder::ReadFromStream(TStream& Stream) {
    return ReadI32(Stream, data.freq) && ReadU32(Stream, data.value.card1) &&
           ReadU32(Stream, data.value.card2) && ReadU32(Stream, data.value.card3);
}
bool TIntegerAnd3CardinalsHolder::SaveToStream(TStream& Stream) {
    return WriteU32s(Stream,
                     {uint32_t(data.freq), data.value.card1, data.value.card2, data.value.card3});
}

bool TStringTrueColumnAndColourHolder::ReadFromStream(TStream& Stream) {
    return ReadI32(Stream, data.true_column_number) && ReadI32(Stream, data.background_colour) &&
           ReadStringField(Stream, data.s);
}
bool TStringTrueColumnAndColourHolder::SaveToStream(TStream& Stream) {
    return WriteU32s(Stream,
                     {uint32_t(data.true_column_number), uint32_t(data.background_colour)}) &&
           WriteAString(Stream, data.s);
}

bool T2StringsAnd2IntegersHolder::ReadFromStream(TStream& Stream) {
    return ReadI32(Stream, data.int1) && ReadI32(Stream, data.int2) &&
           ReadStringField(Stream, data.s1) && ReadStringField(Stream, data.s2);
}
bool T2StringsAnd2IntegersHolder::SaveToStream(TStream& Stream) {
    return WriteU32s(Stream, {uint32_t(data.int1), uint32_t(data.int2)}) &&
           WriteAString(Stream, data.s1) && WriteAString(Stream, data.s2);
}

// ---- comparisons ----

int CompareLongints(int32_t a, int32_t b) {
    return Sign3(a, b);
}
int CompareCardinals(uint32_t a, uint32_t b) {
    return Sign3(a, b);
}
int CompareInt64s(int64_t a, int64_t b) {
    return Sign3(a, b);
}
int CompareSingles(float a, float b) {
    const bool nan_a = std::isnan(a), nan_b = std::isnan(b);
    if (nan_a || nan_b)
        return int(nan_a) - int(nan_b);
    return Sign3(a, b);
}
int Compare16BitWords(uint16_t a, uint16_t b) {
    return Sign3(a, b);
}
int CompareChars(char16_t a, char16_t b) {
    return Sign3(a, b);
}
int CompareBytes(uint8_t a, uint8_t b) {
    return Sign3(a, b);
}
int Compare2Strings(std::u16string_view a, std::u16string_view b) {
    const int c = a.compare(b);
    return (c > 0) - (c < 0);
}

namespace {
int CompareDoubles(double a, double b) {
    const bool nan_a = std::isnan(a), nan_b = std::isnan(b);
    if (nan_a || nan_b)
        return int(nan_a) - int(nan_b);
    return Sign3(a, b);
}
} // namespace

int CompareDates(double a, double b) {
    return -CompareDoubles(a, b);
}
int CompareJulianDates(double a, double b) {
    return -CompareDoubles(a, b);
}
int Compare2CardinalsCard1(const Tdouble_cardinal_rec& a, const Tdouble_cardinal_rec& b) {
    return Sign3(a.card1, b.card1);
}
int Compare2CardinalsCard2(const Tdouble_cardinal_rec& a, const Tdouble_cardinal_rec& b) {
    return Sign3(a.card2, b.card2);
}
int CompareIntAnd3CardinalsCard1(const TIntegerAnd3CardinalsRec& a,
                                 const TIntegerAnd3CardinalsRec& b) {
    return Sign3(a.value.card1, b.value.card1);
}
int CompareIntAnd3CardinalsCard2(const TIntegerAnd3CardinalsRec& a,
                                 const TIntegerAnd3CardinalsRec& b) {
    return Sign3(a.value.card2, b.value.card2);
}
int CompareIntAnd3CardinalsCard3(const TIntegerAnd3CardinalsRec& a,
                                 const TIntegerAnd3CardinalsRec& b) {
    return Sign3(a.value.card3, b.value.card3);
}
int CompareIntAnd3CardinalsFreq(const TIntegerAnd3CardinalsRec& a,
                                const TIntegerAnd3CardinalsRec& b) {
    return Sign3(uint32_t(a.freq), uint32_t(b.freq));
}
int CompareIntAnd2CardinalsCard1(const TIntegerAnd2CardinalsRec& a,
                                 const TIntegerAnd2CardinalsRec& b) {
    return Sign3(a.value.card1, b.value.card1);
}
int CompareIntAnd2CardinalsCard2(const TIntegerAnd2CardinalsRec& a,
                                 const TIntegerAnd2CardinalsRec& b) {
    return Sign3(a.value.card2, b.value.card2);
}
int CompareIntAnd2CardinalsFreq(const TIntegerAnd2CardinalsRec& a,
                                const TIntegerAnd2CardinalsRec& b) {
    return Sign3(a.freq, b.freq);
}

int CrudeStringComparison(std::u16string_view a, std::u16string_view b) {
    const size_t n = std::max(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        const int ca = i < a.size() ? a[i] : 0;
        const int cb = i < b.size() ? b[i] : 0;
        if (ca != cb)
            return ca - cb;
    }
    return 0;
}

namespace {

// Windows comparison flags understood here.
constexpr uint32_t kIgnoreCase = 0x1;
constexpr uint32_t kIgnoreNonSpace = 0x2;
constexpr uint32_t kIgnoreSymbols = 0x4;
constexpr uint32_t kDigitsAsNumbers = 0x8;

// One collator per locale and flags, kept for the life of the process.
const UCollator* CollatorFor(uint32_t locale, uint32_t flags) {
    static auto* cache = new std::map<std::pair<uint32_t, uint32_t>, UCollator*>;
    if (locale == 0 || locale == 0x0400 || locale == 0x0800)
        locale = platform::UserLCID();
    const std::string name = platform::IcuLocaleOf(locale);
    if (name.empty())
        return nullptr;
    UCollator*& slot = (*cache)[{locale, flags}];
    if (slot == nullptr) {
        UErrorCode status = U_ZERO_ERROR;
        UCollator* collator = ucol_open(name.c_str(), &status);
        if (U_FAILURE(status) || collator == nullptr)
            return nullptr;
        UColAttributeValue strength = UCOL_TERTIARY;
        if (flags & kIgnoreNonSpace)
            strength = UCOL_PRIMARY;
        else if (flags & kIgnoreCase)
            strength = UCOL_SECONDARY;
        ucol_setStrength(collator, strength);
        if ((flags & kIgnoreNonSpace) && !(flags & kIgnoreCase))
            ucol_setAttribute(collator, UCOL_CASE_LEVEL, UCOL_ON, &status);
        if (flags & kIgnoreSymbols)
            ucol_setAttribute(collator, UCOL_ALTERNATE_HANDLING, UCOL_SHIFTED, &status);
        if (flags & kDigitsAsNumbers)
            ucol_setAttribute(collator, UCOL_NUMERIC_COLLATION, UCOL_ON, &status);
        slot = collator;
    }
    return slot;
}

int CollatorCompare(uint32_t locale, std::u16string_view a, std::u16string_view b) {
    const UCollator* collator = CollatorFor(locale, my_default_sort);
    if (collator == nullptr)
        return -2;
    switch (ucol_strcoll(collator, a.data(), int32_t(a.size()), b.data(), int32_t(b.size()))) {
    case UCOL_LESS:
        return -1;
    case UCOL_EQUAL:
        return 0;
    default:
        return 1;
    }
}

std::u16string_view ViewOf(const char16_t* p) {
    return p == nullptr ? std::u16string_view() : std::u16string_view(p);
}

} // namespace

int ComparePWidechar(uint32_t locale, const char16_t* a, const char16_t* b) {
    return CollatorCompare(locale, ViewOf(a), ViewOf(b));
}

int ComparePAnsichar(uint32_t locale, const char* a, const char* b) {
    const std::u16string wa = platform::SystemAnsiToUnicode(a == nullptr ? "" : a);
    const std::u16string wb = platform::SystemAnsiToUnicode(b == nullptr ? "" : b);
    return CollatorCompare(locale, wa, wb);
}

int LCIDStringComparison(std::u16string_view a, std::u16string_view b, uint32_t locale) {
    if (a.empty() || b.empty())
        return int(!a.empty()) - int(!b.empty());
    // Only the text before a NUL takes part, as with the pointer form.
    const std::u16string_view ta = a.substr(0, a.find(u'\0'));
    const std::u16string_view tb = b.substr(0, b.find(u'\0'));
    return CollatorCompare(locale, ta, tb);
}

// ---- entry comparisons ----

int32_t SortLongints(const void* a, const void* b) {
    return CompareLongints(static_cast<const TLongIntHolder*>(a)->data,
                           static_cast<const TLongIntHolder*>(b)->data);
}
int32_t SortCardinals(const void* a, const void* b) {
    return CompareCardinals(static_cast<const TCardinalHolder*>(a)->data,
                            static_cast<const TCardinalHolder*>(b)->data);
}
int32_t SortInt64s(const void* a, const void* b) {
    return CompareInt64s(static_cast<const TInt64Holder*>(a)->data,
                         static_cast<const TInt64Holder*>(b)->data);
}
int32_t SortSingles(const void* a, const void* b) {
    return CompareSingles(static_cast<const TIntegerAndSingleHolder*>(a)->data.s,
                          static_cast<const TIntegerAndSingleHolder*>(b)->data.s);
}
int32_t SortIntegerAnd3CardinalsFreq(const void* a, const void* b) {
    return CompareIntAnd3CardinalsFreq(static_cast<const TIntegerAnd3CardinalsHolder*>(a)->data,
                                       static_cast<const TIntegerAnd3CardinalsHolder*>(b)->data);
}

namespace {
int32_t SortCardinalAndFreqOnC(const void* a, const void* b) {
    return CompareCardinals(static_cast<const TCardinalAndFreqHolder*>(a)->data.c,
                            static_cast<const TCardinalAndFreqHolder*>(b)->data.c);
}
int32_t SortCardinalAndFreqOnF(const void* a, const void* b) {
    return CompareLongints(static_cast<const TCardinalAndFreqHolder*>(a)->data.f,
                           static_cast<const TCardinalAndFreqHolder*>(b)->data.f);
}
int32_t SortCardinalAndFreqOnFDescending(const void* a, const void* b) {
    return -SortCardinalAndFreqOnF(a, b);
}
int32_t SortWordFreqOnF(const void* a, const void* b) {
    return CompareLongints(static_cast<const TWordFreqAndSourceNumHolder*>(a)->data.f,
                           static_cast<const TWordFreqAndSourceNumHolder*>(b)->data.f);
}
} // namespace

// ---- exchanges ----

void ExchangeTwoDoubleCardinalRecs(Tdouble_cardinal_rec& a, Tdouble_cardinal_rec& b) {
    std::swap(a, b);
}
void ExchangeTwoDoubleLongintRecs(T2_longint_rec& a, T2_longint_rec& b) {
    std::swap(a, b);
}
void ExchangeTwoSmallAndLongRecs(TSmall_and_long_rec& a, TSmall_and_long_rec& b) {
    std::swap(a, b);
}
void ExchangeTwoPointerAnd2CardinalsRecs(TPointerAnd2CardinalsRec& a, TPointerAnd2CardinalsRec& b) {
    std::swap(a, b);
}
void ExchangeTwoIndexAndPointerRecs(TIndexAndPointerRec& a, TIndexAndPointerRec& b) {
    std::swap(a, b);
}

std::vector<int64_t> ComputedByteDivisions(int32_t n, int64_t total) {
    std::vector<int64_t> result;
    if (n <= 0)
        return result;
    result.reserve(size_t(n));
    for (int32_t i = 0; i < n; ++i) {
        const __int128 numerator = __int128(i + 1) * total;
        __int128 q = numerator / n, r = numerator % n;
        if (r < 0) { // floor division
            q -= 1;
            r += n;
        }
        if (2 * r > n || (2 * r == n && (q & 1) != 0))
            q += 1;
        result.push_back(int64_t(q));
    }
    return result;
}

// ---- TQMLongintList ----

namespace {
template <class H> H* HolderAt(const TUsefulBaseList& list, int index) {
    return static_cast<H*>(list.Items(index));
}
} // namespace

TQMLongintList::TQMLongintList()
    : TUsefulBaseListSorts(TUsefulBaseListObjectClass::Of<TLongIntHolder>()) {}

TCompareFunct TQMLongintList::KeyCompare() const {
    return &SortLongints;
}

int32_t TQMLongintList::GetAValue(int index) const {
    const auto* h = HolderAt<TLongIntHolder>(*this, index);
    return h ? h->data : -1;
}

int TQMLongintList::Find(int32_t x) {
    nearest = -1;
    const auto cmp = [&](int i) { return CompareLongints(GetAValue(i), x); };
    return sorted ? BinarySearch(Count(), cmp, &nearest) : LinearSearch(Count(), cmp);
}

int TQMLongintList::IndexOf(int32_t x) {
    return Find(x);
}

int TQMLongintList::AddOne(int32_t x) {
    auto entry = std::make_unique<TLongIntHolder>(x);
    if (!sorted)
        return AddEntry(std::move(entry));
    int at = Find(x);
    if (at < 0)
        at = InsertionPoint(Count(), nearest, nearest >= 0 && GetAValue(nearest) <= x);
    InsertEntry(at, std::move(entry));
    return at;
}

bool TQMLongintList::InsertOne(int where, int32_t x) {
    if (where < 0 || where > Count())
        return false;
    InsertEntry(where, std::make_unique<TLongIntHolder>(x));
    sorted = false;
    return true;
}

int TQMLongintList::FindAndFree(int32_t x) {
    const int index = Find(x);
    if (index >= 0)
        Delete(index);
    return index;
}

int TQMLongintList::ComparedValues(int index1, int index2) const {
    if (!IndexAssignedOK(index1) || !IndexAssignedOK(index2))
        return -1;
    return CompareLongints(GetAValue(index1), GetAValue(index2));
}

void TQMLongintList::SortAscendingDefault() {
    Sort(&SortLongints);
}

// ---- TQMActiveLongintList ----

int TQMActiveLongintList::AddOneAndSetCountCurrent(int32_t x) {
    const int index = AddOne(x);
    fcurrentItem = Count() - 1;
    return index;
}

int32_t TQMActiveLongintList::CurrentItemValue() const {
    return IndexAssignedOK(fcurrentItem) ? GetAValue(fcurrentItem) : -1;
}

void TQMActiveLongintList::Clear() {
    TQMLongintList::Clear();
    fcurrentItem = -1;
}

int TQMActiveLongintList::FindAndFree(int32_t x) {
    const int index = TQMLongintList::FindAndFree(x);
    if (index < 0)
        return index;
    if (index < fcurrentItem)
        --fcurrentItem; // the same value, one place nearer the start
    else if (index == fcurrentItem)
        fcurrentItem = fcurrentItem <= 0 ? Count() - 1 : fcurrentItem - 1;
    return index;
}

// ---- TCardinalList ----

TCardinalList::TCardinalList()
    : TUsefulBaseListSorts(TUsefulBaseListObjectClass::Of<TCardinalHolder>()) {}

TCompareFunct TCardinalList::KeyCompare() const {
    return &SortCardinals;
}

uint32_t TCardinalList::GetAValue(int index) const {
    const auto* h = HolderAt<TCardinalHolder>(*this, index);
    return h ? h->data : 0;
}

int TCardinalList::AddOne(uint32_t x) {
    sorted = false;
    return AddEntry(std::make_unique<TCardinalHolder>(x));
}

bool TCardinalList::InsertOne(int where, uint32_t x) {
    if (where < 0 || where > Count())
        return false;
    InsertEntry(where, std::make_unique<TCardinalHolder>(x));
    sorted = false;
    return true;
}

int TCardinalList::Find(uint32_t x) {
    const auto cmp = [&](int i) { return CompareCardinals(GetAValue(i), x); };
    return sorted ? BinarySearch(Count(), cmp, nullptr) : LinearSearch(Count(), cmp);
}

int TCardinalList::IndexOf(uint32_t x) {
    return Find(x);
}

int TCardinalList::ComparedValues(int index1, int index2) const {
    if (!IndexAssignedOK(index1) || !IndexAssignedOK(index2))
        return -1;
    return CompareCardinals(GetAValue(index1), GetAValue(index2));
}

void TCardinalList::SortAscendingDefault() {
    Sort(&SortCardinals);
}

// ---- TQMInt64List ----

TQMInt64List::TQMInt64List()
    : TUsefulBaseListSorts(TUsefulBaseListObjectClass::Of<TInt64Holder>()) {}

TCompareFunct TQMInt64List::KeyCompare() const {
    return &SortInt64s;
}

int64_t TQMInt64List::GetAValue(int index) const {
    const auto* h = HolderAt<TInt64Holder>(*this, index);
    return h ? h->data : -1;
}

int TQMInt64List::FindInSorted(int64_t x) {
    nearest = -1;
    const auto cmp = [&](int i) { return CompareInt64s(GetAValue(i), x); };
    return sorted ? BinarySearch(Count(), cmp, &nearest) : LinearSearch(Count(), cmp);
}

int TQMInt64List::IndexOf(int64_t x) {
    return FindInSorted(x);
}

int TQMInt64List::AddOne(int64_t x) {
    auto entry = std::make_unique<TInt64Holder>(x);
    if (!sorted)
        return AddEntry(std::move(entry));
    int at = FindInSorted(x);
    if (at < 0)
        at = InsertionPoint(Count(), nearest, nearest >= 0 && GetAValue(nearest) <= x);
    InsertEntry(at, std::move(entry));
    return at;
}

int TQMInt64List::ComparedValues(int index1, int index2) const {
    if (!IndexAssignedOK(index1) || !IndexAssignedOK(index2))
        return -1;
    return CompareInt64s(GetAValue(index1), GetAValue(index2));
}

void TQMInt64List::SortAscendingDefault() {
    Sort(&SortInt64s);
}

// ---- TCardinalAndFreqList ----

TCardinalAndFreqList::TCardinalAndFreqList()
    : TUsefulBaseListSorts(TUsefulBaseListObjectClass::Of<TCardinalAndFreqHolder>()) {}

TCompareFunct TCardinalAndFreqList::KeyCompare() const {
    return &SortCardinalAndFreqOnC;
}

TCardinalAndFreq TCardinalAndFreqList::GetACardAndFreq(int index) const {
    const auto* h = HolderAt<TCardinalAndFreqHolder>(*this, index);
    return h ? h->data : TCardinalAndFreq{};
}

bool TCardinalAndFreqList::SetACardAndFreq(int index, const TCardinalAndFreq& rec) {
    auto* h = HolderAt<TCardinalAndFreqHolder>(*this, index);
    if (h == nullptr)
        return false;
    if (h->data.c != rec.c)
        sorted = false;
    h->data = rec;
    return true;
}

int TCardinalAndFreqList::Find(uint32_t c) {
    nearest = Count() - 1;
    const auto cmp = [&](int i) { return CompareCardinals(GetACardAndFreq(i).c, c); };
    return sorted ? BinarySearch(Count(), cmp, &nearest) : LinearSearch(Count(), cmp);
}

int TCardinalAndFreqList::IndexOf(uint32_t c) {
    return Find(c);
}

int TCardinalAndFreqList::AddOneOrIncFreq(const TCardinalAndFreq& rec) {
    const int found = Find(rec.c);
    if (found >= 0) {
        auto* h = HolderAt<TCardinalAndFreqHolder>(*this, found);
        h->data.f = AddWrapping(h->data.f, 1);
        return found;
    }
    auto entry = std::make_unique<TCardinalAndFreqHolder>(rec);
    if (!sorted)
        return AddEntry(std::move(entry));
    const int at =
        InsertionPoint(Count(), nearest, nearest >= 0 && GetACardAndFreq(nearest).c <= rec.c);
    InsertEntry(at, std::move(entry));
    return at;
}

void TCardinalAndFreqList::SortOnCardinals() {
    Sort(&SortCardinalAndFreqOnC);
}

void TCardinalAndFreqList::SortOnFrequencies(bool descending) {
    Sort(descending ? &SortCardinalAndFreqOnFDescending : &SortCardinalAndFreqOnF);
}

// ---- TIntegerAndSingleList ----

TIntegerAndSingleList::TIntegerAndSingleList()
    : TUsefulBaseListSorts(TUsefulBaseListObjectClass::Of<TIntegerAndSingleHolder>()) {}

TCompareFunct TIntegerAndSingleList::KeyCompare() const {
    return &SortSingles;
}

int TIntegerAndSingleList::AddOne(const TIntegerAndSingleRec& rec) {
    sorted = false;
    return AddEntry(std::make_unique<TIntegerAndSingleHolder>(rec));
}

TIntegerAndSingleRec TIntegerAndSingleList::GetOne(int index) const {
    const auto* h = HolderAt<TIntegerAndSingleHolder>(*this, index);
    return h ? h->data : TIntegerAndSingleRec{};
}

int TIntegerAndSingleList::Find(float s) {
    const auto cmp = [&](int i) { return CompareSingles(GetOne(i).s, s); };
    return sorted ? BinarySearch(Count(), cmp, nullptr) : LinearSearch(Count(), cmp);
}

void TIntegerAndSingleList::SortAscendingDefault() {
    Sort(&SortSingles);
}

// ---- TWordFreqAndSourceNumList ----

TWordFreqAndSourceNumList::TWordFreqAndSourceNumList()
    : TUsefulBaseListSorts(TUsefulBaseListObjectClass::Of<TWordFreqAndSourceNumHolder>()) {}

int TWordFreqAndSourceNumList::AddOne(const TWordFreqAndSourceNum& rec) {
    sorted = false;
    return AddEntry(std::make_unique<TWordFreqAndSourceNumHolder>(rec));
}

TWordFreqAndSourceNum TWordFreqAndSourceNumList::GetOne(int index) const {
    const auto* h = HolderAt<TWordFreqAndSourceNumHolder>(*this, index);
    return h ? h->data : TWordFreqAndSourceNum{};
}

TWordFreqAndSourceNum TWordFreqAndSourceNumList::GetNext() {
    TWordFreqAndSourceNum rec = GetOne(this_);
    if (this_ < INT32_MAX)
        ++this_;
    return rec;
}

int32_t TWordFreqAndSourceNumList::HighestFrequency() const {
    int32_t highest = 0;
    for (int i = 0; i < Count(); ++i)
        highest = i == 0 ? GetOne(i).f : std::max(highest, GetOne(i).f);
    return highest;
}

void TWordFreqAndSourceNumList::SortOnFreqs() {
    Sort(&SortWordFreqOnF);
}

void TWordFreqAndSourceNumList::Clear() {
    TUsefulBaseListSorts::Clear();
    this_ = 0;
}

// ---- tuple lists ----

namespace {

int32_t* FieldOf(T2_longint_rec& r, int k) {
    switch (k) {
    case 0:
        return &r.long0;
    case 1:
        return &r.long1;
    default:
        return nullptr;
    }
}
int32_t* FieldOf(T3_longint_rec& r, int k) {
    switch (k) {
    case 0:
        return &r.long0;
    case 1:
        return &r.long1;
    case 2:
        return &r.long2;
    default:
        return nullptr;
    }
}
int32_t* FieldOf(T4_longint_rec& r, int k) {
    switch (k) {
    case 0:
        return &r.long0;
    case 1:
        return &r.long1;
    case 2:
        return &r.long2;
    case 3:
        return &r.long3;
    default:
        return nullptr;
    }
}
template <class Rec> int32_t FieldValue(Rec r, int k) {
    const int32_t* p = FieldOf(r, k);
    return p ? *p : 0;
}

template <class Rec> constexpr int kFieldsOf = 0;
template <> constexpr int kFieldsOf<T2_longint_rec> = 2;
template <> constexpr int kFieldsOf<T3_longint_rec> = 3;
template <> constexpr int kFieldsOf<T4_longint_rec> = 4;

// The tuple lists share their work through these, on holders H of records
// Rec.
template <class H> struct TTuple {
    using Rec = decltype(H::data);
    static constexpr int kFields = kFieldsOf<Rec>;

    static Rec Get(const TUsefulBaseList& list, int index) {
        const H* h = HolderAt<H>(list, index);
        if (h)
            return h->data;
        Rec none;
        for (int k = 0; k < kFields; ++k)
            *FieldOf(none, k) = -1;
        return none;
    }
    static bool Set(TUsefulBaseList& list, int index, const Rec& rec) {
        H* h = HolderAt<H>(list, index);
        if (h == nullptr)
            return false;
        h->data = rec;
        return true;
    }
    static void AddTo(TUsefulBaseList& list, int index, int32_t amount, int field) {
        H* h = HolderAt<H>(list, index);
        if (h == nullptr || field < 0 || field >= kFields)
            return;
        int32_t* f = FieldOf(h->data, field);
        *f = AddWrapping(*f, amount);
    }
    static int LongIndexOf(const TUsefulBaseList& list, int32_t value, int field) {
        if (field < 0 || field >= kFields)
            return -1;
        for (int i = 0; i < list.Count(); ++i)
            if (HolderAt<H>(list, i) && FieldValue(Get(list, i), field) == value)
                return i;
        return -1;
    }
};

} // namespace

namespace {

// Remove repeats, keeping the first occurrence of each field.
std::vector<int> WithoutRepeats(std::initializer_list<int> fields) {
    std::vector<int> keys;
    for (int f : fields)
        if (std::find(keys.begin(), keys.end(), f) == keys.end())
            keys.push_back(f);
    return keys;
}

template <class H> bool KeysValid(const std::vector<int>& keys) {
    for (int k : keys)
        if (k < 0 || k >= TTuple<H>::kFields)
            return false;
    return true;
}

} // namespace

// The comparison used by the tuple sorts; the keys are passed through this
// thread-local slot because TCompareFunct is a plain function.
namespace {
thread_local const std::vector<int>* tuple_sort_keys = nullptr;

template <class H> int32_t CompareTuples(const void* a, const void* b) {
    const auto& ra = static_cast<const H*>(a)->data;
    const auto& rb = static_cast<const H*>(b)->data;
    for (int k : *tuple_sort_keys) {
        const int c = CompareLongints(FieldValue(ra, k), FieldValue(rb, k));
        if (c != 0)
            return c;
    }
    return 0;
}

// Runs Sort of the list with the tuple comparison over keys; the list is not
// searched by a key, so it does not count as sorted afterwards.
template <class H, class L> void SortTuples(L& list, const std::vector<int>& keys) {
    if (keys.empty() || !KeysValid<H>(keys))
        return;
    const std::vector<int>* saved = tuple_sort_keys;
    tuple_sort_keys = &keys;
    try {
        list.Sort(&CompareTuples<H>);
    } catch (...) {
        tuple_sort_keys = saved;
        throw;
    }
    tuple_sort_keys = saved;
}

} // namespace

T2LongintList::T2LongintList()
    : TUsefulBaseListSorts(TUsefulBaseListObjectClass::Of<T2LongIntHolder>()) {}

int T2LongintList::AddOne(const T2_longint_rec& rec) {
    sorted = false;
    return AddEntry(std::make_unique<T2LongIntHolder>(rec));
}
T2_longint_rec T2LongintList::GetADouble(int index) const {
    return TTuple<T2LongIntHolder>::Get(*this, index);
}
bool T2LongintList::SetADouble(int index, const T2_longint_rec& rec) {
    return TTuple<T2LongIntHolder>::Set(*this, index, rec);
}
void T2LongintList::AddToOneFreq(int index, int32_t amount, T2LongintSort field) {
    TTuple<T2LongIntHolder>::AddTo(*this, index, amount, field);
}
void T2LongintList::IncOne(int index, T2LongintSort field) {
    AddToOneFreq(index, 1, field);
}
int T2LongintList::LongIndexOf(int32_t value, T2LongintSort field) const {
    return TTuple<T2LongIntHolder>::LongIndexOf(*this, value, field);
}
void T2LongintList::SortDefault(T2LongintSort field) {
    SortTuples<T2LongIntHolder>(*this, {field});
}
void T2LongintList::DoubleSort(T2LongintSort first, T2LongintSort second) {
    SortTuples<T2LongIntHolder>(*this, WithoutRepeats({first, second}));
}
int64_t T2LongintList::TotalOf(T2LongintSort field) const {
    if (field > t2_long1)
        return 0;
    int64_t total = 0;
    for (int i = 0; i < Count(); ++i)
        if (IndexAssignedOK(i))
            total += FieldValue(GetADouble(i), field);
    return total;
}

T3LongintList::T3LongintList()
    : TUsefulBaseListSorts(TUsefulBaseListObjectClass::Of<T3LongIntHolder>()) {}

int T3LongintList::AddOne(const T3_longint_rec& rec) {
    sorted = false;
    return AddEntry(std::make_unique<T3LongIntHolder>(rec));
}
T3_longint_rec T3LongintList::GetATriple(int index) const {
    return TTuple<T3LongIntHolder>::Get(*this, index);
}
bool T3LongintList::SetATriple(int index, const T3_longint_rec& rec) {
    return TTuple<T3LongIntHolder>::Set(*this, index, rec);
}
void T3LongintList::AddToOneFreq(int index, int32_t amount, T3LongintSort field) {
    TTuple<T3LongIntHolder>::AddTo(*this, index, amount, field);
}
void T3LongintList::IncOne(int index, T3LongintSort field) {
    AddToOneFreq(index, 1, field);
}
int T3LongintList::LongIndexOf(int32_t value, T3LongintSort field) const {
    return TTuple<T3LongIntHolder>::LongIndexOf(*this, value, field);
}
void T3LongintList::SortDefault(T3LongintSort field) {
    SortTuples<T3LongIntHolder>(*this, {field});
}
void T3LongintList::DoubleSort(T3LongintSort first, T3LongintSort second) {
    SortTuples<T3LongIntHolder>(*this, WithoutRepeats({first, second}));
}
void T3LongintList::TripleSort(T3LongintSort first, T3LongintSort second, T3LongintSort third) {
    if (first == second)
        return; // this list has always left its order alone here
    SortTuples<T3LongIntHolder>(*this, WithoutRepeats({first, second, third}));
}

T4LongintList::T4LongintList()
    : TUsefulBaseListSorts(TUsefulBaseListObjectClass::Of<T4LongIntHolder>()) {}

int T4LongintList::AddOne(const T4_longint_rec& rec) {
    sorted = false;
    return AddEntry(std::make_unique<T4LongIntHolder>(rec));
}
T4_longint_rec T4LongintList::GetAQuad(int index) const {
    return TTuple<T4LongIntHolder>::Get(*this, index);
}
bool T4LongintList::SetAQuad(int index, const T4_longint_rec& rec) {
    return TTuple<T4LongIntHolder>::Set(*this, index, rec);
}
void T4LongintList::AddToOneFreq(int index, int32_t amount, T4LongintSort field) {
    TTuple<T4LongIntHolder>::AddTo(*this, index, amount, field);
}
void T4LongintList::IncOne(int index, T4LongintSort field) {
    AddToOneFreq(index, 1, field);
}
int T4LongintList::LongIndexOf(int32_t value, T4LongintSort field) const {
    return TTuple<T4LongIntHolder>::LongIndexOf(*this, value, field);
}
void T4LongintList::SortDefault(T4LongintSort field) {
    SortTuples<T4LongIntHolder>(*this, {field});
}
void T4LongintList::DoubleSort(T4LongintSort first, T4LongintSort second) {
    SortTuples<T4LongIntHolder>(*this, WithoutRepeats({first, second}));
}
void T4LongintList::TripleSort(T4LongintSort first, T4LongintSort second, T4LongintSort third) {
    SortTuples<T4LongIntHolder>(*this, WithoutRepeats({first, second, third}));
}

// ---- lists without a sorted flag ----

TIntegerAnd3CardinalsList::TIntegerAnd3CardinalsList()
    : TUsefulBaseList(TUsefulBaseListObjectClass::Of<TIntegerAnd3CardinalsHolder>()) {}

int TIntegerAnd3CardinalsList::AddOne(const TIntegerAnd3CardinalsRec& rec) {
    return AddEntry(std::make_unique<TIntegerAnd3CardinalsHolder>(rec));
}
bool TIntegerAnd3CardinalsList::GetAValue(int index, TIntegerAnd3CardinalsRec& rec) const {
    const auto* h = HolderAt<TIntegerAnd3CardinalsHolder>(*this, index);
    if (h == nullptr)
        return false;
    rec = h->data;
    return true;
}
bool TIntegerAnd3CardinalsList::SetAFreq(int index, int32_t value) {
    auto* h = HolderAt<TIntegerAnd3CardinalsHolder>(*this, index);
    if (h == nullptr)
        return false;
    h->data.freq = value;
    return true;
}
void TIntegerAnd3CardinalsList::SortAscendingDefault() {
    SortEntries(&SortIntegerAnd3CardinalsFreq);
}

TDoublePointerList::TDoublePointerList()
    : TUsefulBaseList(TUsefulBaseListObjectClass::Of<TDoublePointerHolder>()) {}

int TDoublePointerList::AddOne(const T2_Pointer& rec) {
    return AddEntry(std::make_unique<TDoublePointerHolder>(rec));
}
bool TDoublePointerList::GetADoublePointer(int index, T2_Pointer& rec) const {
    const auto* h = HolderAt<TDoublePointerHolder>(*this, index);
    if (h == nullptr)
        return false;
    rec = h->data;
    return true;
}
bool TDoublePointerList::SetADoublePointer(int index, const T2_Pointer& rec) {
    auto* h = HolderAt<TDoublePointerHolder>(*this, index);
    if (h == nullptr)
        return false;
    h->data = rec;
    return true;
}

TStringColumnAndColourList::TStringColumnAndColourList()
    : TUsefulBaseList(TUsefulBaseListObjectClass::Of<TStringTrueColumnAndColourHolder>()) {}

int TStringColumnAndColourList::AddOne(const TStringTrueColumnAndColourRec& rec) {
    return AddEntry(std::make_unique<TStringTrueColumnAndColourHolder>(rec));
}
std::u16string TStringColumnAndColourList::GetAString(int index) const {
    const auto* h = HolderAt<TStringTrueColumnAndColourHolder>(*this, index);
    return h ? h->data.s : std::u16string();
}
int32_t TStringColumnAndColourList::GetATrueColumn(int index) const {
    const auto* h = HolderAt<TStringTrueColumnAndColourHolder>(*this, index);
    return h ? h->data.true_column_number : -1;
}
int32_t TStringColumnAndColourList::GetABackgroundColour(int index) const {
    const auto* h = HolderAt<TStringTrueColumnAndColourHolder>(*this, index);
    return h ? h->data.background_colour : -1;
}
TStringTrueColumnAndColourRec
TStringColumnAndColourList::GetAStringColumnAndColour(int index) const {
    const auto* h = HolderAt<TStringTrueColumnAndColourHolder>(*this, index);
    return h ? h->data : TStringTrueColumnAndColourRec{};
}
bool TStringColumnAndColourList::SetAString(int index, const std::u16string& s) {
    auto* h = HolderAt<TStringTrueColumnAndColourHolder>(*this, index);
    if (h == nullptr)
        return false;
    h->data.s = s;
    return true;
}
bool TStringColumnAndColourList::SetATrueColumn(int index, int32_t column) {
    auto* h = HolderAt<TStringTrueColumnAndColourHolder>(*this, index);
    if (h == nullptr)
        return false;
    h->data.true_column_number = column;
    return true;
}
bool TStringColumnAndColourList::SetABackgroundColour(int index, int32_t colour) {
    auto* h = HolderAt<TStringTrueColumnAndColourHolder>(*this, index);
    if (h == nullptr)
        return false;
    h->data.background_colour = colour;
    return true;
}
bool TStringColumnAndColourList::SetAStringColumnAndColour(
    int index, const TStringTrueColumnAndColourRec& rec) {
    auto* h = HolderAt<TStringTrueColumnAndColourHolder>(*this, index);
    if (h == nullptr)
        return false;
    h->data = rec;
    return true;
}
int TStringColumnAndColourList::IndexOfTrueColumn(int32_t column) const {
    for (int i = 0; i < Count(); ++i)
        if (IndexAssignedOK(i) && GetATrueColumn(i) == column)
            return i;
    return -1;
}

T2StringsAnd2IntegersList::T2StringsAnd2IntegersList()
    : TUsefulBaseList(TUsefulBaseListObjectClass::Of<T2StringsAnd2IntegersHolder>()) {}

int T2StringsAnd2IntegersList::AddOne(const T2StringsAnd2IntegersRec& rec) {
    return AddEntry(std::make_unique<T2StringsAnd2IntegersHolder>(rec));
}
T2StringsAnd2IntegersRec T2StringsAnd2IntegersList::GetTwoStringsAndInt(int index) const {
    const auto* h = HolderAt<T2StringsAnd2IntegersHolder>(*this, index);
    return h ? h->data : T2StringsAnd2IntegersRec{};
}

// ---- TSmallintList ----

TSmallintList::TSmallintList() {
    OwnObjects<TSmallIntHolder>();
}

int TSmallintList::AddOne(int16_t value) {
    auto holder = std::make_unique<TSmallIntHolder>(value);
    const int index = Add(holder.get());
    holder.release();
    return index;
}

int16_t TSmallintList::GetOne(int index) const {
    if (index < 0 || index >= Count())
        return 0;
    const auto* h = static_cast<const TSmallIntHolder*>(Items(index));
    return h ? h->int_ : 0;
}

void TSmallintList::Clear() {
    TList::Clear();
}

bool TSmallintList::ReadFromStream(int32_t n, TStream& Stream) {
    if (n < 0)
        return false;
    const int64_t left = BytesLeft(Stream);
    if (left >= 0 && int64_t(n) * 2 > left)
        return false;
    try {
        for (int32_t i = 0; i < n; ++i) {
            MyYieldProcess();
            uint8_t b[2];
            if (!ReadBytes(Stream, b, 2))
                return false;
            AddOne(int16_t(uint16_t(b[0] | b[1] << 8)));
        }
    } catch (const std::exception&) {
        return false;
    }
    return true;
}

bool TSmallintList::SaveToStream(TStream& Stream) {
    try {
        for (int i = 0; i < Count(); ++i) {
            MyYieldProcess();
            const auto v = uint16_t(GetOne(i));
            const uint8_t b[2] = {uint8_t(v), uint8_t(v >> 8)};
            if (Stream.Write(b, 2) != 2)
                return false;
        }
    } catch (const std::exception&) {
        return false;
    }
    return true;
}

// ---- search-word markers ----

TMySearchFlags FlagsFromSW(std::u16string& sw) {
    TMySearchFlags flags{myLeftBounded, myRightBounded};
    // Spaces and tabs around an alternative (split at " / ") do not hide its
    // markers.
    const size_t first = sw.find_first_not_of(u" \t");
    sw.erase(0, first == std::u16string::npos ? sw.size() : first);
    sw.erase(sw.find_last_not_of(u" \t") + 1);
    if (sw.empty())
        return flags;
    switch (sw.front()) {
    case u'*':
        sw.erase(0, 1);
        flags.Exclude(myLeftBounded);
        break;
    case u'=':
        // Two pairs that do not overlap: "==" alone is not marked.
        if (sw.size() >= 4 && sw.starts_with(u"==") && sw.ends_with(u"==")) {
            sw = sw.substr(2, sw.size() - 4);
            flags.Include(myCaseIsSensitive);
        }
        break;
    case u'~':
        sw.erase(0, 1);
        flags.Include(mySW_To_Avoid);
        break;
    default:
        break;
    }
    if (!sw.empty() && sw.back() == u'*') {
        sw.pop_back();
        flags.Exclude(myRightBounded);
    }
    return flags;
}

std::u16string SWStringPlusFlags(std::u16string_view sw, TMySearchFlags flags) {
    std::u16string s;
    if (!flags.Contains(myLeftBounded))
        s += u'*';
    s += sw;
    if (!flags.Contains(myRightBounded))
        s += u'*';
    if (flags.Contains(myCaseIsSensitive))
        s = u"==" + s + u"==";
    return s;
}

TSimpleSearchSettings DefaultSimpleSearchSettings() {
    return {1000, 200};
}

std::u16string KeyOfKeyPlusValue(std::u16string_view s) {
    const size_t eq = s.find(u'=');
    return eq == std::u16string_view::npos ? std::u16string() : platform::Trim(s.substr(0, eq));
}

int32_t ValueOfKeyPlusValue(std::u16string_view s) {
    const size_t eq = s.find(u'=');
    if (eq == std::u16string_view::npos)
        return 0;
    return TryReadInteger(s.substr(eq + 1)).value_or(0);
}

int StringListCompareDescFreq(const platform::TStringList& list, int index1, int index2) {
    const int c = Sign3(list.Integers(index2), list.Integers(index1));
    return c != 0 ? c : Compare2Strings(list.Strings(index1), list.Strings(index2));
}

// ---- string lists ----

namespace {

void OwnTObjects(platform::TStringList& list) {
    list.SetOwnsObjects([](void* p) { delete static_cast<TObject*>(p); });
}

// Attaches obj to a new entry for S; an object the list did not store (an
// ignored duplicate) is freed here.
template <class T>
int AddAttached(platform::TStringList& list, std::u16string S, std::unique_ptr<T> obj) {
    TObject* raw = obj.get();
    const int index = list.AddObject(std::move(S), raw);
    if (index >= 0 && list.Objects(index) == raw)
        obj.release();
    return index;
}

template <class T> T* AttachedAs(const platform::TStringList& list, int index) {
    if (index < 0 || index >= list.Count())
        return nullptr;
    return dynamic_cast<T*>(static_cast<TObject*>(list.Objects(index)));
}

} // namespace

void TIndexCheckStringlist::ReverseTheSort() {
    for (int i = 0; i < Count() - 1 - i; ++i)
        Exchange(i, Count() - 1 - i);
}

TStringListWithALongint::TStringListWithALongint() {
    OwnTObjects(*this);
}

int TStringListWithALongint::AddOne(std::u16string S, int32_t m) {
    return AddAttached(*this, std::move(S), std::make_unique<TLongIntHolder>(m));
}

int32_t TStringListWithALongint::GetOne(int index) const {
    const auto* h = AttachedAs<TLongIntHolder>(*this, index);
    return h ? h->data : 0;
}

bool TStringListWithALongint::SetOne(int index, int32_t value) {
    auto* h = AttachedAs<TLongIntHolder>(*this, index);
    if (h == nullptr)
        return false;
    h->data = value;
    return true;
}

int32_t TStringListWithALongint::HighestFrequency() const {
    int32_t highest = 0;
    for (int i = 0; i < Count(); ++i)
        highest = std::max(highest, GetOne(i));
    return highest;
}

void TStringListWithALongint::SortOnFreq() {
    CustomSort([](const platform::TStringList& list, int a, int b) {
        const auto& self = static_cast<const TStringListWithALongint&>(list);
        return CompareLongints(self.GetOne(b), self.GetOne(a));
    });
}

void TStringListWithALongint::SetTextStr(std::u16string_view text) {
    Clear();
    std::vector<std::u16string_view> lines;
    const std::u16string& brk = LineBreak();
    if (brk == u"\r\n") {
        size_t start = 0;
        while (start < text.size()) {
            size_t end = start;
            while (end < text.size() && text[end] != u'\r' && text[end] != u'\n')
                ++end;
            lines.push_back(text.substr(start, end - start));
            if (end < text.size() && text[end] == u'\r' && end + 1 < text.size() &&
                text[end + 1] == u'\n')
                ++end;
            start = end + 1;
        }
    } else if (!brk.empty()) {
        size_t start = 0;
        while (start < text.size()) {
            size_t end = text.find(brk, start);
            if (end == std::u16string_view::npos)
                end = text.size();
            lines.push_back(text.substr(start, end - start));
            start = end + brk.size();
        }
    } else if (!text.empty()) {
        lines.push_back(text);
    }
    for (std::u16string_view line : lines) {
        MyYieldProcess();
        const size_t tab = line.find(u'\t');
        if (tab != std::u16string_view::npos && tab >= 1) {
            if (const auto value = TryReadInteger(line.substr(tab + 1))) {
                AddOne(std::u16string(line.substr(0, tab)), *value);
                continue;
            }
        }
        AddOne(std::u16string(line), -1);
    }
}

TStringListWithASingle::TStringListWithASingle() {
    OwnTObjects(*this);
}

int TStringListWithASingle::AddOne(std::u16string S, float m) {
    return AddAttached(*this, std::move(S), std::make_unique<TSingleHolder>(m));
}

float TStringListWithASingle::GetOne(int index) const {
    const auto* h = AttachedAs<TSingleHolder>(*this, index);
    return h ? h->data : 0.0f;
}

bool TStringListWithASingle::SetOne(int index, float value) {
    auto* h = AttachedAs<TSingleHolder>(*this, index);
    if (h == nullptr)
        return false;
    h->data = value;
    return true;
}

void TStringListWithASingle::SortOnFreq() {
    CustomSort([](const platform::TStringList& list, int a, int b) {
        const auto& self = static_cast<const TStringListWithASingle&>(list);
        return CompareSingles(self.GetOne(b), self.GetOne(a));
    });
}

TStringListWithIntAndSingle::TStringListWithIntAndSingle() {
    OwnTObjects(*this);
}

int TStringListWithIntAndSingle::AddOne(std::u16string S, const TIntegerAndSingleRec& m) {
    return AddAttached(*this, std::move(S), std::make_unique<TIntegerAndSingleHolder>(m));
}

TIntegerAndSingleRec TStringListWithIntAndSingle::GetOne(int index) const {
    const auto* h = AttachedAs<TIntegerAndSingleHolder>(*this, index);
    return h ? h->data : TIntegerAndSingleRec{};
}

bool TStringListWithIntAndSingle::SetOne(int index, const TIntegerAndSingleRec& value) {
    auto* h = AttachedAs<TIntegerAndSingleHolder>(*this, index);
    if (h == nullptr)
        return false;
    h->data = value;
    return true;
}

void TStringListWithIntAndSingle::SortOnInt(bool ascending) {
    CustomSort([ascending](const platform::TStringList& list, int a, int b) {
        const auto& self = static_cast<const TStringListWithIntAndSingle&>(list);
        const TIntegerAndSingleRec ra = self.GetOne(a), rb = self.GetOne(b);
        const int by_int = CompareLongints(ra.int_, rb.int_);
        const int by_s = CompareSingles(ra.s, rb.s);
        return ascending ? (by_int != 0 ? by_int : -by_s) : (by_int != 0 ? -by_int : by_s);
    });
}

void TStringListWithIntAndSingle::SortOnSingle(bool ascending) {
    CustomSort([ascending](const platform::TStringList& list, int a, int b) {
        const auto& self = static_cast<const TStringListWithIntAndSingle&>(list);
        const TIntegerAndSingleRec ra = self.GetOne(a), rb = self.GetOne(b);
        const int by_s = CompareSingles(ra.s, rb.s);
        const int by_int = CompareLongints(ra.int_, rb.int_);
        return ascending ? (by_s != 0 ? by_s : -by_int) : (by_s != 0 ? -by_s : by_int);
    });
}

void TStringListWithIntAndSingle::SortOnStrings(bool ascending) {
    // As the suite has always had it: true gives the strings descending.
    CustomSort([ascending](const platform::TStringList& list, int a, int b) {
        const auto& self = static_cast<const TStringListWithIntAndSingle&>(list);
        const int by_str = Compare2Strings(list.Strings(a), list.Strings(b));
        const int by_s = CompareSingles(self.GetOne(a).s, self.GetOne(b).s);
        return ascending ? (by_str != 0 ? -by_str : -by_s) : (by_str != 0 ? by_str : by_s);
    });
}

TStringListWith2LongintList::TStringListWith2LongintList() {
    OwnTObjects(*this);
}

T2LongIntHolder* TStringListWith2LongintList::PairAt(int index) const {
    return AttachedAs<T2LongIntHolder>(*this, index);
}

T2LongintList* TStringListWith2LongintList::GetList(int index) const {
    return AttachedAs<T2LongintList>(*this, index);
}

int TStringListWith2LongintList::AddOne(std::u16string S, const T2_longint_rec& m) {
    return AddAttached(*this, std::move(S), std::make_unique<T2LongIntHolder>(m));
}

int TStringListWith2LongintList::AddOrIncOne(std::u16string S, const T2_longint_rec& m) {
    int index = IndexOf(S);
    if (index < 0)
        index = AddAttached(*this, std::move(S), std::make_unique<T2LongintList>());
    T2LongintList* list = GetList(index);
    if (list == nullptr) {
        if (Objects(index) != nullptr)
            return -1; // the string carries a single pair
        auto fresh = std::make_unique<T2LongintList>();
        list = fresh.get();
        SetObject(index, static_cast<TObject*>(fresh.release()));
    }
    list->AddOne(m);
    return index;
}

T2_longint_rec TStringListWith2LongintList::GetOne(int index) const {
    const auto* h = PairAt(index);
    return h ? h->data : T2_longint_rec{};
}

bool TStringListWith2LongintList::SetOne(int index, const T2_longint_rec& value) {
    auto* h = PairAt(index);
    if (h == nullptr)
        return false;
    h->data = value;
    return true;
}

void TStringListWith2LongintList::AddToOneFreq(int index, int32_t freq, T2LongintSort which) {
    auto* h = PairAt(index);
    if (h == nullptr)
        return;
    if (which == t2_long0)
        h->data.long0 = AddWrapping(h->data.long0, freq);
    else if (which == t2_long1)
        h->data.long1 = AddWrapping(h->data.long1, freq);
}

void TStringListWith2LongintList::IncOne(int ind, T2LongintSort which) {
    AddToOneFreq(ind, 1, which);
}

int TStringListWith2LongintList::Repeateds(T2LongintSort which) const {
    int n = 0;
    for (int i = 0; i < Count(); ++i) {
        const T2_longint_rec r = GetOne(i);
        if ((which == t2_long0 ? r.long0 : r.long1) > 1)
            ++n;
    }
    return n;
}

void TStringListWith2LongintList::SortOnFreq() {
    CustomSort([](const platform::TStringList& list, int a, int b) {
        const auto& self = static_cast<const TStringListWith2LongintList&>(list);
        const T2_longint_rec ra = self.GetOne(a), rb = self.GetOne(b);
        const int c = CompareLongints(rb.long0, ra.long0);
        return c != 0 ? c : CompareLongints(ra.long1, rb.long1);
    });
}

TStringListWithLongintList::TStringListWithLongintList() {
    OwnTObjects(*this);
}

int TStringListWithLongintList::AddOrIncOne(std::u16string S, int32_t m) {
    int index = IndexOf(S);
    if (index < 0)
        index = AddAttached(*this, std::move(S), std::make_unique<TQMLongintList>());
    TQMLongintList* list = GetOne(index);
    if (list == nullptr) {
        auto fresh = std::make_unique<TQMLongintList>();
        list = fresh.get();
        SetObject(index, static_cast<TObject*>(fresh.release()));
    }
    if (list->IndexOf(m) < 0)
        list->AddOne(m);
    return list->Count();
}

TQMLongintList* TStringListWithLongintList::GetOne(int index) const {
    return AttachedAs<TQMLongintList>(*this, index);
}

void TStringListWithFreqPointers::SortOnFreq() {
    CustomSort(&StringListCompareDescFreq);
}

TMySimpleSearchRecHolderStringlist::TMySimpleSearchRecHolderStringlist() {
    OwnTObjects(*this);
}

TMySimpleSearchRecHolder* TMySimpleSearchRecHolderStringlist::Holder(int index) const {
    return AttachedAs<TMySimpleSearchRecHolder>(*this, index);
}

std::u16string TMySimpleSearchRecHolderStringlist::Get(int index) const {
    const auto* h = Holder(index);
    return h ? h->data.ShortName : std::u16string();
}

int32_t TMySimpleSearchRecHolderStringlist::GetAFolderNumber(int index) const {
    const auto* h = Holder(index);
    return h ? h->data.folder_number : 0;
}

TMySimpleSearchRec TMySimpleSearchRecHolderStringlist::GetASimpleSearchRec(int index) const {
    const auto* h = Holder(index);
    return h ? h->data : TMySimpleSearchRec{};
}

// ---- TMySaveStringList ----

TMySaveStringList::TMySaveStringList(bool saving_objects_as_integer)
    : save_Objects_too(saving_objects_as_integer) {}

void TMySaveStringList::SaveToStream(TStream& Stream) const {
    if (!WriteU32s(Stream, {uint32_t(Count())}))
        throw platform::EWriteError("stream write error: string list count");
    for (int i = 0; i < Count(); ++i) {
        MyYieldProcess();
        if (save_Objects_too && !WriteU32s(Stream, {uint32_t(uint64_t(Integers(i)))}))
            throw platform::EWriteError("stream write error: string list entry");
        if (!WriteAString(Stream, Strings(i)))
            throw platform::EWriteError("stream write error: string too long or not written");
    }
}

void TMySaveStringList::SaveToFile(const std::filesystem::path& file_name) const {
    platform::TAtomicFileStream stream(file_name);
    SaveToStream(stream);
    stream.Commit();
}

void TMySaveStringList::LoadFromStream(TStream& Stream) {
    int32_t count = 0;
    if (!ReadI32(Stream, count) || count < 0)
        throw platform::EReadError("stream read error: string list count");
    const int64_t per_entry = save_Objects_too ? 8 : 4;
    const int64_t left = BytesLeft(Stream);
    if (left >= 0 && int64_t(count) * per_entry > left)
        throw platform::EReadError("stream read error: string list count beyond the stream");
    for (int32_t i = 0; i < count; ++i) {
        MyYieldProcess();
        int32_t value = 0;
        if (save_Objects_too && !ReadI32(Stream, value))
            throw platform::EReadError("stream read error: string list entry");
        std::u16string s = ReadAString(Stream);
        if (save_Objects_too)
            AddInteger(std::move(s), value);
        else
            Add(std::move(s));
    }
}

void TMySaveStringList::LoadFromFile(const std::filesystem::path& file_name) {
    platform::TFileStream stream(file_name, platform::fmOpenRead);
    LoadFromStream(stream);
}

// ---- TSimpleSearchlist ----

TSimpleSearchlist::TSimpleSearchlist(const TSimpleSearchSettings& aSettings) : Settings(aSettings) {
    OwnObjects<TSimpleSearchHolder>();
}

int TSimpleSearchlist::AddOne(const TSimpleSearch_rec& r) {
    auto holder = std::make_unique<TSimpleSearchHolder>(r);
    const int index = Add(holder.get());
    holder.release();
    return index;
}

int TSimpleSearchlist::AddAll(const TSimpleSearchlist& other) {
    Settings = other.Settings;
    int sum = 0;
    const int n = other.Count(); // other may be this list
    for (int i = 0; i < n; ++i)
        sum += AddOne(other.GetAValue(i));
    return sum;
}

void TSimpleSearchlist::Clear() {
    TIndexCheckList::Clear();
}

TSimpleSearch_rec TSimpleSearchlist::GetAValue(int index) const {
    if (!IndexAssignedOK(index) || Items(index) == nullptr)
        return {};
    return static_cast<const TSimpleSearchHolder*>(Items(index))->data;
}

std::u16string TSimpleSearchlist::GetATypedInSW(int index) const {
    if (!IndexAssignedOK(index))
        return {};
    const TSimpleSearch_rec r = GetAValue(index);
    return SWStringPlusFlags(r.seek, r.flags);
}

std::u16string TSimpleSearchlist::AsText(std::u16string_view separator) const {
    std::u16string text;
    for (int i = 0; i < Count(); ++i) {
        if (i > 0)
            text += separator;
        text += GetAValue(i).seek;
    }
    return text;
}

bool TSimpleSearchlist::LoadFromFile(const std::filesystem::path& f, bool require_equals_sign) {
    Clear();
    std::error_code ec;
    if (!std::filesystem::is_regular_file(f, ec))
        return false;
    platform::TStringList lines;
    lines.LoadFromFile(f);
    for (int l = 0; l < lines.Count(); ++l) {
        MyYieldProcess();
        const std::u16string line = platform::TrimLeft(lines.Strings(l));
        if (line.empty() || line.starts_with(u";") || line.starts_with(u"//"))
            continue;
        size_t start = 0;
        while (start <= line.size()) {
            const size_t arrow = line.find(u" -> ", start);
            const size_t comma = line.find(u',', start);
            const size_t end = std::min({arrow, comma, line.size()});
            const std::u16string item =
                platform::Trim(std::u16string_view(line).substr(start, end - start));
            start = end == line.size() ? line.size() + 1 : end + (end == arrow ? 4 : 1);
            if (item.empty())
                continue;
            std::u16string text = require_equals_sign ? KeyOfKeyPlusValue(item) : item;
            const TMySearchFlags flags = FlagsFromSW(text);
            if (!flags.Contains(myCaseIsSensitive))
                text = platform::AnsiUpperCase(text);
            AddOne({std::move(text), std::max<int32_t>(1, ValueOfKeyPlusValue(item)), flags});
        }
    }
    return true;
}

// ---- TFolderEfficientFileStringlist ----

namespace {

constexpr char16_t kPathDelim = u'/';

// Splits at the last delimiter: the folder keeps its trailing delimiter.
std::pair<std::u16string_view, std::u16string_view> SplitFullName(std::u16string_view full) {
    const size_t slash = full.rfind(kPathDelim);
    if (slash == std::u16string_view::npos)
        return {std::u16string_view(), full};
    return {full.substr(0, slash + 1), full.substr(slash + 1)};
}

std::u16string WithTrailingDelimiter(std::u16string_view folder) {
    std::u16string f(folder);
    if (!f.empty() && f.back() != kPathDelim)
        f += kPathDelim;
    return f;
}

std::u16string FileKey(int32_t folder_number, std::u16string_view name) {
    std::u16string key;
    key += char16_t(uint32_t(folder_number) & 0xFFFF);
    key += char16_t(uint32_t(folder_number) >> 16);
    key += name;
    return key;
}

bool SameTextIgnoringCase(std::u16string_view a, std::u16string_view b) {
    UErrorCode status = U_ZERO_ERROR;
    const int32_t c = u_strCaseCompare(a.data(), int32_t(a.size()), b.data(), int32_t(b.size()),
                                       U_FOLD_CASE_DEFAULT, &status);
    return U_SUCCESS(status) ? c == 0 : a == b;
}

} // namespace

TFolderEfficientFileStringlist::TFolderEfficientFileStringlist() = default;

void TFolderEfficientFileStringlist::Clear() {
    files_.Clear();
    folders_.Clear();
    folder_index_.clear();
    file_index_.clear();
    file_index_valid_ = true;
}

int TFolderEfficientFileStringlist::FolderIndex(std::u16string_view folder) const {
    const auto it = folder_index_.find(WithTrailingDelimiter(folder));
    return it == folder_index_.end() ? -1 : it->second;
}

int TFolderEfficientFileStringlist::FolderIndexOrAdd(std::u16string_view folder) {
    std::u16string key = WithTrailingDelimiter(folder);
    const auto it = folder_index_.find(key);
    if (it != folder_index_.end())
        return it->second;
    const int index = folders_.Add(key);
    folder_index_.emplace(std::move(key), index);
    return index;
}

int TFolderEfficientFileStringlist::AddOne(std::u16string_view full) {
    const auto [folder, name] = SplitFullName(full);
    TMySimpleSearchRec rec;
    rec.ShortName = std::u16string(name);
    return AddOne(FolderIndexOrAdd(folder), rec);
}

int TFolderEfficientFileStringlist::AddOne(std::u16string_view afolder,
                                           const TMySimpleSearchRec& file_info) {
    return AddOne(FolderIndexOrAdd(afolder), file_info);
}

int TFolderEfficientFileStringlist::AddOne(int32_t known_foldernum,
                                           const TMySimpleSearchRec& file_info) {
    auto holder = std::make_unique<TMySimpleSearchRecHolder>(file_info);
    holder->data.folder_number = known_foldernum;
    const std::u16string key = FileKey(known_foldernum, file_info.ShortName);
    const int index = AddAttached(files_, file_info.ShortName, std::move(holder));
    if (file_index_valid_)
        file_index_.emplace(key, index);
    return index;
}

void TFolderEfficientFileStringlist::Delete(int index) {
    if (!files_.IndexAssignedOK(index))
        return;
    files_.Delete(index);
    file_index_valid_ = false;
}

TMySimpleSearchRec TFolderEfficientFileStringlist::GetASimpleSearchRec(int index) const {
    return files_.GetASimpleSearchRec(index);
}

std::u16string TFolderEfficientFileStringlist::GetFullFilename(int index) const {
    const TMySimpleSearchRecHolder* h = files_.Holder(index);
    if (h == nullptr)
        return {};
    std::u16string full;
    const int32_t folder = h->data.folder_number;
    if (folder >= 0 && folder < folders_.Count())
        full = WithTrailingDelimiter(folders_.Strings(folder));
    return full + h->data.ShortName;
}

std::unique_ptr<platform::TStringList> TFolderEfficientFileStringlist::GetAsStringlist() const {
    auto list = std::make_unique<platform::TStringList>();
    for (int i = 0; i < Count(); ++i)
        list->Add(GetFullFilename(i));
    return list;
}

int TFolderEfficientFileStringlist::IndexOfShortName(std::u16string_view aShortname) const {
    for (int i = 0; i < Count(); ++i)
        if (SameTextIgnoringCase(files_.Get(i), aShortname))
            return i;
    return -1;
}

void TFolderEfficientFileStringlist::EnsureFileIndex() const {
    if (file_index_valid_)
        return;
    file_index_.clear();
    for (int i = 0; i < Count(); ++i)
        if (const auto* h = files_.Holder(i))
            file_index_.emplace(FileKey(h->data.folder_number, h->data.ShortName), i);
    file_index_valid_ = true;
}

int TFolderEfficientFileStringlist::IndexOfFullName(std::u16string_view aFullname) const {
    const auto [folder, name] = SplitFullName(aFullname);
    const int folder_number = FolderIndex(folder);
    if (folder_number < 0)
        return -1;
    EnsureFileIndex();
    const auto it = file_index_.find(FileKey(folder_number, name));
    return it == file_index_.end() ? -1 : it->second;
}

void TFolderEfficientFileStringlist::SetFullFilename(int index, std::u16string_view name) {
    if (!files_.IndexAssignedOK(index))
        return;
    files_.SetString(index, std::u16string(SplitFullName(name).second));
}

void TFolderEfficientFileStringlist::DoASort(TMySimpleSearchRecSort how1,
                                             TMySimpleSearchRecSort how2, bool ascending) {
    sort_1 = how1;
    sort_2 = how2;
    if (how1 == ss_none)
        return;
    const bool second = how2 != how1 && how2 != ss_none;
    const auto by = [](TMySimpleSearchRecSort how, const TMySimpleSearchRec& a,
                       const TMySimpleSearchRec& b) {
        switch (how) {
        case ss_date:
            return CompareDates(a.DateTime, b.DateTime); // newest first
        case ss_size:
            return CompareLongints(a.Size, b.Size);
        case ss_folder:
            return CompareLongints(a.folder_number, b.folder_number);
        case ss_shortname:
            return Compare2Strings(a.ShortName, b.ShortName);
        default:
            return 0;
        }
    };
    files_.CustomSort([&](const platform::TStringList& list, int i, int j) {
        const auto& self = static_cast<const TMySimpleSearchRecHolderStringlist&>(list);
        const TMySimpleSearchRec* a = self.Holder(i) ? &self.Holder(i)->data : nullptr;
        const TMySimpleSearchRec* b = self.Holder(j) ? &self.Holder(j)->data : nullptr;
        if (a == nullptr || b == nullptr)
            return int(a == nullptr) - int(b == nullptr);
        const int c = by(how1, *a, *b);
        return c != 0 || !second ? c : by(how2, *a, *b);
    });
    if (!ascending)
        files_.ReverseTheSort();
    file_index_valid_ = false;
}

} // namespace qm7
