// The amount field accepts any characters; its conversion must never crash,
// and whatever it accepts must be a finite number that the result texts can write.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "amounts/chinese_numerals.h"
#include "amounts/number_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (const auto value = lumtar::ParseFloat(text)) {
        if (!std::isfinite(*value)) std::abort();
        if (lumtar::FormatFixed2(*value).empty()) std::abort();
        if (lumtar::AmountInChinese(*value).empty()) std::abort();
    }
    try {
        lumtar::StrToFloat(text);
    } catch (const lumtar::ConversionError&) {
    }
    (void)lumtar::ParseInt32(text);
    return 0;
}
