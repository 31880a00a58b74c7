#include "print/printsize.h"

#include "calc/numtext.h"

#include <stdexcept>

namespace vintorp::print {
namespace {

using calc::Extended;

// side x (page / picture), the quotient first; held as a double as the
// drawing size is, then taken to whole pixels.
std::int64_t scaled(int side, int page, int picture)
{
    const Extended factor = static_cast<Extended>(page) / static_cast<Extended>(picture);
    const double exact = static_cast<double>(static_cast<Extended>(side) * factor);
    return calc::roundHalfEven(exact);
}

PrintSize toWidth(int w, int h, int pageWidth)
{
    return {pageWidth, scaled(h, pageWidth, w)};
}

PrintSize toHeight(int w, int h, int pageHeight)
{
    return {scaled(w, pageHeight, h), pageHeight};
}

}  // namespace

PrintSize printSize(int w, int h, int pageWidth, int pageHeight)
{
    if (w <= 0 || h <= 0 || pageWidth <= 0 || pageHeight <= 0)
        throw std::invalid_argument("print size needs positive picture and page sizes");
    if (pageWidth < pageHeight) {
        const PrintSize size = toWidth(w, h, pageWidth);
        return size.height <= pageHeight ? size : toHeight(w, h, pageHeight);
    }
    const PrintSize size = toHeight(w, h, pageHeight);
    return size.width <= pageWidth ? size : toWidth(w, h, pageWidth);
}

}  // namespace vintorp::print
