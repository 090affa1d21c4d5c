#pragma once

#include <QString>

#include <cstdint>

namespace core {

// The preview frame of the image browser, in twips.
inline constexpr double kPreviewFrameWidth = 3732;
inline constexpr double kPreviewFrameHeight = 3792;

struct PreviewFit {
    bool reduced = false; // the picture is stretched down to width x height
    double width = 0;     // twips
    double height = 0;    // twips
};

// Fits a picture of the given natural size (twips) into the frame. A picture that is wider or higher
// than the frame is shrunk: a landscape one to the frame's width less 80 and the frame's height
// divided by the ratio, any other to the frame's width times the ratio and the frame's height less
// 200. Each axis follows its own frame dimension, so proportions are kept closely, not exactly.
PreviewFit FitPreview(double width, double height, double frameWidth = kPreviewFrameWidth,
                      double frameHeight = kPreviewFrameHeight);

// The caption above the preview, with the picture's natural size in pixels.
QString PreviewCaption(bool reduced, std::int32_t pixelWidth, std::int32_t pixelHeight);

} // namespace core
