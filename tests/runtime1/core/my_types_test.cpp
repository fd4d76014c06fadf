#include "runtime1/core/my_types.h"

#include <gtest/gtest.h>

#include "runtime1/core/my_types_mini.h"
#include "runtime1/core/wdef_mini.h"

namespace qm7 {
namespace {

TEST(ToolNames, NamesAndFileNames) {
    EXPECT_EQ(Tool_Name(tt_word_lister), u"Word Lister");
    EXPECT_EQ(Tool_Name(tt_api), u"QM7 API Library");
    EXPECT_EQ(Tool_Name(tt_reserved_8), u"");
    EXPECT_EQ(GetShortToolFilename(tt_word_lister), u"Word_Lister7.exe");
    EXPECT_EQ(GetShortToolFilename(tt_api), u"QM7_API_Library7.dll");
    EXPECT_EQ(GetShortToolFilename(tt_any_main), u"");
    EXPECT_EQ(GetShortToolFilename(tt_no_tool), u"");
    EXPECT_TRUE(GetFullToolFilename(tt_key_finder).ends_with(u"/Key_Finder7.exe"));
}

TEST(ToolNames, ProgramNameMatchesWithoutCaseOrEnding) {
    EXPECT_EQ(ToolFromProgramName(u"WORD_LISTER7.EXE"), tt_word_lister);
    EXPECT_EQ(ToolFromProgramName(u"word_lister7"), tt_word_lister);
    EXPECT_EQ(ToolFromProgramName(u"qm7_api_library7.DLL"), tt_api);
    EXPECT_EQ(ToolFromProgramName(u"Word_Lister6.exe"), tt_no_tool);
    EXPECT_EQ(ToolFromProgramName(u".exe"), tt_no_tool);
    EXPECT_EQ(ToolFromProgramName(u""), tt_no_tool);

    SetCurrentTool(); // the test program is no tool of the suite
    EXPECT_EQ(current_tool_var, tt_no_tool);
}

TEST(ToolNames, Signatures) {
    for (int row = 0; row < kToolTypeCount; ++row) {
        int expected = 36;
        if (row == 0 || row == 2 || row == 4 || row == 6 || row == 7 || row == 14)
            expected = 37;
        else if (row == 11)
            expected = 38;
        else if (row == 21)
            expected = 789;
        EXPECT_EQ(CurrentSignature[size_t(row)], expected) << row;
    }
}

TEST(VersionTexts, CaptionVersionAndHelpAddress) {
    EXPECT_EQ(QuillmarkControllerCaption(), u"Quillmark Tools 7.0");
    EXPECT_EQ(CurrentQMMajorVersion100Str(), u"7.0.0.100");
    EXPECT_TRUE(QuillmarkHelpURL().ends_with(u"/downloads/version7/HTML/"));
    EXPECT_EQ(CardinalToSingle(4000000000u), 4.0e9f);
    EXPECT_EQ(IntToSingle(-3), -3.0f);
}

TEST(SearchFlags, StoredAsOneByteInMemberOrder) {
    TMySearchFlags flags{myCaseIsSensitive, myRightBounded};
    EXPECT_EQ(flags.ToBits(), 0b100100);
    const auto back = TMySearchFlags::FromBits(0b000011);
    EXPECT_TRUE(back.Contains(myReplace));
    EXPECT_TRUE(back.Contains(myConfirmFinds));
    EXPECT_FALSE(back.Contains(mySW_To_Avoid));
}

TEST(Colours, StandardSets) {
    EXPECT_EQ(BogStandardColours().colours[tct_selected_background], 0x660000);
    EXPECT_EQ(StyleSearchColours().colours[tct_text], 0xFFFFFF);
    EXPECT_TRUE(BogStandardColoursAndTypeface().highlight_typeface.Empty());
    const auto style = StyleSearchColoursAndTypeface();
    EXPECT_EQ(style.colourset, StyleSearchColours());
    EXPECT_TRUE(style.default_typeface.Contains(tf_bold));
    EXPECT_TRUE(style.highlight_typeface.Contains(tf_bold));
}

TEST(Colours, SystemColoursByIndexInTheLowByte) {
    EXPECT_EQ(MyColourToRGB(0x123456), 0x123456);
    EXPECT_EQ(MyColourToRGB(TColor(0x80000005u)), 0xFFFFFF); // window background
    EXPECT_EQ(MyColourToRGB(TColor(0x80000008u)), 0x000000); // window text
    EXPECT_EQ(MyColourToRGB(TColor(0x800000FFu)), 0);        // no such index
    EXPECT_EQ(MyColourToRGB(TColor(0x80000019u)), 0);        // index 25 names none
}

} // namespace
} // namespace qm7
