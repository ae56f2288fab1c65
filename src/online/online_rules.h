#pragma once
// Small rules of the online services that need no window: which link section
// the rotating link shows next, how a link's address becomes a URL, and
// whether a downloaded body can stand in for the site settings file.

#include <string>
#include <string_view>

namespace lumtar {

// The link section after k when the file lists total sections; a total of 0
// or less behaves as 1, and a counter at or above the total wraps to 1.
int NextLinkNumber(int k, int total);

// The address a link opens. The file gives host and path without the scheme;
// an address that already starts with "http://" or "https://" is taken as it
// is, so the data's mistake does not produce an address no browser can open.
std::string LinkTarget(std::string_view hostAndPath);

// True when bytes read as INI text: no NUL byte and at least one line that is
// a section header. A captive portal's HTML page or a binary body fails, so it
// never replaces the holiday lists the program already has.
bool LooksLikeSettingsText(std::string_view bytes);

}  // namespace lumtar
