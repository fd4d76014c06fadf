#include "platform/stringlist.h"

#include <filesystem>
#include <fstream>
#include <iterator>

#include <gtest/gtest.h>

#include "platform/settings.h"
#include "platform/stream.h"

namespace qm7::platform {
namespace {

namespace fs = std::filesystem;

std::vector<std::u16string> Lines(const TStringList& list) {
    std::vector<std::u16string> lines;
    for (int i = 0; i < list.Count(); ++i)
        lines.push_back(list.Strings(i));
    return lines;
}

TStringList& Fill(TStringList& list, std::initializer_list<std::u16string> lines) {
    for (const auto& s : lines)
        list.Add(s);
    return list;
}

class StringListTest : public ::testing::Test {
protected:
    void SetUp() override { ResetSettings(); }
    void TearDown() override { ResetSettings(); }
};

using V = std::vector<std::u16string>;

TEST_F(StringListTest, SortedListInsertsInOrderAndFindsIgnoringCase) {
    TStringList list;
    list.SetSorted(true);
    Fill(list, {u"cherry", u"Banana", u"apple", u"date"});
    EXPECT_EQ(Lines(list), (V{u"apple", u"Banana", u"cherry", u"date"}));

    int index = -1;
    EXPECT_TRUE(list.Find(u"BANANA", index));
    EXPECT_EQ(index, 1);
    EXPECT_FALSE(list.Find(u"blueberry", index));
    EXPECT_EQ(index, 2) << "where it would go";
    EXPECT_EQ(list.IndexOf(u"DATE"), 3);
    EXPECT_EQ(list.IndexOf(u"fig"), -1);

    EXPECT_THROW(list.Insert(0, u"zzz"), EStringListError);
    EXPECT_THROW(list.SetString(0, u"zzz"), EStringListError);
    EXPECT_THROW((void)list.Strings(4), EStringListError);
    EXPECT_THROW((void)list.Objects(-1), EStringListError);
}

TEST_F(StringListTest, DuplicatesPolicy) {
    struct Case {
        TDuplicates policy;
        bool case_sensitive;
        int expected_count;
        bool throws;
    };
    const Case cases[] = {
        {dupIgnore, false, 2, false},
        {dupAccept, false, 3, false},
        {dupError, false, 2, true},
        {dupError, true, 3, false}, // "APPLE" differs from "apple" when case counts
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.policy) * 10 + c.case_sensitive);
        TStringList list;
        list.SetSorted(true);
        list.SetCaseSensitive(c.case_sensitive);
        list.SetDuplicates(c.policy);
        list.AddInteger(u"apple", 1);
        list.AddInteger(u"pear", 2);
        if (c.throws) {
            EXPECT_THROW(list.AddInteger(u"APPLE", 3), EStringListError);
        } else {
            const int index = list.AddInteger(u"APPLE", 3);
            EXPECT_EQ(list.Strings(index), c.policy == dupIgnore ? u"apple" : u"APPLE");
        }
        EXPECT_EQ(list.Count(), c.expected_count);
    }

    TStringList accepting; // equal strings stay in the order they came
    accepting.SetSorted(true);
    accepting.SetDuplicates(dupAccept);
    for (int i = 0; i < 4; ++i)
        accepting.AddInteger(i % 2 ? u"Same" : u"same", i);
    accepting.Add(u"a");
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(accepting.Integers(i + 1), i);
}

TEST_F(StringListTest, ComparisonModes) {
    struct Case {
        bool use_locale;
        bool case_sensitive;
        V sorted;
    };
    const Case cases[] = {
        {true, false, {u"apple", u"Banana", u"cherry", u"\u00e9clair", u"zebra"}},
        {true, true, {u"apple", u"Apple", u"Banana", u"\u00e9clair", u"zebra"}},
        {false, true, {u"Apple", u"Banana", u"apple", u"zebra", u"\u00e9clair"}},
        {false, false, {u"apple", u"Banana", u"cherry", u"zebra", u"\u00e9clair"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.use_locale * 10 + c.case_sensitive);
        TStringList list;
        list.SetUseLocale(c.use_locale);
        list.SetCaseSensitive(c.case_sensitive);
        std::vector<std::u16string> shuffled = c.sorted;
        std::reverse(shuffled.begin(), shuffled.end());
        for (const auto& s : shuffled)
            list.Add(s);
        list.SetSorted(true);
        EXPECT_EQ(Lines(list), c.sorted);
    }

    TStringList list;
    list.SetSorted(true);
    Fill(list, {u"Apple", u"apple"});
    EXPECT_EQ(list.Count(), 1) << "the same word in another case is a duplicate";
    list.SetCaseSensitive(true);
    EXPECT_EQ(list.IndexOf(u"APPLE"), -1);

    // The order follows the user locale: Swedish puts o-umlaut after z.
    TStringList swedish;
    Fill(swedish, {u"\u00f6l", u"zon", u"ost"});
    swedish.SetSorted(true);
    EXPECT_EQ(Lines(swedish), (V{u"\u00f6l", u"ost", u"zon"}));
    ASSERT_TRUE(SetUserLCID(0x041D));
    swedish.Sort();
    EXPECT_EQ(Lines(swedish), (V{u"ost", u"zon", u"\u00f6l"}));
}

TEST_F(StringListTest, TextSplitsAtEveryKindOfLineBreak) {
    struct Case {
        std::u16string text;
        V lines;
    };
    const Case cases[] = {
        {u"a\r\nb\nc\rd", {u"a", u"b", u"c", u"d"}},
        {u"a\r\n", {u"a"}},
        {u"a\n\rb", {u"a", u"", u"b"}},
        {u"a\r\n\r\nb", {u"a", u"", u"b"}},
        {u"\r\n", {u""}},
        {u"", {}},
        {std::u16string(u"a\0b", 3), {u"a", u"b"}},
    };
    TStringList list;
    for (const Case& c : cases) {
        list.SetText(c.text);
        EXPECT_EQ(Lines(list), c.lines) << std::string(c.text.begin(), c.text.end());
    }
    Fill(list, {u"x", u"y"});
    EXPECT_EQ(list.Text(), u"a\r\nb\r\nx\r\ny\r\n");

    list.SetLineBreak(u"|");
    list.SetText(u"p|q\r\nr|");
    EXPECT_EQ(Lines(list), (V{u"p", u"q\r\nr"}));
    EXPECT_EQ(list.Text(), u"p|q\r\nr|");
}

struct Counted {
    explicit Counted(int* live) : live(live) { ++*live; }
    ~Counted() { --*live; }
    int* live;
};

TEST_F(StringListTest, OwnedObjectsAreFreedAndAttachmentsTravelWithTheirStrings) {
    int live = 0;
    {
        TStringList list;
        list.OwnObjects<Counted>();
        for (const char16_t* s : {u"one", u"two", u"three", u"four"})
            list.AddObject(s, new Counted(&live));
        list.Delete(0);
        list.SetObject(0, new Counted(&live));
        EXPECT_EQ(live, 3);
        list.SetSorted(true);
        EXPECT_EQ(list.AddObject(u"TWO", nullptr), 2) << "ignored duplicate";
        EXPECT_EQ(live, 3);
    }
    EXPECT_EQ(live, 0);

    TStringList freqs;
    int a = 0, b = 0;
    freqs.AddObject(u"a", &a);
    freqs.AddInteger(u"b", 5);
    freqs.AddInteger(u"c", 9);
    freqs.AddObject(u"d", &b);
    freqs.SetInteger(0, 7);
    freqs.CustomSort([](const TStringList& l, int i, int j) {
        return int(l.Integers(j) - l.Integers(i)); // descending
    });
    EXPECT_EQ(Lines(freqs), (V{u"c", u"a", u"b", u"d"}));
    EXPECT_EQ(freqs.Objects(1), &a);
    freqs.Exchange(0, 3);
    freqs.Move(3, 1);
    EXPECT_EQ(Lines(freqs), (V{u"d", u"c", u"a", u"b"}));
    EXPECT_EQ(freqs.Integers(1), 9);
    EXPECT_EQ(freqs.IndexOfObject(&b), 0);

    freqs.SetSorted(true);
    freqs.Exchange(0, 1);
    EXPECT_FALSE(freqs.Sorted()) << "an exchange breaks the order";
}

class StringListFiles : public StringListTest {
protected:
    void SetUp() override {
        StringListTest::SetUp();
        dir_ = fs::temp_directory_path() / ("qm7_stringlist_" + std::to_string(::getpid()));
        fs::create_directories(dir_);
    }
    void TearDown() override {
        fs::remove_all(dir_);
        StringListTest::TearDown();
    }
    std::string Contents(const fs::path& p) {
        std::ifstream in(p, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    void Put(const fs::path& p, std::string_view bytes) {
        std::ofstream(p, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
    }
    fs::path dir_;
};

TEST_F(StringListFiles, SavesAndLoadsInEveryEncoding) {
    struct Case {
        TTextEncoding encoding;
        std::string_view prefix; // the first bytes of the file
        V lines;
    };
    const V wide{u"h\u00e9llo", u"\u65e5\u672c", u"\U0001D11E clef", u""};
    const Case cases[] = {
        {teUtf16LE, "\xFF\xFEh\0", wide},
        {teUtf16BE, "\xFE\xFF\0h", wide},
        {teUtf8Bom, "\xEF\xBB\xBFh\xC3\xA9", wide},
        {teUtf8, "h\xC3\xA9", wide},
        {teAnsi, "h\xE9llo\r\n", {u"h\u00e9llo", u"caf\u00e9"}},
    };
    const fs::path file = dir_ / "lines.txt";
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.encoding));
        TStringList out;
        for (const auto& s : c.lines)
            out.Add(s);
        out.SaveToFile(file, c.encoding);
        EXPECT_TRUE(Contents(file).starts_with(c.prefix));

        TStringList in;
        in.LoadFromFile(file);
        EXPECT_EQ(Lines(in), c.lines);
        EXPECT_EQ(in.Encoding(), c.encoding);
    }

    TStringList fresh;
    fresh.Add(u"x");
    fresh.SaveToFile(file);
    EXPECT_EQ(Contents(file), std::string("\xFF\xFEx\0\r\0\n\0", 8)) << "UTF-16 LE by default";
}

TEST_F(StringListFiles, BytesWithoutAMarkThatAreNotUtf8UseTheSystemCodePage) {
    const fs::path file = dir_ / "ansi.txt";
    Put(file, "caf\xE9\r\nna\xEFve");
    TStringList list;
    list.LoadFromFile(file);
    EXPECT_EQ(Lines(list), (V{u"caf\u00e9", u"na\u00efve"}));
    EXPECT_EQ(list.Encoding(), teAnsi);

    ASSERT_TRUE(SetSystemCodePage(1251));
    Put(file, "\xC4\xE0");
    list.LoadFromFile(file);
    EXPECT_EQ(Lines(list), (V{u"\u0414\u0430"}));

    // A stream is read from its position on; an odd byte of UTF-16 is dropped.
    TMemoryStream stream;
    stream.WriteBuffer(std::string_view("skip\xFF\xFEo\0k\0!", 11));
    stream.SetPosition(4);
    list.LoadFromStream(stream);
    EXPECT_EQ(Lines(list), (V{u"ok"}));

    EXPECT_THROW(list.LoadFromFile(dir_ / "missing.txt"), EFOpenError);
}

} // namespace
} // namespace qm7::platform
