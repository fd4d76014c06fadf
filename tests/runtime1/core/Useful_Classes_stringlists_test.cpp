#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "platform/stream.h"
#include "runtime1/core/Useful_Classes.h"

namespace qm7 {
namespace {

using platform::TMemoryStream;

std::string Hex(std::string_view bytes) {
    static const char* digits = "0123456789abcdef";
    std::string out;
    for (unsigned char c : bytes) {
        out += digits[c >> 4];
        out += digits[c & 15];
    }
    return out;
}

TMySearchFlags Flags(std::initializer_list<TMySearchFlag> f) {
    return TMySearchFlags(f);
}

// ---- search-word markers ----

TEST(SearchWordMarkers, FlagsFromSW) {
    struct TCase {
        std::u16string in, out;
        TMySearchFlags flags;
    } cases[] = {
        {u"ing", u"ing", Flags({myLeftBounded, myRightBounded})},
        {u"*ing", u"ing", Flags({myRightBounded})},
        {u"ing*", u"ing", Flags({myLeftBounded})},
        {u"*in*", u"in", Flags({})},
        {u"==Paris==", u"Paris", Flags({myLeftBounded, myRightBounded, myCaseIsSensitive})},
        {u"==Paris*==", u"Paris", Flags({myLeftBounded, myCaseIsSensitive})},
        {u"==Paris", u"==Paris", Flags({myLeftBounded, myRightBounded})},
        {u"==", u"==", Flags({myLeftBounded, myRightBounded})}, // the pairs would overlap
        {u"====", u"", Flags({myLeftBounded, myRightBounded, myCaseIsSensitive})},
        {u"~the", u"the", Flags({myLeftBounded, myRightBounded, mySW_To_Avoid})},
        {u"~th*", u"th", Flags({myLeftBounded, mySW_To_Avoid})},
        {u"*~the", u"~the", Flags({myRightBounded})}, // one prefix rule only
        {u"*", u"", Flags({myRightBounded})},
        {u"", u"", Flags({myLeftBounded, myRightBounded})},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(std::string(c.in.begin(), c.in.end()));
        std::u16string sw = c.in;
        EXPECT_EQ(FlagsFromSW(sw).ToBits(), c.flags.ToBits());
        EXPECT_EQ(sw, c.out);
    }
}

TEST(SearchWordMarkers, SWStringPlusFlagsRebuildsTheText) {
    const std::u16string words[] = {u"ing", u"*ing", u"ing*", u"*in*", u"==Paris==", u"==*Par*=="};
    for (const std::u16string& typed : words) {
        std::u16string sw = typed;
        const TMySearchFlags flags = FlagsFromSW(sw);
        EXPECT_EQ(SWStringPlusFlags(sw, flags), typed);
    }
    std::u16string avoid = u"~the";
    const TMySearchFlags flags = FlagsFromSW(avoid);
    EXPECT_EQ(SWStringPlusFlags(avoid, flags), u"the"); // avoiding is not shown
}

TEST(SearchWordMarkers, KeyAndValue) {
    EXPECT_EQ(KeyOfKeyPlusValue(u" love = 3 "), u"love");
    EXPECT_EQ(KeyOfKeyPlusValue(u"love"), u"");
    EXPECT_EQ(ValueOfKeyPlusValue(u"love = 3 "), 3);
    EXPECT_EQ(ValueOfKeyPlusValue(u"love=-12"), -12);
    EXPECT_EQ(ValueOfKeyPlusValue(u"love=x"), 0);
    EXPECT_EQ(ValueOfKeyPlusValue(u"love=99999999999"), 0);
    EXPECT_EQ(ValueOfKeyPlusValue(u"love"), 0);
    EXPECT_EQ(DefaultSimpleSearchSettings().spare_wordcount_multiplier, 1000);
    EXPECT_EQ(DefaultSimpleSearchSettings().markup_search_span, 200);
}

// ---- simple search lists ----

class SimpleSearchFile : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() / "qm7_simple_search_test";
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }
    std::filesystem::path Write(const std::string& utf8) {
        const auto file = dir_ / "words.txt";
        std::ofstream(file, std::ios::binary) << utf8;
        return file;
    }
    std::filesystem::path dir_;
};

TEST_F(SimpleSearchFile, ItemsKeysAndCounts) {
    const auto file = Write("; a comment\n// another\n\nLOVE=3, hate\n*ing -> ==Paris==,~the\n");
    TSimpleSearchlist list(DefaultSimpleSearchSettings());
    ASSERT_TRUE(list.LoadFromFile(file, false));
    ASSERT_EQ(list.Count(), 5);
    struct TExpected {
        std::u16string seek;
        int32_t n_wanted;
        TMySearchFlags flags;
    } expected[] = {
        {u"LOVE=3", 3, Flags({myLeftBounded, myRightBounded})},
        {u"HATE", 1, Flags({myLeftBounded, myRightBounded})},
        {u"ING", 1, Flags({myRightBounded})},
        {u"Paris", 1, Flags({myLeftBounded, myRightBounded, myCaseIsSensitive})},
        {u"THE", 1, Flags({myLeftBounded, myRightBounded, mySW_To_Avoid})},
    };
    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(list.GetAValue(i).seek, expected[i].seek);
        EXPECT_EQ(list.GetAValue(i).n_wanted, expected[i].n_wanted);
        EXPECT_EQ(list.GetAValue(i).flags.ToBits(), expected[i].flags.ToBits());
    }
    EXPECT_EQ(list.GetATypedInSW(2), u"*ING");
    EXPECT_EQ(list.GetATypedInSW(3), u"==Paris==");
    EXPECT_EQ(list.GetATypedInSW(9), u"");
    EXPECT_EQ(list.AsText(u"|"), u"LOVE=3|HATE|ING|Paris|THE");
}

TEST_F(SimpleSearchFile, RequireEqualsSign) {
    const auto file = Write("LOVE=3, hate\n~Rome=2, *mad*=4\n");
    TSimpleSearchlist list;
    ASSERT_TRUE(list.LoadFromFile(file, true));
    ASSERT_EQ(list.Count(), 4);
    EXPECT_EQ(list.GetAValue(0).seek, u"LOVE");
    EXPECT_EQ(list.GetAValue(0).n_wanted, 3);
    EXPECT_EQ(list.GetAValue(1).seek, u""); // no "="
    EXPECT_EQ(list.GetAValue(1).n_wanted, 1);
    EXPECT_EQ(list.GetAValue(2).seek, u"ROME");
    EXPECT_TRUE(list.GetAValue(2).flags.Contains(mySW_To_Avoid));
    EXPECT_EQ(list.GetAValue(2).n_wanted, 2);
    EXPECT_EQ(list.GetAValue(3).seek, u"MAD");
    EXPECT_FALSE(list.GetAValue(3).flags.Contains(myLeftBounded));
    EXPECT_EQ(list.GetAValue(3).n_wanted, 4);
}

TEST_F(SimpleSearchFile, MissingFileAndCopies) {
    TSimpleSearchlist list;
    list.AddOne({u"X", 1, {}});
    EXPECT_FALSE(list.LoadFromFile(dir_ / "missing.txt", false));
    EXPECT_EQ(list.Count(), 0); // cleared first

    TSimpleSearchlist source({5, 6});
    source.AddOne({u"A", 1, {}});
    source.AddOne({u"B", 2, {}});
    TSimpleSearchlist target;
    target.AddOne({u"Z", 1, {}});
    EXPECT_EQ(target.AddAll(source), 1 + 2);
    EXPECT_EQ(target.Settings.markup_search_span, 6);
    EXPECT_EQ(target.AsText(u","), u"Z,A,B");
    EXPECT_EQ(target.GetAValue(7).seek, u"");
}

// ---- string lists with attached numbers ----

TEST(StringListsWithNumbers, LongintTextAndFrequency) {
    TStringListWithALongint list;
    list.SetTextStr(u"cat\t7\r\ndog\n\tpig\t3\r\nrat\tx\r\n");
    ASSERT_EQ(list.Count(), 4);
    struct {
        std::u16string s;
        int32_t v;
    } expected[] = {{u"cat", 7}, {u"dog", -1}, {u"\tpig\t3", -1}, {u"rat\tx", -1}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(list.Strings(i), expected[i].s);
        EXPECT_EQ(list.GetOne(i), expected[i].v);
    }
    EXPECT_EQ(list.HighestFrequency(), 7);
    list.AddOne(u"eel", 9);
    list.SortOnFreq();
    EXPECT_EQ(list.Strings(0), u"eel");
    EXPECT_EQ(list.Strings(1), u"cat");
    EXPECT_EQ(list.GetOne(5), 0);
    EXPECT_FALSE(list.SetOne(5, 1));

    TStringListWithALongint bars;
    bars.SetLineBreak(u"|");
    bars.SetTextStr(u"a\t1|b");
    ASSERT_EQ(bars.Count(), 2);
    EXPECT_EQ(bars.GetOne(0), 1);
}

TEST(StringListsWithNumbers, IntAndSingleSortOrders) {
    struct TEntry {
        const char16_t* s;
        int32_t i;
        float f;
    };
    const TEntry entries[] = {{u"b", 1, 2}, {u"a", 1, 1}, {u"B", 2, 1}, {u"a", 2, 3}};
    struct TCase {
        const char* name;
        std::function<void(TStringListWithIntAndSingle&)> sort;
        const char* order; // the original positions
    } cases[] = {
        {"int ascending, single descending", [](auto& l) { l.SortOnInt(true); }, "0132"},
        {"int descending, single ascending", [](auto& l) { l.SortOnInt(false); }, "2310"},
        {"single ascending, int descending", [](auto& l) { l.SortOnSingle(true); }, "2103"},
        {"single descending, int ascending", [](auto& l) { l.SortOnSingle(false); }, "3012"},
        {"strings descending, single descending", [](auto& l) { l.SortOnStrings(true); }, "0312"},
        {"strings ascending, single ascending", [](auto& l) { l.SortOnStrings(false); }, "2130"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.name);
        TStringListWithIntAndSingle list;
        for (const TEntry& e : entries)
            list.AddOne(e.s, {e.i, e.f});
        // Each entry's position is kept in its integer slot to read the order.
        for (int i = 0; i < list.Count(); ++i)
            list.SetInteger(i, i);
        c.sort(list);
        std::string order;
        for (int i = 0; i < list.Count(); ++i)
            order += char('0' + list.Integers(i));
        EXPECT_EQ(order, c.order);
    }
}

TEST(StringListsWithNumbers, PairsOrListsOfPairs) {
    TStringListWith2LongintList list;
    EXPECT_EQ(list.AddOrIncOne(u"x", {1, 2}), 0);
    EXPECT_EQ(list.AddOrIncOne(u"x", {3, 4}), 0);
    ASSERT_NE(list.GetList(0), nullptr);
    EXPECT_EQ(list.GetList(0)->Count(), 2);
    EXPECT_EQ(list.GetOne(0).long0, 0); // a list, not a pair
    EXPECT_FALSE(list.SetOne(0, {1, 1}));

    list.AddOne(u"p", {1, 5});
    list.AddOne(u"q", {3, 1});
    list.AddOne(u"r", {3, 0});
    EXPECT_EQ(list.AddOrIncOne(u"p", {1, 1}), -1); // a pair, not a list
    EXPECT_EQ(list.GetList(1), nullptr);
    list.IncOne(1, t2_long0);
    list.AddToOneFreq(1, 10, t2_long1);
    EXPECT_EQ(list.GetOne(1).long0, 2);
    EXPECT_EQ(list.GetOne(1).long1, 15);
    EXPECT_EQ(list.Repeateds(t2_long0), 3);
    EXPECT_EQ(list.Repeateds(t2_long1), 1);
    list.SortOnFreq(); // long0 descending, then long1 ascending
    EXPECT_EQ(list.Strings(0), u"r");
    EXPECT_EQ(list.Strings(1), u"q");
    EXPECT_EQ(list.Strings(2), u"p");
    EXPECT_EQ(list.Strings(3), u"x");
    list.Delete(3);
    EXPECT_EQ(list.Count(), 3);

    // A sorted list that already holds the string frees the pair it refused.
    TStringListWith2LongintList sorted;
    sorted.SetSorted(true);
    sorted.AddOne(u"a", {1, 1});
    EXPECT_EQ(sorted.AddOne(u"A", {2, 2}), 0);
    EXPECT_EQ(sorted.GetOne(0).long0, 1);
}

TEST(StringListsWithNumbers, ListsOfLongintsAndFrequencyIntegers) {
    TStringListWithLongintList list;
    EXPECT_EQ(list.AddOrIncOne(u"w", 5), 1);
    EXPECT_EQ(list.AddOrIncOne(u"w", 5), 1);
    EXPECT_EQ(list.AddOrIncOne(u"w", 6), 2);
    EXPECT_EQ(list.AddOrIncOne(u"v", 6), 1);
    EXPECT_EQ(list.GetOne(0)->GetAValue(1), 6);
    EXPECT_EQ(list.GetOne(2), nullptr);

    TStringListWithFreqPointers freq;
    freq.AddInteger(u"b", 2);
    freq.AddInteger(u"a", 2);
    freq.AddInteger(u"c", 9);
    freq.AddInteger(u"B", 2);
    freq.SortOnFreq();
    EXPECT_EQ(freq.Text(), u"c\r\nB\r\na\r\nb\r\n");

    TStringListWithASingle singles;
    singles.AddOne(u"x", 1.5f);
    singles.AddOne(u"y", 2.5f);
    singles.SortOnFreq();
    EXPECT_EQ(singles.Strings(0), u"y");
    EXPECT_EQ(singles.GetOne(1), 1.5f);
}

// ---- binary string list ----

TEST(SaveStringList, StreamFormAndRoundTrip) {
    TMySaveStringList plain;
    plain.Add(u"ab");
    plain.Add(u"");
    TMemoryStream out;
    plain.SaveToStream(out);
    EXPECT_EQ(Hex(out.Bytes()), "02000000"
                                "02000000"
                                "61006200"
                                "00000000");

    TMySaveStringList with_objects(true);
    with_objects.AddInteger(u"x", -2);
    with_objects.AddInteger(u"y", int64_t(0x100000005)); // only the low 32 bits are stored
    TMemoryStream out2;
    with_objects.SaveToStream(out2);
    EXPECT_EQ(Hex(out2.Bytes()), "02000000"
                                 "feffffff"
                                 "01000000"
                                 "7800"
                                 "05000000"
                                 "01000000"
                                 "7900");

    TMySaveStringList back(true);
    back.Add(u"kept");
    out2.SetPosition(0);
    back.LoadFromStream(out2); // appends
    ASSERT_EQ(back.Count(), 3);
    EXPECT_EQ(back.Integers(1), -2);
    EXPECT_EQ(back.Integers(2), 5);
    EXPECT_EQ(back.Strings(2), u"y");
}

TEST(SaveStringList, BadStreamsAndLongStrings) {
    const char* cases[] = {"0300", "ffffffff", "02000000 01000000 6100", "01000000 70170000 6100"};
    for (const char* hex : cases) {
        SCOPED_TRACE(hex);
        std::string bytes;
        std::string h(hex);
        std::erase(h, ' ');
        for (size_t i = 0; i < h.size(); i += 2)
            bytes += char(std::stoi(h.substr(i, 2), nullptr, 16));
        TMemoryStream in;
        in.WriteBuffer(bytes);
        in.SetPosition(0);
        TMySaveStringList list;
        EXPECT_THROW(list.LoadFromStream(in), platform::EReadError);
        EXPECT_EQ(list.Count(), 0);
    }
    TMySaveStringList list;
    list.Add(std::u16string(size_t(global_string_safety_limit) + 1, u'z'));
    TMemoryStream out;
    EXPECT_THROW(list.SaveToStream(out), platform::EWriteError);
}

// ---- file list ----

TEST(FolderEfficientFileList, FoldersKeptOnce) {
    TFolderEfficientFileStringlist list;
    EXPECT_EQ(list.Add(u"/data/a/one.txt"), 0);
    EXPECT_EQ(list.Add(u"/data/b/two.txt"), 1);
    EXPECT_EQ(list.Add(u"/data/a/three.txt"), 2);
    EXPECT_EQ(list.Add(u"/data/A/one.txt"), 3); // another folder on this system
    EXPECT_EQ(list.Add(u"bare.txt"), 4);
    EXPECT_EQ(list.folders().Count(), 4);
    EXPECT_EQ(list.GetFullFilename(0), u"/data/a/one.txt");
    EXPECT_EQ(list.GetFullFilename(1), u"/data/b/two.txt");
    EXPECT_EQ(list.GetFullFilename(3), u"/data/A/one.txt");
    EXPECT_EQ(list.GetFullFilename(4), u"bare.txt");
    EXPECT_EQ(list.GetFullFilename(5), u"");

    struct {
        const char16_t* full;
        int index;
    } lookups[] = {
        {u"/data/a/one.txt", 0},   {u"/data/A/one.txt", 3},     {u"/data/b/one.txt", -1},
        {u"/data/a/ONE.txt", -1},  {u"/elsewhere/one.txt", -1}, {u"bare.txt", 4},
        {u"/data/a/three.txt", 2},
    };
    for (const auto& l : lookups) {
        SCOPED_TRACE(std::string(l.full, l.full + std::char_traits<char16_t>::length(l.full)));
        EXPECT_EQ(list.IndexOfFullName(l.full), l.index);
    }
    EXPECT_EQ(list.IndexOfShortName(u"THREE.TXT"), 2);
    EXPECT_EQ(list.IndexOfShortName(u"four.txt"), -1);

    list.Delete(0); // folders stay; indices move
    EXPECT_EQ(list.IndexOfFullName(u"/data/a/three.txt"), 1);
    EXPECT_EQ(list.IndexOfFullName(u"/data/a/one.txt"), -1);
    EXPECT_EQ(list.folders().Count(), 4);

    auto names = list.GetAsStringlist();
    ASSERT_EQ(names->Count(), 4);
    EXPECT_EQ(names->Strings(0), u"/data/b/two.txt");

    list.SetFullFilename(0, u"/x/renamed.txt"); // the string only
    EXPECT_EQ(list.files().Strings(0), u"renamed.txt");
    EXPECT_EQ(list.GetFullFilename(0), u"/data/b/two.txt");

    list.Clear();
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.folders().Count(), 0);
    EXPECT_EQ(list.IndexOfFullName(u"/data/b/two.txt"), -1);
}

TEST(FolderEfficientFileList, Sorts) {
    TFolderEfficientFileStringlist list;
    auto rec = [](const char16_t* name, double date, int32_t size) {
        TMySimpleSearchRec r;
        r.ShortName = name;
        r.DateTime = date;
        r.Size = size;
        return r;
    };
    list.AddOne(u"/f2", rec(u"b.txt", 10, 5));  // folder 0
    list.AddOne(u"/f1/", rec(u"a.txt", 30, 5)); // folder 1
    list.AddOne(u"/f2/", rec(u"c.txt", 20, 1));
    list.AddOne(u"/f1", rec(u"d.txt", 10, 2));
    EXPECT_EQ(list.folders().Count(), 2);
    EXPECT_EQ(list.GetFullFilename(3), u"/f1/d.txt");

    struct TCase {
        TMySimpleSearchRecSort how1, how2;
        bool ascending;
        const char* order;
    } cases[] = {
        {ss_date, ss_size, true, "acdb"},  // newest first, then smallest
        {ss_date, ss_size, false, "bdca"}, // oldest first
        {ss_size, ss_none, true, "cdab"},
        {ss_folder, ss_shortname, true, "bcad"},
        {ss_shortname, ss_shortname, false, "dcba"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.order);
        list.DoASort(ss_shortname, ss_none, true);
        list.DoASort(c.how1, c.how2, c.ascending);
        std::string order;
        for (int i = 0; i < list.Count(); ++i)
            order += char(list.GetASimpleSearchRec(i).ShortName[0]);
        EXPECT_EQ(order, c.order);
        EXPECT_EQ(list.sort_1, c.how1);
        // The look-up still finds each file where it now is.
        EXPECT_EQ(list.IndexOfFullName(u"/f1/d.txt"), int(order.find('d')));
    }
    list.DoASort(ss_none, ss_date, true); // remembered, nothing sorted
    EXPECT_EQ(list.sort_2, ss_date);
}

} // namespace
} // namespace qm7
