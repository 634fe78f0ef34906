#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace common {

// Makes `bytes` the whole content of the file at `path`, or leaves the file as it was: the
// bytes go into a new file beside it, which replaces it only once they are all on the disk.
// A symbolic link keeps pointing where it pointed (the file it leads to is replaced), and a
// replaced file keeps its permissions. On failure returns the system's reason, and no
// temporary file stays behind.
std::optional<std::string> writeWholeFile(const std::string &path, std::string_view bytes);

} // namespace common
