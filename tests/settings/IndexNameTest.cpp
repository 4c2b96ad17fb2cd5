#include "settings/IndexName.h"

#include <gtest/gtest.h>

TEST(IndexName, RoundTripsDecimalIndexes)
{
    for (std::int32_t i : {0, 1, 9, 10, 255, 2147483647})
        EXPECT_EQ(ParseIndexName(IndexName(i)), i);
}

TEST(IndexName, RejectsNamesTheListNeverWrites)
{
    for (const char* name : {"", "-1", "01", "00", "1a", " 1", "+1", "2147483648",
                             "99999999999999999999", "x"})
        EXPECT_FALSE(ParseIndexName(name).has_value()) << name;
}
