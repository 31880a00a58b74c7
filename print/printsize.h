// The size, in printer pixels, at which the picture area goes on the page.
#pragma once

#include <cstdint>

namespace vintorp::print {

struct PrintSize {
    std::int64_t width = 0;
    std::int64_t height = 0;
    friend bool operator==(const PrintSize&, const PrintSize&) = default;
};

// Scales a w x h picture to a printable area of pageWidth x pageHeight:
// a portrait area (pageWidth < pageHeight) takes the picture at its full
// width, any other at its full height, keeping the proportions. Where that
// rule would cut the picture off (wider than a landscape area, taller than a
// portrait one) it is scaled to the other side instead, so the whole picture
// always lands on the page. The scale factor is formed first and then
// multiplied, in extended precision; the sizes are rounded to whole pixels,
// ties to even. Throws std::invalid_argument for a size that is not positive.
PrintSize printSize(int w, int h, int pageWidth, int pageHeight);

}  // namespace vintorp::print
