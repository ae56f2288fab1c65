#include "app/ini_text.h"

#include <cstdint>
#include <vector>

namespace lumtar {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

bool IsLeadByte(unsigned char c) {
    return c >= 0x81 && c <= 0xFE;
}

char FoldAscii(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c;
}

// Compares two GBK names, folding the case of single-byte letters only.
bool NamesEqual(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (IsLeadByte(static_cast<unsigned char>(a[i])) && i + 1 < a.size()) {
            if (a[i] != b[i] || a[i + 1] != b[i + 1]) return false;
            ++i;
        } else if (FoldAscii(a[i]) != FoldAscii(b[i])) {
            return false;
        }
    }
    return true;
}

// Finds the first '=' or ']' that stands as a single-byte character.
std::size_t FindAscii(std::string_view s, char wanted) {
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (IsLeadByte(static_cast<unsigned char>(s[i]))) {
            ++i;
            continue;
        }
        if (s[i] == wanted) return i;
    }
    return std::string_view::npos;
}

struct Line {
    std::size_t begin;  // offset of the first byte
    std::size_t end;    // offset past the last byte, before the line break
    std::size_t next;   // offset of the next line
};

std::vector<Line> SplitLines(std::string_view file) {
    std::vector<Line> lines;
    std::size_t pos = 0;
    while (pos < file.size()) {
        const std::size_t nl = file.find('\n', pos);
        const std::size_t end = nl == std::string_view::npos ? file.size() : nl;
        const std::size_t next = nl == std::string_view::npos ? file.size() : nl + 1;
        lines.push_back({pos, end, next});
        pos = next;
    }
    return lines;
}

// The name of a section line "[name]", if the line is one.
std::optional<std::string_view> SectionName(std::string_view line) {
    line = Trim(line);
    if (line.empty() || line.front() != '[') return std::nullopt;
    std::string_view inner = line.substr(1);
    const std::size_t close = FindAscii(inner, ']');
    if (close != std::string_view::npos) inner = inner.substr(0, close);
    return Trim(inner);
}

struct KeyLine {
    std::string_view key;
    std::string_view value;
};

std::optional<KeyLine> ParseKeyLine(std::string_view line) {
    const std::size_t eq = FindAscii(line, '=');
    if (eq == std::string_view::npos) return std::nullopt;
    return KeyLine{Trim(line.substr(0, eq)), Trim(line.substr(eq + 1))};
}

}  // namespace

namespace {

// Calls visit(key line) for every key line of the named section, in file
// order, until visit returns true. A section named twice is read in both places.
template <class Visit>
void VisitSection(std::string_view file, std::string_view section, Visit visit) {
    section = Trim(section);
    bool inSection = false;
    for (const Line& l : SplitLines(file)) {
        const std::string_view line = file.substr(l.begin, l.end - l.begin);
        if (auto name = SectionName(line)) {
            inSection = NamesEqual(*name, section);
            continue;
        }
        if (!inSection) continue;
        if (auto kv = ParseKeyLine(line); kv && visit(*kv)) return;
    }
}

}  // namespace

std::optional<std::string> IniFindValue(std::string_view file, std::string_view section,
                                        std::string_view key) {
    key = Trim(key);
    std::optional<std::string> found;
    VisitSection(file, section, [&](const KeyLine& kv) {
        if (!NamesEqual(kv.key, key)) return false;
        found = std::string(kv.value);
        return true;
    });
    return found;
}

std::vector<std::pair<std::string, std::string>> IniSectionEntries(std::string_view file,
                                                                   std::string_view section) {
    std::vector<std::pair<std::string, std::string>> entries;
    VisitSection(file, section, [&](const KeyLine& kv) {
        entries.emplace_back(kv.key, kv.value);
        return false;
    });
    return entries;
}

std::string IniSetValue(std::string_view file, std::string_view section, std::string_view key,
                        std::string_view value) {
    section = Trim(section);
    key = Trim(key);
    const bool crlf = file.find("\r\n") != std::string_view::npos;
    const std::string eol = crlf ? "\r\n" : "\n";
    const std::string newLine = std::string(key) + "=" + std::string(value);

    const std::vector<Line> lines = SplitLines(file);
    bool inSection = false;
    std::optional<std::size_t> insertAt;  // end of the wanted section's last key line
    for (const Line& l : lines) {
        const std::string_view line = file.substr(l.begin, l.end - l.begin);
        if (auto name = SectionName(line)) {
            if (inSection) break;
            inSection = NamesEqual(*name, section);
            if (inSection) insertAt = l.next;
            continue;
        }
        if (!inSection) continue;
        if (auto kv = ParseKeyLine(line)) {
            if (NamesEqual(kv->key, key)) {
                // The key keeps the spelling it has in the file.
                std::string out(file.substr(0, l.begin));
                out += std::string(kv->key) + "=" + std::string(value);
                if (l.end > l.begin && file[l.end - 1] == '\r') out += '\r';
                out += file.substr(l.end);
                return out;
            }
            insertAt = l.next;
        }
    }

    std::string out(file);
    if (insertAt) {
        std::string addition = newLine + eol;
        // The section's last line may lack a line break at the end of the file.
        if (*insertAt == file.size() && !file.empty() && file.back() != '\n')
            addition = eol + addition;
        out.insert(*insertAt, addition);
        return out;
    }
    if (!out.empty() && out.back() != '\n') out += eol;
    out += "[" + std::string(section) + "]" + eol + newLine + eol;
    return out;
}

std::optional<int> IniParseInteger(std::string_view value) {
    value = Trim(value);
    bool negative = false;
    if (!value.empty() && (value.front() == '-' || value.front() == '+')) {
        negative = value.front() == '-';
        value.remove_prefix(1);
    }
    int base = 10;
    if (value.size() > 2 && value[0] == '0' && (value[1] == 'x' || value[1] == 'X')) {
        base = 16;
        value.remove_prefix(2);
    }
    if (value.empty()) return std::nullopt;
    std::int64_t result = 0;
    for (char c : value) {
        int digit;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (base == 16 && c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (base == 16 && c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        else
            return std::nullopt;
        result = result * base + digit;
        if (result > 0xFFFFFFFFLL) return std::nullopt;
    }
    if (base == 16) {
        // Hexadecimal spells the 32-bit pattern: 0xFFFFFFFF is -1.
        if (negative) return std::nullopt;
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(result));
    }
    if (negative) result = -result;
    if (result < INT32_MIN || result > INT32_MAX) return std::nullopt;
    return static_cast<int>(result);
}

}  // namespace lumtar
