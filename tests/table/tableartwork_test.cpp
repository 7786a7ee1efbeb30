#include "tableartwork.h"

#include <gtest/gtest.h>

TEST(TableArtwork, KeyAndClassColours)
{
    const std::array<Colour, 11> expected = {0xE8E8E8, 0xBC93BC, 0xFFC0C0, 0xFFFFC0,
                                             0xDEDEE7, 0xDCCCAB, 0x8BD58B, 0xA6F9F0,
                                             0x9B9BF6, 0xC6C6E7, 0x7B7BE7};
    EXPECT_EQ(tableArtwork().ptcolor, expected);
}
