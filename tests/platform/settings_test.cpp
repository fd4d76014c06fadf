#include "platform/settings.h"

#include <gtest/gtest.h>

namespace qm7::platform {
namespace {

class Settings : public testing::Test {
protected:
    void SetUp() override { ResetSettings(); }
    void TearDown() override { ResetSettings(); }
};

TEST_F(Settings, Defaults) {
    EXPECT_EQ(SystemCodePage(), 1252u);
    EXPECT_EQ(UserLCID(), 0x0409u);
    EXPECT_EQ(IcuLocaleOf(0x0409), "en_US");
    EXPECT_EQ(FormatSettings().ThousandSeparator, u',');
    EXPECT_EQ(FormatSettings().DecimalSeparator, u'.');
}

TEST_F(Settings, SupportedCodePages) {
    for (uint32_t page : {874u, 932u, 936u, 949u, 950u, 1250u, 1252u, 1258u})
        EXPECT_TRUE(IsSupportedCodePage(page)) << page;
    for (uint32_t page : {0u, 437u, 1249u, 1259u, 65001u})
        EXPECT_FALSE(IsSupportedCodePage(page)) << page;
    EXPECT_TRUE(SetSystemCodePage(932));
    EXPECT_EQ(SystemCodePage(), 932u);
    EXPECT_FALSE(SetSystemCodePage(65001));
    EXPECT_EQ(SystemCodePage(), 932u); // an unsupported page keeps the current one
}

TEST_F(Settings, LocaleGivesSeparators) {
    const TFormatSettings german = FormatSettingsOf(0x0407);
    EXPECT_EQ(german.ThousandSeparator, u'.');
    EXPECT_EQ(german.DecimalSeparator, u',');
    ASSERT_TRUE(SetUserLCID(0x0407));
    EXPECT_EQ(UserLCID(), 0x0407u);
    EXPECT_EQ(IcuLocaleOf(0x0407), "de_DE");
    EXPECT_EQ(FormatSettings().ThousandSeparator, u'.');
    EXPECT_EQ(FormatSettings().DecimalSeparator, u',');
}

TEST_F(Settings, UnknownLocaleIsRefused) {
    EXPECT_EQ(IcuLocaleOf(0xFFFF), "");
    EXPECT_FALSE(SetUserLCID(0xFFFF));
    EXPECT_EQ(UserLCID(), 0x0409u);
    const TFormatSettings fallback = FormatSettingsOf(0xFFFF);
    EXPECT_EQ(fallback.ThousandSeparator, u',');
    EXPECT_EQ(fallback.DecimalSeparator, u'.');
}

TEST_F(Settings, ResetPutsEverythingBack) {
    ASSERT_TRUE(SetSystemCodePage(1251));
    ASSERT_TRUE(SetUserLCID(0x0407));
    SetFormatSettings(TFormatSettings{u' ', u';'});
    EXPECT_EQ(FormatSettings().DecimalSeparator, u';');
    ResetSettings();
    EXPECT_EQ(SystemCodePage(), 1252u);
    EXPECT_EQ(UserLCID(), 0x0409u);
    EXPECT_EQ(FormatSettings().ThousandSeparator, u',');
    EXPECT_EQ(FormatSettings().DecimalSeparator, u'.');
}

} // namespace
} // namespace qm7::platform
