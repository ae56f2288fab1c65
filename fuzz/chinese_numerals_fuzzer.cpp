// Numerals for arbitrary digit strings and arbitrary doubles, NaN and infinity included.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "amounts/chinese_numerals.h"
#include "amounts/number_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (lumtar::DigitsInChinese(text).empty()) std::abort();
    if (size >= sizeof(double)) {
        double value;
        std::memcpy(&value, data, sizeof value);
        const std::string numerals = lumtar::AmountInChinese(value);
        if (numerals.find("元") == std::string::npos) std::abort();
        if (lumtar::FormatFixed2(value).empty()) std::abort();
    }
    return 0;
}
