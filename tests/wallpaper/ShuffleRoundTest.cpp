#include "wallpaper/ShuffleRound.h"

#include <gtest/gtest.h>

// The round comes back from the registry as it was stored, and any other bytes there (an
// older or damaged value) give no round at all rather than a wrong one.
TEST(ShuffleRound, StoredFormComesBackWholeAndNothingElseIsTaken)
{
    ShuffleRound round;
    round.seed = 0x89ABCDEF;
    round.setsBack = true;
    round.setBackSeed = 7;
    round.setBackLast = 0x0123456789ABCDEFull;
    round.started = true;
    round.last = {1, 0xFEDCBA9876543210ull};
    round.signature = 42;
    const std::string bytes = RoundBytes(round);
    const std::optional<ShuffleRound> back = ParseRound(bytes);
    ASSERT_TRUE(back);
    EXPECT_EQ(RoundBytes(*back), bytes);
    EXPECT_EQ(KeyIn(*back, "C:\\a.jpg").hash, KeyIn(round, "C:\\a.jpg").hash);
    for (const std::string& other :
         {std::string(), bytes.substr(1), bytes + '\0', std::string(bytes).replace(4, 1, "\2")})
        EXPECT_FALSE(ParseRound(other));
}
