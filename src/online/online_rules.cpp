#include "online/online_rules.h"

#include <algorithm>
#include <cctype>

namespace lumtar {
namespace {

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) return false;
    return std::equal(prefix.begin(), prefix.end(), text.begin(), [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) ==
               std::tolower(static_cast<unsigned char>(b));
    });
}

std::string_view TrimAsciiBlanks(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

}  // namespace

int NextLinkNumber(int k, int total) {
    return k >= total ? 1 : k + 1;
}

std::string LinkTarget(std::string_view hostAndPath) {
    if (StartsWithNoCase(hostAndPath, "http://") || StartsWithNoCase(hostAndPath, "https://"))
        return std::string(hostAndPath);
    return "http://" + std::string(hostAndPath);
}

bool LooksLikeSettingsText(std::string_view bytes) {
    if (bytes.find('\0') != std::string_view::npos) return false;
    bool header = false;
    std::size_t start = 0;
    while (start <= bytes.size() && !header) {
        std::size_t end = bytes.find('\n', start);
        if (end == std::string_view::npos) end = bytes.size();
        const std::string_view line = TrimAsciiBlanks(bytes.substr(start, end - start));
        header = line.size() >= 3 && line.front() == '[' && line.back() == ']';
        start = end + 1;
    }
    return header;
}

}  // namespace lumtar
