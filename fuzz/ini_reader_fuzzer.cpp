// A settings file of random bytes with random section and key names: the reader
// must never crash, and a value written must read back.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "app/ini_text.h"

namespace {
// Splits "section\0key\0file" from the input.
std::string_view Take(std::string_view& rest) {
    const auto end = rest.find('\0');
    const std::string_view part = rest.substr(0, end);
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    return part;
}

bool Plain(std::string_view name) {
    if (name.empty()) return false;
    for (char c : name) {
        const auto u = static_cast<unsigned char>(c);
        if (!((u >= '0' && u <= '9') || (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z')))
            return false;
    }
    return true;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    const std::string_view section = Take(rest);
    const std::string_view key = Take(rest);
    const std::string_view file = rest;

    if (const auto value = lumtar::IniFindValue(file, section, key))
        (void)lumtar::IniParseInteger(*value);
    const std::string written = lumtar::IniSetValue(file, section, key, "123");
    // For names the program itself uses, a written value always reads back.
    if (Plain(section) && Plain(key) && file.find('\0') == std::string_view::npos &&
        file.find('\r') == std::string_view::npos) {
        const auto back = lumtar::IniFindValue(written, section, key);
        if (!back || *back != "123") std::abort();
    }
    return 0;
}
