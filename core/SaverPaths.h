#pragma once

#include <cstdint>

namespace saver {

// How the display window was started.
inline constexpr std::int32_t kRunSettings = 0;
inline constexpr std::int32_t kRunFullScreen = 1;
inline constexpr std::int32_t kRunHosted = 2; // the full-screen show inside an X11 daemon's window
inline constexpr std::int32_t kRunPreview = 4;

// Where the text block and the picture are, and the pass under way. All values are twips.
struct ShowState {
    std::int32_t TextX = 0; // top-left corner of the text block; lblText sits there
    std::int32_t TextY = 0;
    std::int32_t TimeOffsetX = 0; // lblTime relative to lblText
    std::int32_t TimeOffsetY = 0;
    std::int32_t BlockWidth = 0;
    std::int32_t BlockHeight = 0;
    std::int32_t PictureX = 0;
    std::int32_t PictureY = 0;
    std::int32_t PictureWidth = 0; // the built-in picture as the preview shows it
    std::int32_t PictureHeight = 0;
    std::int32_t PreviewExtent = 0; // preview: the preview area's width, the wrap limit on both axes
    std::int32_t PassPath = 0;      // 0 horizontal, 1 vertical
    std::int32_t PassPlacement = 0;
    std::int32_t PassDirection = 0;
    std::int32_t PictureToggle = 0;
};

// The size of what the show covers, twips.
struct ShowArea {
    std::int32_t ScreenWidth = 0;
    std::int32_t ScreenHeight = 0;
};

struct TwipSize {
    std::int32_t width = 0;
    std::int32_t height = 0;
    bool operator==(const TwipSize&) const = default;
};

// The two labels after the layout, and the block they form.
struct BlockLayout {
    TwipSize text;
    TwipSize time;
};

// Style 0 puts the labels side by side at the taller one's height, style 1 stacks them at the wider
// one's width; any other style leaves the labels and the block as they are.
BlockLayout LayOutBlock(std::int32_t style, TwipSize text, TwipSize time, ShowState& state);

enum class LabelAlignment { Left, Centre };

// Start positions of a pass. The vertical centre path centres the labels' text; every other path
// aligns it left.
LabelAlignment SetHorizontalPath(ShowState& state, const ShowArea& area, std::int32_t placement,
                                 std::int32_t direction);
LabelAlignment SetVerticalPath(ShowState& state, const ShowArea& area, std::int32_t placement,
                               std::int32_t direction);

// Three uniform numbers in [0, 1) for a random path: its kind, placement and direction.
struct RandomDraws {
    double kind = 0;
    double placement = 0;
    double direction = 0;
};

struct RandomPath {
    std::int32_t kind = 0; // 0 horizontal, 1 vertical
    std::int32_t placement = 0;
    std::int32_t direction = 0; // 0 or 1 for horizontal, 2 or 3 for vertical
    bool operator==(const RandomPath&) const = default;
};

RandomPath PickRandomPath(const RandomDraws& draws);

struct PathSettings {
    std::int32_t Position = 0; // 0 horizontal, 1 vertical, 2 random
    std::int32_t Horizontal = 0;
    std::int32_t Vertical = 0;
    std::int32_t Direction = 0;
};

// Sets up the next pass; the draws are used only for random paths.
LabelAlignment ChoosePath(ShowState& state, const ShowArea& area, const PathSettings& settings,
                          const RandomDraws& draws);

// One full-screen step of speed twips along the pass; true when the block has left the screen and the
// next pass is due.
bool ScrollStep(ShowState& state, const ShowArea& area, std::int32_t speed);

// One preview step of half the speed along the direction setting, wrapping at the preview extent.
void PreviewStep(ShowState& state, std::int32_t direction, std::int32_t speed);

enum class PicturePlace { A, B };

// Advances the alternation of the picture's place; the first pass gets A.
PicturePlace AdvancePictureToggle(std::int32_t& toggle);

// The picture's place for the current pass; picture is its current size.
void PlacePicture(ShowState& state, const ShowArea& area, TwipSize picture, PicturePlace place);

// Preview: centred on the preview area, its bottom edge on the text's starting line.
void PlacePreviewPicture(ShowState& state);

} // namespace saver
