#include <gtest/gtest.h>

extern "C" int lemmatiser_c_api_checks(const char* data_dir);

TEST(CInterface, ChecksWrittenInCPass) {
    EXPECT_EQ(lemmatiser_c_api_checks(QM_LEMMATISER_DATA_DIR), 0);
}
