#include "runtime1/search/WideMasks.h"

#include <gtest/gtest.h>

namespace qm7 {
namespace {

using Masks = std::vector<std::u16string>;

TEST(WideMasks, BuildAMask) {
    struct TCase {
        std::u16string text;
        Masks masks;
    } cases[] = {
        {u"*.txt;*.htm", {u"*.txt", u"*.htm"}},
        {u"*.txt\r\n*.xml", {u"*.txt", u"*.xml"}},
        {u"*.txt\n*.xml", {u"*.txt", u"*.xml"}},
        {u"  *.txt;*.xml \r\n", {u"*.txt", u"*.xml"}},
        {u"*.txt;;*.xml", {u"*.txt", u"", u"*.xml"}},
        {u"*.txt;", {u"*.txt"}},
        {u"a; b ;c", {u"a", u" b ", u"c"}},
        {u"", {}},
        {u";", {u""}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(std::string(c.text.begin(), c.text.end()));
        Masks masks{u"left over"};
        BuildAMask(masks, c.text);
        EXPECT_EQ(masks, c.masks);
    }
}

TEST(WideMasks, MatchesMask) {
    struct TCase {
        const char16_t* name;
        const char16_t* mask;
        bool matches;
    } cases[] = {
        {u"a.txt", u"*.txt", true},
        {u"A.TXT", u"*.txt", true},
        {u"\u00c9T\u00c9.txt", u"\u00e9t\u00e9.*", true},
        {u"a.txt.bak", u"*.txt", false},
        {u"a.txt", u"?.txt", true},
        {u"ab.txt", u"?.txt", false},
        {u".txt", u"?.txt", false}, // "?" is exactly one character
        {u"readme", u"*.*", true},  // no dot, still matched
        {u"readme", u"*.", false},
        {u"a.b.c", u"*.c", true},
        {u"abc", u"a*b*c*", true},
        {u"abc", u"a*d", false},
        {u"dir\\file.txt", u"dir/*.txt", true},
        {u"dir/file.txt", u"dir\\*.txt", true},
        {u"a.txt", u"  *.txt ", true},
        {u"a.txt", u"*.doc; *.txt", true},
        {u"a.txt", u"", false},
        {u"a.txt", u"   ", false},
        {u"", u"*", false},
        {u"x", u"*", true},
        {u"*? ", u"*", true}, // a star in the name is no star of the mask
        {u"a*c", u"a*", true},
        {u"a?", u"a?", true},
        {u"\U0001F600.txt", u"?.txt", true}, // one character, two code units
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << std::string(c.name, c.name + std::char_traits<char16_t>::length(c.name)));
        EXPECT_EQ(MatchesMask(c.name, c.mask), c.matches);
    }
}

TEST(WideMasks, WhereInAMask) {
    Masks masks;
    BuildAMask(masks, u"*.txt;;*.htm");
    EXPECT_EQ(WhereInAMask(u"PAGE.HTM", masks), 2);
    EXPECT_EQ(WhereInAMask(u"notes.txt", masks), 0);
    EXPECT_EQ(WhereInAMask(u"image.png", masks), -1);
    EXPECT_EQ(WhereInAMask(u"", masks), -1);
    EXPECT_EQ(WhereInAMask(u"x", Masks{u"", u"*"}), 1);
}

TEST(WideMasks, ManyStarsStayCheap) {
    // A recursive matcher takes exponential time here; this one does not.
    const std::u16string name(2000, u'a');
    std::u16string mask;
    for (int i = 0; i < 200; ++i)
        mask += u"*a";
    mask += u"b";
    EXPECT_FALSE(MatchesMask(name, mask));
    EXPECT_TRUE(MatchesMask(name + u"b", mask));
}

} // namespace
} // namespace qm7
