#include "StoredColor.h"
#include "SystemColors.h"

#include <gtest/gtest.h>

namespace {

// Plain colours' byte order is the end-to-end window tests' (red letters, white and green grounds).
TEST(StoredColor, HighBitNamesASystemColour) {
    for (int index : {1, 5, 8, 15, 24, 99}) {
        const std::uint32_t system = platform::SystemColor(index);
        const QColor expected(int(system & 0xFF), int(system >> 8 & 0xFF), int(system >> 16 & 0xFF));
        EXPECT_EQ(ui::ColorFromStored(std::int32_t(0x80000000u | std::uint32_t(index))), expected) << index;
    }
    EXPECT_EQ(ui::ColorFromStored(std::int32_t(0x80000063u)), QColor(0, 0, 0)); // unknown index: black
}

} // namespace
