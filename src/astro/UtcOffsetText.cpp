#include "astro/UtcOffsetText.h"

#include <cstdlib>

namespace natalis {

namespace {

std::string TwoDigits(long n) { return (n < 10 ? "0" : "") + std::to_string(n); }

}  // namespace

std::string SpanText(long seconds) {
    return TwoDigits(seconds / 3600) + ":" + TwoDigits(seconds / 60 % 60) + ":" +
           TwoDigits(seconds % 60);
}

std::string FormatUtcOffset(long offsetSeconds) {
    return (offsetSeconds < 0 ? "-" : "+") + SpanText(std::labs(offsetSeconds));
}

}  // namespace natalis
