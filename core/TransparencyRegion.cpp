#include "TransparencyRegion.h"

#include <algorithm>

namespace desk {

std::vector<QRect> OpaqueRects(const PixelRows& image, std::uint32_t rgb) {
    std::vector<QRect> rects;
    if (!image.bits || image.width < 2 || image.height < 2)
        return rects;
    const std::uint32_t colour = rgb & 0x00FFFFFFu;
    std::vector<int> spans; // x0, x1 pairs of the current row (x1 exclusive)
    std::size_t bandStart = 0, bandCount = 0;
    int bandBottom = -1; // last row of the open band; -1 when none is open
    for (int y = 1; y < image.height; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(image.bits + y * image.bytesPerLine);
        spans.clear();
        int x = 1;
        while (x < image.width) {
            while (x < image.width && (row[x] & 0x00FFFFFFu) == colour)
                ++x;
            if (x == image.width)
                break;
            const int start = x;
            while (x < image.width && (row[x] & 0x00FFFFFFu) != colour)
                ++x;
            spans.push_back(start);
            spans.push_back(x);
        }
        const std::size_t count = spans.size() / 2;
        bool same = bandBottom == y - 1 && count == bandCount && count > 0;
        for (std::size_t i = 0; same && i < count; ++i) {
            const QRect& r = rects[bandStart + i];
            same = r.left() == spans[2 * i] && r.right() + 1 == spans[2 * i + 1];
        }
        if (same) {
            for (std::size_t i = 0; i < count; ++i)
                rects[bandStart + i].setBottom(y);
            bandBottom = y;
            continue;
        }
        bandStart = rects.size();
        bandCount = count;
        bandBottom = count > 0 ? y : -1;
        for (std::size_t i = 0; i < count; ++i)
            rects.emplace_back(QPoint(spans[2 * i], y), QPoint(spans[2 * i + 1] - 1, y));
    }
    return rects;
}

} // namespace desk
