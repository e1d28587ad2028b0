#pragma once
// Names for the files and folders that extraction makes: one path component
// each, UTF-8, that the file system can hold and that never repeats within
// its folder.

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

namespace brindle {

// The longest name most file systems hold, in bytes.
inline constexpr size_t kMaxNameBytes = 255;

// Folder separators, ":", NUL and control characters become "_" (a name stays
// one component and prints on one line); an empty name becomes "_", and "."
// and ".." gain a leading "_" so they name no existing folder.
std::string SafeComponent(std::string_view utf8);

// Hands out names that are unique within one folder.
class UniqueNames {
public:
    // The name itself when free, else the name with " (2)", " (3)", ...
    // inserted before its last tailLength bytes (an extension, an index),
    // which are kept. A name longer than kMaxNameBytes loses bytes before its
    // tail, never splitting a UTF-8 character.
    std::string Claim(std::string_view name, size_t tailLength = 0);

private:
    std::unordered_set<std::string> taken_;
    // Per first choice, the copy number to try next, so many equal names
    // cost no more than different ones.
    std::unordered_map<std::string, int> nextCopy_;
};

} // namespace brindle
