// The apportionment rows read their numbers from whatever the clerk typed and
// write remainders and shares back as "0.00" text, which is read again by the
// next row's rule: that round trip must hold for every accepted number.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "amounts/number_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::string_view trimmed = lumtar::TrimBlanks(text);
    const auto value = lumtar::ParseFloat(trimmed);
    if (!value) return 0;
    const double amount = 100000;
    const std::string remainder = lumtar::FormatFixed2(amount - *value);
    const auto back = lumtar::ParseFloat(remainder);
    if (!back) std::abort();  // a written remainder must always read back
    const std::string share = lumtar::FormatFixed2(*value / amount * 2300.0);
    if (!lumtar::ParseFloat(share)) std::abort();
    return 0;
}
