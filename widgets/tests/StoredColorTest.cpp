#include "StoredColor.h"
#include "SystemColors.h"

#include <gtest/gtest.h>

namespace {

TEST(StoredColor, RedGreenBlueInTheLowBytes) {
    const struct {
        std::int32_t value;
        QColor colour;
    } rows[] = {{0, QColor(0, 0, 0)}, {0x00336699, QColor(0x99, 0x66, 0x33)}};
    for (const auto& r : rows) {
        EXPECT_EQ(ui::ColorFromStored(r.value), r.colour) << r.value;
        EXPECT_EQ(ui::StoredFromColor(r.colour), r.value) << r.value;
    }
}

TEST(StoredColor, HighBitNamesASystemColour) {
    for (int index : {1, 5, 8, 15, 24, 99}) {
        const std::uint32_t system = platform::SystemColor(index);
        const QColor expected(int(system & 0xFF), int(system >> 8 & 0xFF), int(system >> 16 & 0xFF));
        EXPECT_EQ(ui::ColorFromStored(std::int32_t(0x80000000u | std::uint32_t(index))), expected) << index;
    }
    EXPECT_EQ(ui::ColorFromStored(std::int32_t(0x80000063u)), QColor(0, 0, 0)); // unknown index: black
}

} // namespace
