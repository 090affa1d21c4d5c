#pragma once

#include <cstdint>

namespace platform {

// The colour the system uses for one of its display elements, as red + 256 x green + 65536 x blue.
// Indexes follow the classic numbering: 1 the desktop, 5 window background, 8 window text, 13 and 14
// highlight and highlighted text, 15 button face, 18 button text, 24 the tooltip background, 23 the
// tooltip text; an unknown index gives black.
std::uint32_t SystemColor(int index);

} // namespace platform
