#include "ImageSizeSteps.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

namespace {

using core::SizeButton;
using core::SizeRefusal;

constexpr auto kMax = std::numeric_limits<std::int32_t>::max();
constexpr auto kMin = std::numeric_limits<std::int32_t>::min();

TEST(ImageSizeSteps, ButtonPressesSkipTheNaturalSizes) {
    const struct {
        std::int32_t from;
        std::vector<SizeButton> presses;
        std::vector<std::int32_t> sizes; // after each press
    } rows[] = {{1, {SizeButton::Decrease, SizeButton::Decrease, SizeButton::Decrease}, {-2, -3, -4}},
                {-3, {SizeButton::Increase, SizeButton::Increase, SizeButton::Increase}, {-2, 1, 2}},
                {3, {SizeButton::Decrease, SizeButton::Decrease, SizeButton::Decrease}, {2, -1, -2}},
                {-1, {SizeButton::Increase}, {2}},
                {0, {SizeButton::Increase}, {1}}, // a stored 0 counts as natural size
                {0, {SizeButton::Decrease}, {-1}},
                {-7, {SizeButton::Actual}, {1}},
                {kMax, {SizeButton::Increase}, {kMax}}, // a hand-edited extreme does not wrap
                {kMin, {SizeButton::Decrease}, {kMin}}};
    for (const auto& r : rows) {
        std::int32_t s = r.from;
        for (std::size_t i = 0; i < r.presses.size(); ++i) {
            s = core::NextImageSize(s, r.presses[i]);
            EXPECT_EQ(s, r.sizes[i]) << "from " << r.from << ", press " << i + 1;
        }
    }
}

TEST(ImageSizeSteps, EnlargementsStopAtTheScreenAndReductionsAtOnePixel) {
    const core::SizeCheckInput fullHd{100, 50, 15, 15, 28800, 16200}; // 1920 x 1080 pixels
    const core::SizeCheckInput exact{96, 54, 15, 15, 28800, 16200};   // 20 times fills the screen
    const core::SizeCheckInput nothing{0, 0, 15, 15, 28800, 16200};   // no file previewed yet
    const core::SizeCheckInput tall{30, 60, 15, 15, 28800, 16200};    // height decides enlargements
    const core::SizeCheckInput hiDpi{100, 50, 10, 10, 38400, 21600};  // 144 dpi
    const core::SizeCheckInput narrow{60, 30,    15,
                                      15, 28800, 16200}; // halved, the height is exactly one factor
    const struct {
        const char* name;
        core::SizeCheckInput in;
        std::int32_t size;
        SizeRefusal expected;
    } rows[] = {{"exactly the screen is allowed", exact, 20, SizeRefusal::None},
                {"one more step is not", exact, 21, SizeRefusal::TooLarge},
                {"height alone refuses", tall, 19, SizeRefusal::TooLarge},
                {"height alone allows", tall, 18, SizeRefusal::None},
                {"natural size is never refused", nothing, 1, SizeRefusal::None},
                {"no picture: enlargement passes", nothing, 50, SizeRefusal::None},
                {"no picture: every reduction is refused", nothing, -2, SizeRefusal::TooSmall},
                {"reduced to the factor exactly is allowed", narrow, -2, SizeRefusal::None},
                {"height 30 / 4 is below 15 pixels", narrow, -4, SizeRefusal::TooSmall},
                {"width 100 / 7 is below 15 pixels", fullHd, -7, SizeRefusal::TooSmall},
                {"twips per pixel follows the screen", hiDpi, -5, SizeRefusal::None},
                {"twips per pixel follows the screen, below", hiDpi, -6, SizeRefusal::TooSmall}};
    for (const auto& r : rows)
        EXPECT_EQ(core::CheckImageSize(r.size, r.in), r.expected) << r.name;
}

TEST(ImageSizeSteps, CaptionsNameTheFactorAndTheResultingSize) {
    const struct {
        bool hasPicture;
        std::int32_t size, width, height;
        QString sizeText, scrollText;
    } rows[] = {
        {false, 3, 640, 480, "Use Actual Size", ""},
        {true, 1, 640, 480, "Use Actual Size", "640 x 480"},
        {true, 0, 640, 480, "Use Actual Size", "640 x 480"},
        {true, -1, 640, 480, "Use Actual Size", "640 x 480"},
        {true, -2, 641, 481, "Decrease 2 times", "320 x 240"},                // 320.5 and 240.5 go to even
        {true, -2, 643, 483, "Decrease 2 times", "322 x 242"},                // 321.5 and 241.5 go to even
        {true, 40000, 50000, 1, "Increase 40000 times", "2000000000 x 40000"} // no 16-bit wrap
    };
    for (const auto& r : rows) {
        const core::SizeCaption c = core::ImageSizeCaption(r.hasPicture, r.size, r.width, r.height);
        EXPECT_EQ(c.size, r.sizeText) << r.size;
        EXPECT_EQ(c.scrollSize, r.scrollText) << r.size;
    }
}

} // namespace
