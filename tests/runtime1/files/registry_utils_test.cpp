#include "runtime1/files/registry_utils.h"

#include <gtest/gtest.h>

namespace qm7 {
namespace {

TEST(RegistryUtilsTest, Initials) {
    EXPECT_EQ(InitialsOf(u"JaneDoe"), u"JD");
    EXPECT_EQ(InitialsOf(u"jane.doe"), u"");
    EXPECT_EQ(InitialsOf(u"ABC"), u"AB");
    EXPECT_EQ(InitialsOf(u"\u00C9mile \u017Dola"), u"\u00C9\u017D");
}

TEST(RegistryUtilsTest, CurrentUserIsKnown) {
    const std::u16string user = Registry_Current_User();
    EXPECT_FALSE(user.empty());
    EXPECT_EQ(Registry_Current_User_Initials(), InitialsOf(user));
}

} // namespace
} // namespace qm7
