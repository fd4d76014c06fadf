#include "runtime1/core/Useful_Classes.h"

#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <limits>

#include <gtest/gtest.h>

#include "platform/stream.h"

namespace qm7 {
namespace {

using platform::TMemoryStream;

// Bytes as lower-case hex; the expected forms below are written with spaces
// between fields, which Unspaced removes.
std::string Hex(std::string_view bytes) {
    static const char* digits = "0123456789abcdef";
    std::string out;
    for (unsigned char c : bytes) {
        out += digits[c >> 4];
        out += digits[c & 15];
    }
    return out;
}
std::string Unspaced(std::string s) {
    std::erase(s, ' ');
    return s;
}
std::string Unhex(std::string hex) {
    hex = Unspaced(hex);
    std::string out;
    for (size_t i = 0; i + 1 < hex.size(); i += 2)
        out += char(std::stoi(hex.substr(i, 2), nullptr, 16));
    return out;
}
std::string Saved(TUsefulBaseList& list) {
    TMemoryStream s;
    EXPECT_TRUE(list.SaveToStream(s));
    return std::string(s.Bytes());
}
// A memory stream holding the bytes, read from the start.
struct TBytesStream : TMemoryStream {
    explicit TBytesStream(const std::string& bytes) {
        WriteBuffer(bytes);
        SetPosition(0);
    }
};

// ---- stream forms, byte for byte ----

struct TStreamPin {
    const char* name;
    std::function<std::unique_ptr<TUsefulBaseList>()> make_filled;
    std::function<std::unique_ptr<TUsefulBaseList>()> make_empty;
    const char* hex;
};

template <class L> std::unique_ptr<TUsefulBaseList> Empty() {
    return std::make_unique<L>();
}

const TStreamPin kPins[] = {
    {"longints 3 1 2",
     [] {
         auto l = std::make_unique<TQMLongintList>();
         for (int v : {3, 1, 2})
             l->AddOne(v);
         return l;
     },
     Empty<TQMLongintList>, "03000000 00 03000000 01000000 02000000"},
    {"longints sorted, negative",
     [] {
         auto l = std::make_unique<TQMLongintList>();
         for (int v : {2, -1})
             l->AddOne(v);
         l->SortAscendingDefault();
         return l;
     },
     Empty<TQMLongintList>, "02000000 01 ffffffff 02000000"},
    {"cardinals",
     [] {
         auto l = std::make_unique<TCardinalList>();
         l->AddOne(0xFFFFFFFEu);
         return l;
     },
     Empty<TCardinalList>, "01000000 00 feffffff"},
    {"int64s",
     [] {
         auto l = std::make_unique<TQMInt64List>();
         l->AddOne(0x0102030405060708LL);
         return l;
     },
     Empty<TQMInt64List>, "01000000 00 0807060504030201"},
    {"cardinal and frequency",
     [] {
         auto l = std::make_unique<TCardinalAndFreqList>();
         l->AddOneOrIncFreq({7, 10});
         return l;
     },
     Empty<TCardinalAndFreqList>, "01000000 00 07000000 0a000000"},
    {"integer and single",
     [] {
         auto l = std::make_unique<TIntegerAndSingleList>();
         l->AddOne({5, 1.0f});
         return l;
     },
     Empty<TIntegerAndSingleList>, "01000000 00 05000000 0000803f"},
    {"integer and 3 cardinals, no flag",
     [] {
         auto l = std::make_unique<TIntegerAnd3CardinalsList>();
         l->AddOne({-2, {1, 2, 3}});
         return l;
     },
     Empty<TIntegerAnd3CardinalsList>, "01000000 feffffff 01000000 02000000 03000000"},
    {"string, column and colour",
     [] {
         auto l = std::make_unique<TStringColumnAndColourList>();
         l->AddOne({3, 0x00FF00, u"ab"});
         l->AddOne({4, -1, u""});
         return l;
     },
     Empty<TStringColumnAndColourList>,
     "02000000 03000000 00ff0000 02000000 61006200 04000000 ffffffff 00000000"},
    {"two strings and two integers",
     [] {
         auto l = std::make_unique<T2StringsAnd2IntegersList>();
         l->AddOne({1, 2, u"x", u"\u00e9"});
         return l;
     },
     Empty<T2StringsAnd2IntegersList>, "01000000 01000000 02000000 01000000 7800 01000000 e900"},
    {"pairs store nothing but the count",
     [] {
         auto l = std::make_unique<T2LongintList>();
         for (int i = 0; i < 5; ++i)
             l->AddOne({i, i});
         return l;
     },
     Empty<T2LongintList>, "05000000 00"},
    {"triples",
     [] {
         auto l = std::make_unique<T3LongintList>();
         l->AddOne({1, 2, 3});
         return l;
     },
     Empty<T3LongintList>, "01000000 00"},
    {"quads",
     [] {
         auto l = std::make_unique<T4LongintList>();
         l->AddOne({1, 2, 3, 4});
         return l;
     },
     Empty<T4LongintList>, "01000000 00"},
    {"word, frequency and source",
     [] {
         auto l = std::make_unique<TWordFreqAndSourceNumList>();
         l->AddOne({u"w", 3, 4});
         return l;
     },
     Empty<TWordFreqAndSourceNumList>, "01000000 00"},
    {"pointer pairs, no flag",
     [] {
         auto l = std::make_unique<TDoublePointerList>();
         l->AddOne({});
         l->AddOne({});
         return l;
     },
     Empty<TDoublePointerList>, "02000000"},
};

TEST(TypedListStreams, SaveByteForByteAndReadBack) {
    for (const TStreamPin& pin : kPins) {
        SCOPED_TRACE(pin.name);
        auto list = pin.make_filled();
        const std::string bytes = Saved(*list);
        EXPECT_EQ(Hex(bytes), Unspaced(pin.hex));

        auto back = pin.make_empty();
        TBytesStream in(bytes);
        EXPECT_TRUE(back->ReadFromStream(in));
        EXPECT_EQ(back->Count(), list->Count());
        EXPECT_EQ(in.Position(), in.Size());
        EXPECT_EQ(Hex(Saved(*back)), Unspaced(pin.hex));
    }
}

TEST(TypedListStreams, EntriesThatStoreNothingReadBackAsZeros) {
    T2LongintList list;
    TBytesStream in(Unhex("05000000 00"));
    ASSERT_TRUE(list.ReadFromStream(in));
    ASSERT_EQ(list.Count(), 5);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(list.GetADouble(i).long0, 0);
        EXPECT_EQ(list.GetADouble(i).long1, 0);
    }
}

TEST(TypedListStreams, ReadingAppendsToWhatIsThere) {
    TQMLongintList list;
    list.AddOne(9);
    TBytesStream in(Unhex("01000000 00 05000000"));
    ASSERT_TRUE(list.ReadFromStream(in));
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list.GetAValue(0), 9);
    EXPECT_EQ(list.GetAValue(1), 5);
}

struct TBadStream {
    const char* name;
    const char* hex;
    int kept; // entries kept after the failure
};

TEST(TypedListStreams, BadStreamsFailWithoutHalfEntries) {
    const TBadStream cases[] = {
        {"no count", "0300", 0},
        {"no flag", "01000000", 0},
        {"negative count", "ffffffff 00", 0},
        {"count beyond the bytes", "ffffff7f 00 01000000", 0},
        {"short last entry", "03000000 00 01000000 02000000 0300", 0},
    };
    for (const TBadStream& c : cases) {
        SCOPED_TRACE(c.name);
        TQMLongintList list;
        TBytesStream in(Unhex(c.hex));
        EXPECT_FALSE(list.ReadFromStream(in));
        EXPECT_EQ(list.Count(), c.kept);
        EXPECT_FALSE(list.sorted);
    }
}

TEST(TypedListStreams, AFailingStringEntryStopsTheRead) {
    // Two entries announced; the second's string claims more than is there.
    TStringColumnAndColourList list;
    TBytesStream in(Unhex("02000000 01000000 02000000 01000000 6100"
                          "03000000 04000000 09000000 6200"));
    EXPECT_FALSE(list.ReadFromStream(in));
    ASSERT_EQ(list.Count(), 1);
    EXPECT_EQ(list.GetAString(0), u"a");
}

TEST(TypedListStreams, EmptyEntriesAreBoundedByTheSafetyLimit) {
    const int32_t saved = global_empty_entries_safety_limit;
    global_empty_entries_safety_limit = 10;
    T2LongintList list;
    TBytesStream big(Unhex("0b000000 00"));
    EXPECT_FALSE(list.ReadFromStream(big));
    EXPECT_EQ(list.Count(), 0);
    TBytesStream ok(Unhex("0a000000 00"));
    EXPECT_TRUE(list.ReadFromStream(ok));
    EXPECT_EQ(list.Count(), 10);
    global_empty_entries_safety_limit = saved;
}

TEST(TypedListStreams, TheSortedByteIsBelievedOnlyWhenTheOrderHolds) {
    struct TCase {
        const char* hex;
        bool sorted;
    } cases[] = {
        {"02000000 01 01000000 02000000", true},
        {"02000000 01 02000000 01000000", false}, // flag lies
        {"02000000 00 01000000 02000000", false},
        {"02000000 07 01000000 01000000", true}, // any non-zero byte
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.hex);
        TQMLongintList list;
        TBytesStream in(Unhex(c.hex));
        ASSERT_TRUE(list.ReadFromStream(in));
        EXPECT_EQ(list.sorted, c.sorted);
    }
    // Lists without a search key never count as sorted.
    T2LongintList pairs;
    TBytesStream in(Unhex("01000000 01"));
    ASSERT_TRUE(pairs.ReadFromStream(in));
    EXPECT_FALSE(pairs.sorted);
    // A lying flag must not make Find miss a value that is there.
    TQMLongintList list;
    TBytesStream lying(Unhex("03000000 01 05000000 01000000 03000000"));
    ASSERT_TRUE(list.ReadFromStream(lying));
    EXPECT_EQ(list.Find(1), 1);
}

TEST(TypedListStreams, SmallintsAreValuesOnly) {
    TSmallintList list;
    list.AddOne(1);
    list.AddOne(-2);
    TMemoryStream out;
    ASSERT_TRUE(list.SaveToStream(out));
    EXPECT_EQ(Hex(out.Bytes()), "0100feff");

    TSmallintList back;
    out.SetPosition(0);
    ASSERT_TRUE(back.ReadFromStream(2, out));
    EXPECT_EQ(back.GetOne(1), -2);
    out.SetPosition(0);
    EXPECT_FALSE(back.ReadFromStream(3, out)); // more than the stream holds
    EXPECT_EQ(back.Count(), 2);
}

TEST(TypedListFiles, SaveReplacesTheFileOnlyWhenComplete) {
    const auto dir = std::filesystem::temp_directory_path() / "qm7_useful_classes_test";
    std::filesystem::create_directories(dir);
    const auto file = dir / "list.bin";

    TQMLongintList list;
    list.AddOne(4);
    ASSERT_TRUE(list.SaveToFile(file));
    TQMLongintList back;
    ASSERT_TRUE(back.LoadFromFile(file));
    EXPECT_EQ(back.GetAValue(0), 4);

    // A string too long to be read back is refused, and the old file stays.
    TStringColumnAndColourList strings;
    strings.AddOne({1, 1, std::u16string(size_t(global_string_safety_limit) + 1, u'x')});
    EXPECT_FALSE(strings.SaveToFile(file));
    EXPECT_EQ(std::filesystem::file_size(file), 9u);

    EXPECT_FALSE(back.LoadFromFile(dir / "missing.bin"));
    EXPECT_FALSE(list.SaveToFile(dir / "no_such_folder" / "x.bin"));
    std::filesystem::remove_all(dir);
}

// ---- counted strings ----

TEST(CountedStrings, ReadAndWrite) {
    TMemoryStream s;
    ASSERT_TRUE(WriteAString(s, u"h\u00e9"));
    ASSERT_TRUE(WriteAString(s, u""));
    EXPECT_EQ(Hex(s.Bytes()), "020000006800e90000000000");
    s.SetPosition(0);
    EXPECT_EQ(ReadAString(s), u"h\u00e9");
    EXPECT_EQ(ReadAString(s), u"");
}

TEST(CountedStrings, BadLengthsThrowTheReadError) {
    const char* cases[] = {
        "70170000",          // 6000, above the default limit of 5000
        "feffffff",          // negative
        "03000000 61006200", // short: never a partly filled string
        "0100",              // no whole length
    };
    for (const char* hex : cases) {
        SCOPED_TRACE(hex);
        TBytesStream s(Unhex(hex));
        try {
            ReadAString(s);
            ADD_FAILURE() << "no error";
        } catch (const platform::EReadError& e) {
            EXPECT_STREQ(e.what(), "file read error : ReadAString");
        }
    }
    TBytesStream s(Unhex("02000000 61006200"));
    EXPECT_THROW(ReadAString(s, 1), platform::EReadError);
}

TEST(CountedStrings, TheWriterRefusesWhatTheReaderWouldRefuse) {
    TMemoryStream s;
    EXPECT_FALSE(WriteAString(s, std::u16string(size_t(global_string_safety_limit) + 1, u'a')));
    EXPECT_EQ(s.Size(), 0);
    EXPECT_TRUE(WriteAString(s, std::u16string(size_t(global_string_safety_limit), u'a')));
}

// ---- searches, sorted insertion, duplicates ----

std::vector<int32_t> Values(const TQMLongintList& l) {
    std::vector<int32_t> v;
    for (int i = 0; i < l.Count(); ++i)
        v.push_back(l.GetAValue(i));
    return v;
}

TEST(LongintList, SortedInsertionAndDuplicates) {
    TQMLongintList list;
    for (int v : {5, 3, 5, 1})
        list.AddOne(v);
    list.SortAscendingDefault();
    EXPECT_TRUE(list.sorted);
    list.RemoveDuplicates();
    EXPECT_EQ(Values(list), (std::vector<int32_t>{1, 3, 5}));

    TQMLongintList sorted;
    sorted.AddOne(1);
    sorted.AddOne(3);
    sorted.SortAscendingDefault();
    sorted.AddOne(2);
    EXPECT_EQ(Values(sorted), (std::vector<int32_t>{1, 2, 3}));
    sorted.AddOne(3);
    sorted.AddOne(0);
    sorted.AddOne(9);
    EXPECT_EQ(Values(sorted), (std::vector<int32_t>{0, 1, 2, 3, 3, 9}));
    EXPECT_TRUE(sorted.sorted);
}

TEST(LongintList, WhatKeepsAndWhatClearsSorted) {
    TQMLongintList list;
    for (int v : {2, 1})
        list.AddOne(v);
    list.SortAscendingDefault();
    list.ReverseTheSort();
    EXPECT_EQ(Values(list), (std::vector<int32_t>{2, 1}));
    EXPECT_FALSE(list.sorted);
    list.Sort([](const void* a, const void* b) { return -SortLongints(a, b); });
    EXPECT_FALSE(list.sorted); // not the key order
    list.SortAscendingDefault();
    EXPECT_TRUE(list.InsertOne(0, 7));
    EXPECT_FALSE(list.sorted);
    EXPECT_FALSE(list.InsertOne(9, 7));

    TCardinalList cards;
    cards.AddOne(1);
    cards.SortAscendingDefault();
    EXPECT_TRUE(cards.sorted);
    cards.AddOne(0); // an append may break the order
    EXPECT_FALSE(cards.sorted);
    EXPECT_EQ(cards.IndexOf(0), 1);
}

TEST(LongintList, SearchesAndGetters) {
    TQMLongintList list;
    for (int v : {4, 8, 15, 16, 23, 42})
        list.AddOne(v);
    list.SortAscendingDefault();
    EXPECT_EQ(list.Find(23), 4);
    EXPECT_EQ(list.Find(5), -1);
    EXPECT_GE(list.nearest, 0);
    EXPECT_EQ(list.IndexOf(4), 0);
    EXPECT_EQ(list.GetAValue(-1), -1);
    EXPECT_EQ(list.GetAValue(6), -1);
    EXPECT_EQ(list.FindAndFree(15), 2);
    EXPECT_EQ(Values(list), (std::vector<int32_t>{4, 8, 16, 23, 42}));
    EXPECT_EQ(list.FindAndFree(15), -1);
    EXPECT_EQ(list.Find(42), 4); // no null slot left behind
}

TEST(LongintList, ActiveListCurrentItem) {
    struct TCase {
        int current;
        int32_t remove;
        int expected_current;
    } cases[] = {
        {2, 30, 1}, // the current value removed: one back
        {0, 10, 3}, // at the start: to the last
        {3, 10, 2}, // an earlier value removed: still the same value
        {1, 40, 1}, // a later value removed
        {1, 99, 1}, // nothing found: nothing moves
        {-1, 99, -1},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.remove);
        TQMActiveLongintList list;
        for (int v : {10, 20, 30, 40, 50})
            list.AddOneAndSetCountCurrent(v);
        EXPECT_EQ(list.GetCurrentItem(), 4);
        list.SetCurrentItem(c.current);
        list.FindAndFree(c.remove);
        EXPECT_EQ(list.GetCurrentItem(), c.expected_current);
    }
    TQMActiveLongintList list;
    list.AddOneAndSetCountCurrent(5);
    EXPECT_EQ(list.CurrentItemValue(), 5);
    list.Clear();
    EXPECT_EQ(list.GetCurrentItem(), -1);
    EXPECT_EQ(list.CurrentItemValue(), -1);
}

TEST(OtherTypedLists, SearchesAndFrequencies) {
    TCardinalAndFreqList freqs;
    freqs.AddOneOrIncFreq({7, 10});
    freqs.AddOneOrIncFreq({7, 10});
    ASSERT_EQ(freqs.Count(), 1);
    EXPECT_EQ(freqs.GetACardAndFreq(0).f, 11);

    freqs.SortOnCardinals();
    for (uint32_t c : {9u, 1u, 8u, 3u, 1u})
        freqs.AddOneOrIncFreq({c, 1});
    std::vector<uint32_t> cs;
    for (int i = 0; i < freqs.Count(); ++i)
        cs.push_back(freqs.GetACardAndFreq(i).c);
    EXPECT_EQ(cs, (std::vector<uint32_t>{1, 3, 7, 8, 9}));
    EXPECT_EQ(freqs.IndexOf(8), 3);
    freqs.SortOnFrequencies(true);
    EXPECT_FALSE(freqs.sorted);
    EXPECT_EQ(freqs.GetACardAndFreq(0).c, 7u);
    EXPECT_EQ(freqs.Find(9), freqs.IndexOf(9)); // found though unsorted
    EXPECT_GE(freqs.Find(9), 0);
    EXPECT_FALSE(freqs.SetACardAndFreq(5, {}));
    EXPECT_EQ(freqs.GetACardAndFreq(5).c, 0u);

    TQMInt64List big;
    big.SortAscendingDefault();
    for (int64_t v : {int64_t(1) << 40, int64_t(-3), int64_t(7)})
        big.AddOne(v);
    EXPECT_EQ(big.GetAValue(0), -3);
    EXPECT_EQ(big.FindInSorted(int64_t(1) << 40), 2);
    EXPECT_EQ(big.GetAValue(3), -1);

    TIntegerAndSingleList singles;
    singles.AddOne({1, 2.5f});
    singles.AddOne({2, NAN});
    singles.AddOne({3, -1.0f});
    singles.SortAscendingDefault();
    EXPECT_EQ(singles.GetOne(0).int_, 3);
    EXPECT_EQ(singles.GetOne(2).int_, 2); // NaN last
    EXPECT_EQ(singles.Find(2.5f), 1);

    TWordFreqAndSourceNumList words;
    EXPECT_EQ(words.HighestFrequency(), 0);
    words.AddOne({u"a", 5, 1});
    words.AddOne({u"b", 2, 1});
    words.SortOnFreqs();
    EXPECT_EQ(words.GetNext().w, u"b");
    EXPECT_EQ(words.GetNext().w, u"a");
    EXPECT_EQ(words.GetNext().w, u"");
    EXPECT_EQ(words.HighestFrequency(), 5);

    TIntegerAnd3CardinalsList triples;
    triples.AddOne({-1, {}});
    triples.AddOne({5, {}});
    triples.SortAscendingDefault(); // freq as unsigned: -1 is the largest
    TIntegerAnd3CardinalsRec r;
    ASSERT_TRUE(triples.GetAValue(1, r));
    EXPECT_EQ(r.freq, -1);
    EXPECT_FALSE(triples.GetAValue(2, r));

    TStringColumnAndColourList cols;
    cols.AddOne({7, 1, u"x"});
    EXPECT_EQ(cols.IndexOfTrueColumn(7), 0);
    EXPECT_EQ(cols.IndexOfTrueColumn(8), -1);
    EXPECT_EQ(cols.GetATrueColumn(3), -1);
    EXPECT_FALSE(cols.SetAString(3, u"y"));
}

// ---- tuple lists ----

template <class L, class R> std::vector<R> Recs(const L& l, R (L::*get)(int) const) {
    std::vector<R> v;
    for (int i = 0; i < l.Count(); ++i)
        v.push_back((l.*get)(i));
    return v;
}

std::string Order3(const T3LongintList& l) {
    std::string s;
    for (int i = 0; i < l.Count(); ++i) {
        const T3_longint_rec r = l.GetATriple(i);
        s += std::to_string(r.long0) + std::to_string(r.long1) + std::to_string(r.long2) + " ";
    }
    return s;
}

std::string Order4(const T4LongintList& l) {
    std::string s;
    for (int i = 0; i < l.Count(); ++i) {
        const T4_longint_rec r = l.GetAQuad(i);
        s += std::to_string(r.long0) + std::to_string(r.long1) + std::to_string(r.long2) +
             std::to_string(r.long3) + " ";
    }
    return s;
}

TEST(TupleLists, Sorts) {
    const T3_longint_rec start3[] = {{2, 1, 0}, {1, 1, 2}, {1, 0, 1}, {2, 0, 2}};
    struct TCase {
        const char* name;
        std::function<void(T3LongintList&)> sort;
        const char* expected;
    } cases[] = {
        {"unsorted", [](T3LongintList&) {}, "210 112 101 202 "},
        {"by long1", [](T3LongintList& l) { l.SortDefault(t3_long1); }, "101 202 210 112 "},
        {"long0 then long1", [](T3LongintList& l) { l.DoubleSort(t3_long0, t3_long1); },
         "101 112 202 210 "},
        {"same key twice", [](T3LongintList& l) { l.DoubleSort(t3_long2, t3_long2); },
         "210 101 112 202 "},
        {"long1, long0, long2",
         [](T3LongintList& l) { l.TripleSort(t3_long1, t3_long0, t3_long2); }, "101 202 112 210 "},
        {"repeated third", [](T3LongintList& l) { l.TripleSort(t3_long2, t3_long0, t3_long2); },
         "210 101 112 202 "},
        {"first equals second: unchanged",
         [](T3LongintList& l) { l.TripleSort(t3_long1, t3_long1, t3_long0); }, "210 112 101 202 "},
        {"selector beyond the record", [](T3LongintList& l) { l.SortDefault(T3LongintSort(7)); },
         "210 112 101 202 "},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.name);
        T3LongintList list;
        for (const auto& r : start3)
            list.AddOne(r);
        c.sort(list);
        EXPECT_EQ(Order3(list), c.expected);
        EXPECT_FALSE(list.sorted);
    }

    T4LongintList quads;
    for (const auto& r : start3)
        quads.AddOne({r.long0, r.long1, r.long2, 0});
    quads.TripleSort(t4_long1, t4_long1, t4_long0);
    EXPECT_EQ(Order4(quads), "1010 2020 1120 2100 ");
}

TEST(TupleLists, FieldsTotalsAndGetters) {
    T2LongintList pairs;
    pairs.AddOne({1, 10});
    pairs.AddOne({2, 20});
    pairs.IncOne(0, t2_long0);
    pairs.AddToOneFreq(1, 5, t2_long1);
    pairs.AddToOneFreq(9, 5, t2_long1); // unassigned: nothing
    EXPECT_EQ(pairs.GetADouble(0).long0, 2);
    EXPECT_EQ(pairs.GetADouble(1).long1, 25);
    EXPECT_EQ(pairs.TotalOf(t2_long1), 35);
    EXPECT_EQ(pairs.TotalOf(T2LongintSort(2)), 0);
    EXPECT_EQ(pairs.LongIndexOf(25, t2_long1), 1);
    EXPECT_EQ(pairs.LongIndexOf(3, t2_long0), -1);
    EXPECT_EQ(pairs.GetADouble(2).long0, -1);
    EXPECT_EQ(pairs.GetADouble(2).long1, -1);
    EXPECT_FALSE(pairs.SetADouble(2, {}));
    pairs.AddToOneFreq(0, std::numeric_limits<int32_t>::max(), t2_long0); // wraps, no trap
    EXPECT_EQ(pairs.GetADouble(0).long0, std::numeric_limits<int32_t>::min() + 1);
    EXPECT_EQ(pairs.TotalOf(t2_long0), int64_t(std::numeric_limits<int32_t>::min()) + 3);

    T4LongintList quads;
    EXPECT_EQ(quads.GetAQuad(0).long3, -1);
}

// ---- free routines ----

TEST(UsefulRoutines, ComputedByteDivisions) {
    struct TCase {
        int32_t n;
        int64_t total;
        std::vector<int64_t> expected;
    } cases[] = {
        {3, 10, {3, 7, 10}},
        {4, 10, {2, 5, 8, 10}}, // 2.5 -> 2, 7.5 -> 8: halves to even
        {1, 7, {7}},
        {0, 10, {}},
        {-2, 10, {}},
        {2, (int64_t(1) << 40) + 1, {int64_t(1) << 39, (int64_t(1) << 40) + 1}},
        {3, 16777217, {5592406, 11184811, 16777217}},
        {2, -3, {-2, -3}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.n);
        EXPECT_EQ(ComputedByteDivisions(c.n, c.total), c.expected);
    }
}

TEST(UsefulRoutines, Comparisons) {
    EXPECT_EQ(CompareLongints(-1, 1), -1);
    EXPECT_EQ(CompareCardinals(0xFFFFFFFFu, 1), 1);
    EXPECT_EQ(CompareInt64s(5, 5), 0);
    EXPECT_EQ(CompareSingles(NAN, 1.0f), 1);
    EXPECT_EQ(CompareSingles(NAN, NAN), 0);
    EXPECT_EQ(CompareSingles(-0.0f, 0.0f), 0);
    EXPECT_EQ(CompareDates(1.0, 2.0), 1); // earlier sorts after
    EXPECT_EQ(CompareJulianDates(3.0, 2.0), -1);
    EXPECT_EQ(Compare2Strings(u"B", u"a"), -1);
    EXPECT_EQ(CompareIntAnd3CardinalsFreq({-1, {}}, {1, {}}), 1);
    EXPECT_EQ(CompareIntAnd2CardinalsFreq({-1, {}}, {1, {}}), -1);
    EXPECT_EQ(CrudeStringComparison(u"abd", u"abc"), 1);
    EXPECT_EQ(CrudeStringComparison(u"ab", u"abc"), -int(u'c'));
    EXPECT_EQ(CrudeStringComparison(u"x", u"x"), 0);

    EXPECT_EQ(ComparePWidechar(0x0409, u"apple", u"Banana"), -1);
    EXPECT_EQ(ComparePWidechar(0x0409, u"b", u"b"), 0);
    EXPECT_EQ(ComparePAnsichar(0x0409, "b", "a"), 1);
    EXPECT_EQ(ComparePWidechar(0x7FFF0, u"a", u"b"), -2); // no such locale
    EXPECT_EQ(LCIDStringComparison(u"", u"a", 0x0409), -1);
    EXPECT_EQ(LCIDStringComparison(u"a", u"", 0x0409), 1);
    EXPECT_EQ(LCIDStringComparison(u"", u"", 0x0409), 0);
    EXPECT_EQ(LCIDStringComparison(u"b", u"a", 0x0409), 1);

    my_default_sort = 0x1; // ignore case
    EXPECT_EQ(ComparePWidechar(0x0409, u"ABC", u"abc"), 0);
    my_default_sort = 0;
    EXPECT_NE(ComparePWidechar(0x0409, u"ABC", u"abc"), 0);

    T2_longint_rec a{1, 2}, b{3, 4};
    ExchangeTwoDoubleLongintRecs(a, b);
    EXPECT_EQ(a.long0, 3);
    EXPECT_EQ(b.long1, 2);
}

} // namespace
} // namespace qm7
