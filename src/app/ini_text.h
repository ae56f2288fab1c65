#pragma once
// INI text as the Windows profile routines see it, on the raw bytes of a file
// in the Chinese ANSI code page (GBK). Section and key names compare without
// regard to case; keys, values and names are trimmed of blanks. Double-byte
// GBK characters are kept whole, so a trail byte is never taken for ASCII.

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace lumtar {

// The value of key in section, or nothing when the section or key is missing.
std::optional<std::string> IniFindValue(std::string_view file, std::string_view section,
                                        std::string_view key);

// Every key line of section, in file order, as trimmed key and value pairs;
// a section that appears twice contributes both parts, as IniFindValue sees them.
std::vector<std::pair<std::string, std::string>> IniSectionEntries(std::string_view file,
                                                                   std::string_view section);

// The file with key's line in section replaced, or the line (and the section)
// added; every other byte stays as it was.
std::string IniSetValue(std::string_view file, std::string_view section, std::string_view key,
                        std::string_view value);

// A signed 32-bit integer in decimal or with the prefix "0x" in hexadecimal.
std::optional<int> IniParseInteger(std::string_view value);

}  // namespace lumtar
