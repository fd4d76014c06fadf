// Typed lists built on TUsefulBaseList (integers, cardinals, 64-bit integers,
// pairs, triples and quads of integers, frequency pairs, strings with column
// numbers and colours ...), the holders that carry one record each, the
// comparison and exchange routines that go with them; string lists whose
// attached objects carry numbers, a string list saved in a binary layout, a
// list of simple search words read from a user's file, and a file list that
// keeps each folder once.
//
// Counted strings (WriteAString / ReadAString): a signed 32-bit length in
// UTF-16 code units, then the code units, little-endian, no terminator.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/export.h"
#include "platform/object.h"
#include "platform/pointerlist.h"
#include "platform/stream.h"
#include "platform/stringlist.h"
#include "runtime1/core/Useful_Classes_base.h"
#include "runtime1/core/basic_types.h"
#include "runtime1/core/my_types.h"

namespace qm7 {

// The longest string, in code units, that ReadAString accepts by default and
// WriteAString agrees to write.
extern QM7_EXPORT int32_t global_string_safety_limit;
// Flags of the locale string comparison (NORM_IGNORECASE 0x1,
// NORM_IGNORENONSPACE 0x2, NORM_IGNORESYMBOLS 0x4, SORT_DIGITSASNUMBERS 0x8).
extern QM7_EXPORT uint32_t my_default_sort;

// ---- counted strings ----

// Reads a counted string of at most global_string_safety_limit (or limit)
// code units. A negative length, one above the limit, or one the stream does
// not hold throws platform::EReadError "file read error : ReadAString"; a
// short read throws too: a string is never returned partly filled.
QM7_EXPORT std::u16string ReadAString(TStream& Stream);
QM7_EXPORT std::u16string ReadAString(TStream& Stream, int32_t limit);
// False, and nothing written, for a string longer than
// global_string_safety_limit (it could not be read back); false too when the
// stream took fewer bytes than written.
QM7_EXPORT bool WriteAString(TStream& Stream, std::u16string_view s);

// ---- entry holders ----

class QM7_EXPORT TLongIntHolder : public TUsefulBaseListObject {
public:
    TLongIntHolder() = default;
    explicit TLongIntHolder(int32_t value) : data(value) {}
    bool ReadFromStream(TStream& Stream) override;
    bool SaveToStream(TStream& Stream) override;
    int64_t MinStreamBytes() const override { return 4; }
    int32_t data = 0;
};

class QM7_EXPORT TCardinalHolder : public TUsefulBaseListObject {
public:
    TCardinalHolder() = default;
    explicit TCardinalHolder(uint32_t value) : data(value) {}
    bool ReadFromStream(TStream& Stream) override;
    bool SaveToStream(TStream& Stream) override;
    int64_t MinStreamBytes() const override { return 4; }
    uint32_t data = 0;
};

class QM7_EXPORT TSingleHolder : public TUsefulBaseListObject {
public:
    TSingleHolder() = default;
    explicit TSingleHolder(float value) : data(value) {}
    bool ReadFromStream(TStream& Stream) override;
    bool SaveToStream(TStream& Stream) override;
    int64_t MinStreamBytes() const override { return 4; }
    float data = 0;
};

class QM7_EXPORT TInt64Holder : public TUsefulBaseListObject {
public:
    TInt64Holder() = default;
    explicit TInt64Holder(int64_t value) : data(value) {}
    bool ReadFromStream(TStream& Stream) override;
    bool SaveToStream(TStream& Stream) override;
    int64_t MinStreamBytes() const override { return 8; }
    int64_t data = 0;
};

class QM7_EXPORT TCardinalAndFreqHolder : public TUsefulBaseListObject {
public:
    TCardinalAndFreqHolder() = default;
    explicit TCardinalAndFreqHolder(const TCardinalAndFreq& value) : data(value) {}
    bool ReadFromStream(TStream& Stream) override;
    bool SaveToStream(TStream& Stream) override;
    int64_t MinStreamBytes() const override { return 8; }
    TCardinalAndFreq data;
};

class QM7_EXPORT TIntegerAndSingleHolder : public TUsefulBaseListObject {
public:
    TIntegerAndSingleHolder() = default;
    explicit TIntegerAndSingleHolder(const TIntegerAndSingleRec& value) : data(value) {}
    bool ReadFromStream(TStream& Stream) override;
    bool SaveToStream(TStream& Stream) override;
    int64_t MinStreamBytes() const override { return 8; }
    TIntegerAndSingleRec data;
};

class QM7_EXPORT TIntegerAnd3CardinalsHolder : public TUsefulBaseListObject {
public:
    TIntegerAnd3CardinalsHolder() = default;
    explicit TIntegerAnd3CardinalsHolder(const TIntegerAnd3CardinalsRec& value) : data(value) {}
    bool ReadFromStream(TStream& Stream) override;
    bool SaveToStream(TStream& Stream) override;
    int64_t MinStreamBytes() const override { return 16; }
    TIntegerAnd3CardinalsRec data;
};

class QM7_EXPORT TStringTrueColumnAndColourHolder : public TUsefulBaseListObject {
public:
    TStringTrueColumnAndColourHolder() = default;
    explicit TStringTrueColumnAndColourHolder(TStringTrueColumnAndColourRec value)
        : data(std::move(value)) {}
    bool ReadFromStream(TStream& Stream) override;
    bool SaveToStream(TStream& Stream) override;
    int64_t MinStreamBytes() const override { return 12; }
    TStringTrueColumnAndColourRec data;
};

class QM7_EXPORT T2StringsAnd2IntegersHolder : public TUsefulBaseListObject {
public:
    T2StringsAnd2IntegersHolder() = default;
    explicit T2StringsAnd2IntegersHolder(T2StringsAnd2IntegersRec value) : data(std::move(value)) {}
    bool ReadFromStream(TStream& Stream) override;
    bool SaveToStream(TStream& Stream) override;
    int64_t MinStreamBytes() const override { return 16; }
    T2StringsAnd2IntegersRec data;
};

// These save and read nothing.
class QM7_EXPORT T2LongIntHolder : public TUsefulBaseListObject {
public:
    T2LongIntHolder() = default;
    explicit T2LongIntHolder(const T2_longint_rec& value) : data(value) {}
    T2_longint_rec data;
};

class QM7_EXPORT T3LongIntHolder : public TUsefulBaseListObject {
public:
    T3LongIntHolder() = default;
    explicit T3LongIntHolder(const T3_longint_rec& value) : data(value) {}
    T3_longint_rec data;
};

class QM7_EXPORT T4LongIntHolder : public TUsefulBaseListObject {
public:
    T4LongIntHolder() = default;
    explicit T4LongIntHolder(const T4_longint_rec& value) : data(value) {}
    T4_longint_rec data;
};

class QM7_EXPORT TDoublePointerHolder : public TUsefulBaseListObject {
public:
    TDoublePointerHolder() = default;
    explicit TDoublePointerHolder(const T2_Pointer& value) : data(value) {}
    T2_Pointer data;
};

class QM7_EXPORT TWordFreqAndSourceNumHolder : public TUsefulBaseListObject {
public:
    TWordFreqAndSourceNumHolder() = default;
    explicit TWordFreqAndSourceNumHolder(TWordFreqAndSourceNum value) : data(std::move(value)) {}
    TWordFreqAndSourceNum data;
};

// Plain holders outside the streamable family.
class QM7_EXPORT TSmallIntHolder : public platform::TObject {
public:
    TSmallIntHolder() = default;
    explicit TSmallIntHolder(int16_t value) : int_(value) {}
    int16_t int_ = 0; // "int" in the original; a keyword here
};

class QM7_EXPORT TPublicIntegerHolder : public platform::TObject {
public:
    TPublicIntegerHolder() = default;
    explicit TPublicIntegerHolder(int32_t value) : data(value) {}
    int32_t data = 0;
};

class QM7_EXPORT TMySearchRecHolder : public platform::TObject {
public:
    explicit TMySearchRecHolder(TMySearchRec value) : data(std::move(value)) {}
    TMySearchRec data;
};

class QM7_EXPORT TMySimpleSearchRecHolder : public platform::TObject {
public:
    explicit TMySimpleSearchRecHolder(TMySimpleSearchRec value) : data(std::move(value)) {}
    TMySimpleSearchRec data;
};

// ---- typed lists ----

class QM7_EXPORT TQMLongintList : public TUsefulBaseListSorts {
public:
    TQMLongintList();
    // On a sorted list x goes in its place (just before an equal value);
    // otherwise it is appended. Returns its index.
    int AddOne(int32_t x);
    // False for a position outside 0 .. Count(); the list is then unsorted.
    bool InsertOne(int where, int32_t x);
    // Binary search on a sorted list (each probe kept in nearest), a linear
    // one otherwise; the index of an equal value or -1.
    int Find(int32_t x);
    int IndexOf(int32_t x);
    int32_t GetAValue(int index) const; // -1 when not assigned
    // Removes the entry Find finds; returns its former index or -1.
    virtual int FindAndFree(int32_t x);
    int ComparedValues(int index1, int index2) const override;
    void SortAscendingDefault();
    TCompareFunct KeyCompare() const override;
};

class QM7_EXPORT TQMActiveLongintList : public TQMLongintList {
public:
    TQMActiveLongintList() = default;
    int AddOneAndSetCountCurrent(int32_t x);
    int GetCurrentItem() const { return fcurrentItem; }
    void SetCurrentItem(int value) { fcurrentItem = value; }
    int32_t CurrentItemValue() const; // -1 when fcurrentItem is outside the list
    void Clear() override;
    // As TQMLongintList; the current item keeps pointing at the same value,
    // and when that value is the one removed it moves one back (to the last
    // entry when it was the first). Nothing moves when x is not found.
    int FindAndFree(int32_t x) override;

    int fcurrentItem = -1;
};

class QM7_EXPORT TCardinalList : public TUsefulBaseListSorts {
public:
    TCardinalList();
    int AddOne(uint32_t x); // appends
    bool InsertOne(int where, uint32_t x);
    int Find(uint32_t x);
    int IndexOf(uint32_t x);
    uint32_t GetAValue(int index) const; // 0 when not assigned
    int ComparedValues(int index1, int index2) const override;
    void SortAscendingDefault();
    TCompareFunct KeyCompare() const override;
};

class QM7_EXPORT TQMInt64List : public TUsefulBaseListSorts {
public:
    TQMInt64List();
    int AddOne(int64_t x);
    int FindInSorted(int64_t x);
    int IndexOf(int64_t x);
    int64_t GetAValue(int index) const; // -1 when not assigned
    int ComparedValues(int index1, int index2) const override;
    void SortAscendingDefault();
    TCompareFunct KeyCompare() const override;
};

class QM7_EXPORT TCardinalAndFreqList : public TUsefulBaseListSorts {
public:
    TCardinalAndFreqList();
    // Adds 1 to the frequency of the entry with rec.c, or adds rec (in its
    // place on a sorted list). Returns the entry's index.
    int AddOneOrIncFreq(const TCardinalAndFreq& rec);
    int Find(uint32_t c);
    int IndexOf(uint32_t c);
    TCardinalAndFreq GetACardAndFreq(int index) const; // zeros when not assigned
    bool SetACardAndFreq(int index, const TCardinalAndFreq& rec);
    void SortOnCardinals();
    void SortOnFrequencies(bool descending);
    TCompareFunct KeyCompare() const override;
};

class QM7_EXPORT TIntegerAndSingleList : public TUsefulBaseListSorts {
public:
    TIntegerAndSingleList();
    int AddOne(const TIntegerAndSingleRec& rec);  // appends
    int Find(float s);                            // by s
    TIntegerAndSingleRec GetOne(int index) const; // zeros when not assigned
    void SortAscendingDefault();                  // by s
    TCompareFunct KeyCompare() const override;
};

class QM7_EXPORT TWordFreqAndSourceNumList : public TUsefulBaseListSorts {
public:
    TWordFreqAndSourceNumList();
    int AddOne(const TWordFreqAndSourceNum& rec);
    TWordFreqAndSourceNum GetOne(int index) const;
    // The entry at this_, or an empty record past the end; then this_ + 1.
    TWordFreqAndSourceNum GetNext();
    int32_t HighestFrequency() const; // 0 for an empty list
    void SortOnFreqs();               // f ascending
    void Clear() override;

    int this_ = 0; // "this" in the original: the reading position
};

enum T2LongintSort : uint8_t { t2_long0, t2_long1 };
enum T3LongintSort : uint8_t { t3_long0, t3_long1, t3_long2 };
enum T4LongintSort : uint8_t { t4_long0, t4_long1, t4_long2, t4_long3 };

class QM7_EXPORT T2LongintList : public TUsefulBaseListSorts {
public:
    T2LongintList();
    int AddOne(const T2_longint_rec& rec);
    T2_longint_rec GetADouble(int index) const; // all -1 when not assigned
    bool SetADouble(int index, const T2_longint_rec& rec);
    void AddToOneFreq(int index, int32_t amount, T2LongintSort field);
    void IncOne(int index, T2LongintSort field);
    int LongIndexOf(int32_t value, T2LongintSort field) const;
    void SortDefault(T2LongintSort field);
    void DoubleSort(T2LongintSort first, T2LongintSort second);
    int64_t TotalOf(T2LongintSort field) const;
};

class QM7_EXPORT T3LongintList : public TUsefulBaseListSorts {
public:
    T3LongintList();
    int AddOne(const T3_longint_rec& rec);
    T3_longint_rec GetATriple(int index) const;
    bool SetATriple(int index, const T3_longint_rec& rec);
    void AddToOneFreq(int index, int32_t amount, T3LongintSort field);
    void IncOne(int index, T3LongintSort field);
    int LongIndexOf(int32_t value, T3LongintSort field) const;
    void SortDefault(T3LongintSort field);
    void DoubleSort(T3LongintSort first, T3LongintSort second);
    void TripleSort(T3LongintSort first, T3LongintSort second, T3LongintSort third);
};

class QM7_EXPORT T4LongintList : public TUsefulBaseListSorts {
public:
    T4LongintList();
    int AddOne(const T4_longint_rec& rec);
    T4_longint_rec GetAQuad(int index) const;
    bool SetAQuad(int index, const T4_longint_rec& rec);
    void AddToOneFreq(int index, int32_t amount, T4LongintSort field);
    void IncOne(int index, T4LongintSort field);
    int LongIndexOf(int32_t value, T4LongintSort field) const;
    void SortDefault(T4LongintSort field);
    void DoubleSort(T4LongintSort first, T4LongintSort second);
    void TripleSort(T4LongintSort first, T4LongintSort second, T4LongintSort third);
};

class QM7_EXPORT TIntegerAnd3CardinalsList : public TUsefulBaseList {
public:
    TIntegerAnd3CardinalsList();
    int AddOne(const TIntegerAnd3CardinalsRec& rec);
    bool GetAValue(int index, TIntegerAnd3CardinalsRec& rec) const;
    bool SetAFreq(int index, int32_t value);
    void SortAscendingDefault(); // freq ascending, taken as unsigned
};

class QM7_EXPORT TDoublePointerList : public TUsefulBaseList {
public:
    TDoublePointerList();
    int AddOne(const T2_Pointer& rec);
    bool GetADoublePointer(int index, T2_Pointer& rec) const;
    bool SetADoublePointer(int index, const T2_Pointer& rec);
};

class QM7_EXPORT TStringColumnAndColourList : public TUsefulBaseList {
public:
    TStringColumnAndColourList();
    int AddOne(const TStringTrueColumnAndColourRec& rec);
    std::u16string GetAString(int index) const;    // empty when not assigned
    int32_t GetATrueColumn(int index) const;       // -1
    int32_t GetABackgroundColour(int index) const; // -1
    TStringTrueColumnAndColourRec GetAStringColumnAndColour(int index) const; // zeros
    bool SetAString(int index, const std::u16string& s);
    bool SetATrueColumn(int index, int32_t column);
    bool SetABackgroundColour(int index, int32_t colour);
    bool SetAStringColumnAndColour(int index, const TStringTrueColumnAndColourRec& rec);
    int IndexOfTrueColumn(int32_t column) const;
};

class QM7_EXPORT T2StringsAnd2IntegersList : public TUsefulBaseList {
public:
    T2StringsAnd2IntegersList();
    int AddOne(const T2StringsAnd2IntegersRec& rec);
    T2StringsAnd2IntegersRec GetTwoStringsAndInt(int index) const; // zeros
};

// 16-bit values; the stream form is the values alone, 2 bytes each.
class QM7_EXPORT TSmallintList : public platform::TList {
public:
    TSmallintList();
    int AddOne(int16_t value);
    int16_t GetOne(int index) const; // 0 when outside
    void Clear() override;
    // Appends n values; false (keeping the values read before) on a short
    // read or a count the stream cannot hold.
    bool ReadFromStream(int32_t n, TStream& Stream);
    bool SaveToStream(TStream& Stream);
};

// ---- comparisons: -1, 0 or 1 ----

QM7_EXPORT int CompareLongints(int32_t a, int32_t b);
QM7_EXPORT int CompareCardinals(uint32_t a, uint32_t b);
QM7_EXPORT int CompareInt64s(int64_t a, int64_t b);
// A total order: NaN after every number, equal to itself.
QM7_EXPORT int CompareSingles(float a, float b);
QM7_EXPORT int Compare16BitWords(uint16_t a, uint16_t b);
QM7_EXPORT int CompareChars(char16_t a, char16_t b);
QM7_EXPORT int CompareBytes(uint8_t a, uint8_t b);
// Ordinal, case-sensitive, by UTF-16 code units.
QM7_EXPORT int Compare2Strings(std::u16string_view a, std::u16string_view b);
// Reversed: 1 when a is earlier, -1 when later.
QM7_EXPORT int CompareDates(double a, double b);
QM7_EXPORT int CompareJulianDates(double a, double b);
QM7_EXPORT int Compare2CardinalsCard1(const Tdouble_cardinal_rec& a, const Tdouble_cardinal_rec& b);
QM7_EXPORT int Compare2CardinalsCard2(const Tdouble_cardinal_rec& a, const Tdouble_cardinal_rec& b);
QM7_EXPORT int CompareIntAnd3CardinalsCard1(const TIntegerAnd3CardinalsRec& a,
                                            const TIntegerAnd3CardinalsRec& b);
QM7_EXPORT int CompareIntAnd3CardinalsCard2(const TIntegerAnd3CardinalsRec& a,
                                            const TIntegerAnd3CardinalsRec& b);
QM7_EXPORT int CompareIntAnd3CardinalsCard3(const TIntegerAnd3CardinalsRec& a,
                                            const TIntegerAnd3CardinalsRec& b);
QM7_EXPORT int CompareIntAnd3CardinalsFreq(const TIntegerAnd3CardinalsRec& a,
                                           const TIntegerAnd3CardinalsRec& b);
QM7_EXPORT int CompareIntAnd2CardinalsCard1(const TIntegerAnd2CardinalsRec& a,
                                            const TIntegerAnd2CardinalsRec& b);
QM7_EXPORT int CompareIntAnd2CardinalsCard2(const TIntegerAnd2CardinalsRec& a,
                                            const TIntegerAnd2CardinalsRec& b);
QM7_EXPORT int CompareIntAnd2CardinalsFreq(const TIntegerAnd2CardinalsRec& a,
                                           const TIntegerAnd2CardinalsRec& b);

// The difference of the first differing code units (the end of a text
// counting as 0); 0 for equal texts.
QM7_EXPORT int CrudeStringComparison(std::u16string_view a, std::u16string_view b);
// Locale comparison of two NUL-terminated texts under my_default_sort: -1, 0
// or 1; -2 when the comparison cannot be made. 8-bit texts are read in the
// system code page. A null pointer reads as the empty text.
QM7_EXPORT int ComparePWidechar(uint32_t locale, const char16_t* a, const char16_t* b);
QM7_EXPORT int ComparePAnsichar(uint32_t locale, const char* a, const char* b);
// ComparePWidechar on two strings; an empty string sorts first.
QM7_EXPORT int LCIDStringComparison(std::u16string_view a, std::u16string_view b, uint32_t locale);

// Sort comparisons of two entries (holders), ascending.
QM7_EXPORT int32_t SortLongints(const void* a, const void* b);
QM7_EXPORT int32_t SortCardinals(const void* a, const void* b);
QM7_EXPORT int32_t SortInt64s(const void* a, const void* b);
QM7_EXPORT int32_t SortSingles(const void* a, const void* b); // s of TIntegerAndSingleHolder
QM7_EXPORT int32_t SortIntegerAnd3CardinalsFreq(const void* a, const void* b);

// Exchanges of two records in place.
QM7_EXPORT void ExchangeTwoDoubleCardinalRecs(Tdouble_cardinal_rec& a, Tdouble_cardinal_rec& b);
QM7_EXPORT void ExchangeTwoDoubleLongintRecs(T2_longint_rec& a, T2_longint_rec& b);
QM7_EXPORT void ExchangeTwoSmallAndLongRecs(TSmall_and_long_rec& a, TSmall_and_long_rec& b);
QM7_EXPORT void ExchangeTwoPointerAnd2CardinalsRecs(TPointerAnd2CardinalsRec& a,
                                                    TPointerAnd2CardinalsRec& b);
QM7_EXPORT void ExchangeTwoIndexAndPointerRecs(TIndexAndPointerRec& a, TIndexAndPointerRec& b);

// n cumulative division points of total: entry i is (i + 1) * total / n
// rounded to the nearest integer (halves to even); the last is total. Empty
// for n <= 0.
QM7_EXPORT std::vector<int64_t> ComputedByteDivisions(int32_t n, int64_t total);

// ---- search-word markers ----

struct TSimpleSearchSettings {
    int32_t spare_wordcount_multiplier = 0;
    int32_t markup_search_span = 0;
};

struct TSimpleSearch_rec {
    std::u16string seek;
    int32_t n_wanted = 0;
    TMySearchFlags flags;
};

// Reads the markers of one search word ("*" at either end, "==" at both
// ends, a leading "~"), removes them from sw and returns the flags.
QM7_EXPORT TMySearchFlags FlagsFromSW(std::u16string& sw);
// The text form of a word with its flags (mySW_To_Avoid is not shown).
QM7_EXPORT std::u16string SWStringPlusFlags(std::u16string_view sw, TMySearchFlags flags);
QM7_EXPORT TSimpleSearchSettings DefaultSimpleSearchSettings();
// "key = value": the trimmed key ("" without "="), the trimmed value read as
// an integer (0 without "=" or when it is no integer).
QM7_EXPORT std::u16string KeyOfKeyPlusValue(std::u16string_view s);
QM7_EXPORT int32_t ValueOfKeyPlusValue(std::u16string_view s);

// For sorting a string list whose entries carry integers (Integers):
// the integer descending, then the string ascending (ordinal).
QM7_EXPORT int StringListCompareDescFreq(const platform::TStringList& list, int index1, int index2);

// ---- string lists ----

class QM7_EXPORT TIndexCheckStringlist : public platform::TStringList {
public:
    bool IndexAssignedOK(int index) const { return index >= 0 && index < Count(); }
    // Reverses the order (the list is no longer sorted afterwards).
    void ReverseTheSort();
};

class QM7_EXPORT TIndexCheckList : public platform::TList {
public:
    bool IndexAssignedOK(int index) const { return index >= 0 && index < Count(); }
};

class QM7_EXPORT TStringListWithALongint : public TIndexCheckStringlist {
public:
    TStringListWithALongint();
    int AddOne(std::u16string S, int32_t m);
    int32_t GetOne(int index) const; // 0 when outside
    bool SetOne(int index, int32_t value);
    int32_t HighestFrequency() const; // 0 floor
    void SortOnFreq();                // value descending
    // Lines "word TAB 12" load as (word, 12); other lines as (line, -1).
    void SetTextStr(std::u16string_view text) override;
};

class QM7_EXPORT TStringListWithASingle : public TIndexCheckStringlist {
public:
    TStringListWithASingle();
    int AddOne(std::u16string S, float m);
    float GetOne(int index) const; // 0 when outside
    bool SetOne(int index, float value);
    void SortOnFreq(); // value descending
};

class QM7_EXPORT TStringListWithIntAndSingle : public TIndexCheckStringlist {
public:
    TStringListWithIntAndSingle();
    int AddOne(std::u16string S, const TIntegerAndSingleRec& m);
    TIntegerAndSingleRec GetOne(int index) const; // zeros when outside
    bool SetOne(int index, const TIntegerAndSingleRec& value);
    void SortOnInt(bool ascending);
    void SortOnSingle(bool ascending);
    void SortOnStrings(bool ascending);
};

// Each string carries either one pair (AddOne) or a list of pairs
// (AddOrIncOne); the operations check which before using it.
class QM7_EXPORT TStringListWith2LongintList : public TIndexCheckStringlist {
public:
    TStringListWith2LongintList();
    int AddOne(std::u16string S, const T2_longint_rec& m);
    // Appends m to the list of pairs of S (made when S is new); the index of
    // S, or -1 when S carries a single pair.
    int AddOrIncOne(std::u16string S, const T2_longint_rec& m);
    T2_longint_rec GetOne(int index) const; // zeros unless a pair is attached
    // The list of pairs attached to the string, or nullptr.
    T2LongintList* GetList(int index) const;
    bool SetOne(int index, const T2_longint_rec& value);
    void AddToOneFreq(int index, int32_t freq, T2LongintSort which);
    void IncOne(int ind, T2LongintSort which);
    int Repeateds(T2LongintSort which) const;
    void SortOnFreq(); // long0 descending, then long1 ascending

private:
    T2LongIntHolder* PairAt(int index) const;
};

class QM7_EXPORT TStringListWithLongintList : public TIndexCheckStringlist {
public:
    TStringListWithLongintList();
    // Adds m to the values of S unless present; the number of values of S.
    int AddOrIncOne(std::u16string S, int32_t m);
    TQMLongintList* GetOne(int index) const; // nullptr when outside
};

// The integer of each entry (Integers) is its frequency.
class QM7_EXPORT TStringListWithFreqPointers : public TIndexCheckStringlist {
public:
    void SortOnFreq(); // StringListCompareDescFreq
};

class QM7_EXPORT TMySimpleSearchRecHolderStringlist : public TIndexCheckStringlist {
public:
    TMySimpleSearchRecHolderStringlist();
    // The record's ShortName; empty when outside.
    std::u16string Get(int index) const;
    int32_t GetAFolderNumber(int index) const;               // 0 when outside
    TMySimpleSearchRec GetASimpleSearchRec(int index) const; // zeros when outside
    // The holder attached to the entry; nullptr when outside.
    TMySimpleSearchRecHolder* Holder(int index) const;
};

// A string list saved in a binary layout (little-endian): count (signed
// 32-bit); then per entry, when save_Objects_too, the entry's integer as 32
// bits (the low 32 bits written, sign-extended when read), and the string as
// a counted string.
class QM7_EXPORT TMySaveStringList : public TIndexCheckStringlist {
public:
    explicit TMySaveStringList(bool saving_objects_as_integer = false);
    // Throws platform::EWriteError when a string is too long to be read back
    // or the stream takes fewer bytes.
    void SaveToStream(TStream& Stream) const;
    // Through a new file put in place only when complete.
    void SaveToFile(const std::filesystem::path& file_name) const;
    // Appends (no clearing). Throws platform::EReadError for a count the
    // stream cannot hold or an entry that cannot be read; the entries before
    // it are kept.
    void LoadFromStream(TStream& Stream) override;
    void LoadFromFile(const std::filesystem::path& file_name) override;

    bool save_Objects_too = false;
};

class QM7_EXPORT TSimpleSearchHolder : public platform::TObject {
public:
    explicit TSimpleSearchHolder(TSimpleSearch_rec value) : data(std::move(value)) {}
    TSimpleSearch_rec data;
};

class QM7_EXPORT TSimpleSearchlist : public TIndexCheckList {
public:
    explicit TSimpleSearchlist(const TSimpleSearchSettings& aSettings = {});
    int AddOne(const TSimpleSearch_rec& r);
    // Takes other's settings and appends copies of its entries; the sum of
    // the indices they got.
    int AddAll(const TSimpleSearchlist& other);
    void Clear() override;
    TSimpleSearch_rec GetAValue(int index) const; // zeros when outside
    std::u16string GetATypedInSW(int index) const;
    std::u16string AsText(std::u16string_view separator) const;
    // Reads search words from a text file: lines empty or starting with ";"
    // or "//" are skipped; items end at " -> " or ",". False only when the
    // file does not exist.
    bool LoadFromFile(const std::filesystem::path& f, bool require_equals_sign);

    TSimpleSearchSettings Settings;
};

// A file list that keeps each folder once. Folder and file names compare
// exactly (case-sensitively), as the file system does, except in
// IndexOfShortName.
class QM7_EXPORT TFolderEfficientFileStringlist : public platform::TObject {
public:
    TFolderEfficientFileStringlist();
    void Clear();
    int Count() const { return files_.Count(); }
    int Add(std::u16string_view S) { return AddOne(S); }
    int AddOne(std::u16string_view full);
    int AddOne(std::u16string_view afolder, const TMySimpleSearchRec& file_info);
    int AddOne(int32_t known_foldernum, const TMySimpleSearchRec& file_info);
    void Delete(int index);
    TMySimpleSearchRec GetASimpleSearchRec(int index) const;
    std::u16string GetFullFilename(int index) const;
    // All full file names, in a new list the caller owns.
    std::unique_ptr<platform::TStringList> GetAsStringlist() const;
    // The first entry with that file name, case-insensitively; -1 when none.
    int IndexOfShortName(std::u16string_view aShortname) const;
    // The first entry in that folder with that file name; -1 when none.
    int IndexOfFullName(std::u16string_view aFullname) const;
    // Changes only the string of the entry (to the file-name part of name).
    void SetFullFilename(int index, std::u16string_view name);
    void DoASort(TMySimpleSearchRecSort how1, TMySimpleSearchRecSort how2, bool ascending);

    const TMySimpleSearchRecHolderStringlist& files() const { return files_; }
    const platform::TStringList& folders() const { return folders_; }
    TMySimpleSearchRecSort sort_1 = ss_none;
    TMySimpleSearchRecSort sort_2 = ss_none;

private:
    int FolderIndex(std::u16string_view folder) const;
    int FolderIndexOrAdd(std::u16string_view folder);
    void EnsureFileIndex() const;

    TMySimpleSearchRecHolderStringlist files_;
    platform::TStringList folders_;
    std::unordered_map<std::u16string, int> folder_index_;
    // (folder number, file name) -> first index; rebuilt when stale.
    mutable std::unordered_map<std::u16string, int> file_index_;
    mutable bool file_index_valid_ = true;
};

} // namespace qm7
