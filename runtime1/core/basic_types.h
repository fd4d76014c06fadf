// Small value records and enumerations shared by every module.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace qm7 {

// Fixed text arrays: UTF-16, zero-terminated inside the array.
using hundredwidechar = std::array<char16_t, 101>;
using twohundredwidechar = std::array<char16_t, 201>;
using fourhundredwidechar = std::array<char16_t, 401>;

// Dates and times as days since 1899-12-30, the fraction being the time.
using TDateTime = double;

struct TPalavra {
    std::u16string prefixo, raiz, infixo, sufixo;
};

struct TMySearchRec {
    TDateTime DateTime = 0;
    int32_t Size = 0;
    int32_t Attr = 0;
    int16_t Number_Within_Zip = 0;
    std::u16string ShortName;
};

struct TMySimpleSearchRec {
    TDateTime DateTime = 0;
    int32_t Size = 0;
    int32_t folder_number = 0;
    std::u16string ShortName;
};

struct TTypeAndTokenRec {
    int32_t types = 0, tokens = 0;
};

struct TBooleanArrayRec {
    std::vector<bool> bools;
};

struct TCardinalAndPointerRec {
    uint32_t c = 0;
    void* p = nullptr;
};

struct TCardinalAndFreq {
    uint32_t c = 0;
    int32_t f = 0;
};

struct TIntegerAndPointerRec {
    int32_t v = 0;
    void* p = nullptr;
};

struct TIntegerAndBooleanRec {
    int32_t value = 0;
    bool b = false;
};

struct T2_Pointer {
    void *p1 = nullptr, *p2 = nullptr;
};

struct T2_longint_rec {
    int32_t long0 = 0, long1 = 0;
};

struct T3_longint_rec {
    int32_t long0 = 0, long1 = 0, long2 = 0;
};

struct T4_longint_rec {
    int32_t long0 = 0, long1 = 0, long2 = 0, long3 = 0;
};

struct T2_Int64_rec {
    int64_t Int64_1 = 0, Int64_2 = 0;
};

// holder is an object the record refers to; it does not own it.
struct TIndexAndObjRec {
    int32_t index = 0;
    void* holder = nullptr;
};

struct TIntegerAndSingleRec {
    int32_t int_ = 0; // "int" in the original; a keyword here
    float s = 0;
};

struct TIntegerAndCardinalRec {
    int32_t freq = 0;
    uint32_t value = 0;
};

struct Tdouble_cardinal_rec {
    uint32_t card1 = 0, card2 = 0;
};

struct TTriple_integer_rec {
    int32_t intg1 = 0, intg2 = 0, intg3 = 0;
};

struct TTriple_cardinal_rec {
    uint32_t card1 = 0, card2 = 0, card3 = 0;
};

struct TIndexAndPointerRec {
    int32_t index = 0;
    void* p = nullptr;
};

struct TIntegerAnd2CardinalsRec {
    int32_t freq = 0;
    Tdouble_cardinal_rec value;
};

struct TIntegerAnd3CardinalsRec {
    int32_t freq = 0;
    TTriple_cardinal_rec value;
};

struct TPointerAnd2CardinalsRec {
    void* p = nullptr;
    uint32_t Item1 = 0, Item2 = 0;
};

struct TSmall_and_long_rec {
    int16_t small = 0;
    int32_t long_ = 0; // "long" in the original; a keyword here
};

struct TStringAnd2IntegersRec {
    std::u16string s;
    std::array<int32_t, 2> ns{};
};

struct TStringAnd3IntegersRec {
    std::u16string s;
    std::array<int32_t, 3> ns{};
};

struct TStringAnd4IntegersRec {
    std::u16string s;
    std::array<int32_t, 4> ns{};
};

struct T2StringsAndIntegerRec {
    int32_t int_ = 0;
    std::u16string s1, s2;
};

struct T2StringsAnd2IntegersRec {
    int32_t int1 = 0, int2 = 0;
    std::u16string s1, s2;
};

struct TStringAndIntegerRec {
    std::u16string s;
    int32_t i = 0;
};

struct TStringAndIntegerAndBooleanRec {
    TStringAndIntegerRec rec;
    bool b = false;
};

struct TConvertedStringAnd2BooleansRec {
    std::u16string converted;
    bool convert_it = false, chuck = false;
};

struct TStringAndBooleanRec {
    std::u16string s;
    bool OK = false;
};

struct TStringIntAndBoolean {
    std::u16string w;
    int32_t i = 0;
    bool b = false;
};

struct TTwoStringsRec {
    std::u16string first, second;
};

struct TStringTrueColumnAndColourRec {
    int32_t true_column_number = 0, background_colour = 0;
    std::u16string s;
};

struct TWordFreqAndSourceNum {
    std::u16string w;
    int32_t f = 0, source_num = 0;
};

struct TWordAndFreq {
    std::u16string w;
    int32_t f = 0;
};

struct TWordStrAndBoolean {
    std::u16string w;
    bool b = false;
};

struct TIntegerAndBoolean {
    int32_t i = 0;
    bool b = false;
};

struct TYearMonthDay {
    int32_t year = 0, month = 0, day = 0;
};

struct TYrMmDyHrMn {
    int32_t year = 0, month = 0, day = 0, hour = 0, minute = 0;
};

// A function found in a library at run time, and the library's handle.
struct Tlibrary_rec {
    void* FPointer = nullptr;
    void* Hinst = nullptr;
};

enum TRightOrLeft : uint8_t { at_left, at_right };
enum TStartingOrFinishing : uint8_t { t_starting, t_finishing };
enum Tkw_fnames_order : uint8_t { little_text, reference_corpus };
enum TNormalOrSpecial : uint8_t { t_normal, t_special };
enum TMySimpleSearchRecSort : uint8_t { ss_none, ss_date, ss_size, ss_folder, ss_shortname };

// Comparison, deletion and copying of untyped items; a comparison's sign
// gives the order.
using TCompareFunct = int32_t (*)(const void* a, const void* b);
using TDeleteFunct = void (*)(void* a);
using TNewFunct = void* (*)(const void* a);
// A comparison bound to an object.
using TCompareFunctOfObject = std::function<int32_t(const void* a, const void* b)>;
// A procedure without arguments bound to an object: the host's yield.
using TYieldProcessProc = std::function<void()>;

} // namespace qm7
