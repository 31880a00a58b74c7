// Fuzz target for the design file reader (readDesign) and writer.
//
// Input: a separator byte (',' or anything else for '.'), then the file's
// bytes.
//
// Properties:
// - a file that is read writes back as a file that reads as the same
//   design and writes back byte for byte the same: a design survives any
//   number of round trips;
// - only a syntax error (a NUL byte, a number too large) has a line and column, and they lie within the file;
// - a file larger than the limit is refused as such, before it is parsed.
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

#include "design/design.h"
#include "fuzz_support.h"

using vintorp::design::Design;
using vintorp::design::Fault;
using vintorp::design::ReadError;
using vintorp::fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string_view in(reinterpret_cast<const char*>(data), size);
    if (in.empty()) {
        return 0;
    }
    const std::string_view sep = in.front() == ',' ? "," : ".";
    in.remove_prefix(1);
    const auto read = vintorp::design::readDesign(in, sep);
    if (const auto* error = std::get_if<ReadError>(&read)) {
        const bool placed = error->fault == Fault::NotJson || error->fault == Fault::NulByte
                            || error->fault == Fault::NumberTooLarge;
        Require((error->line > 0) == (placed && error->column > 0),
                "only a syntax error has a line and column");
        Require(error->line <= in.size() + 1 && error->column <= in.size() + 1, "the place lies within the file");
        Require((error->fault == Fault::TooLarge) == (in.size() > vintorp::design::kMaxFileSize),
                "a file is too large exactly when it is over the limit");
        return 0;
    }
    const std::string once = vintorp::design::writeDesign(std::get<Design>(read), sep);
    const auto again = vintorp::design::readDesign(once, sep);
    Require(std::holds_alternative<Design>(again), "a written design reads back");
    Require(vintorp::design::writeDesign(std::get<Design>(again), sep) == once, "a round trip keeps every byte");
    return 0;
}
