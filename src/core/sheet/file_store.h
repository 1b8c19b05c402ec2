// Reading a whole file, and replacing a file so that the previous version
// survives any failure: the new content goes to a temporary file in the same
// folder, is flushed to the disk and only then renamed over the old one.
#pragma once

#include <optional>
#include <string>

namespace tolvane {

// No sheet or settings file comes near this size; a larger file is refused
// before it is read, so that choosing a wrong file cannot exhaust memory.
inline constexpr long long kMaxReadBytes = 256LL * 1024 * 1024;

// Reads the file at `path` into `bytes`. Returns the reason on failure.
std::optional<std::string> readWholeFile(const std::string& path, std::string& bytes);

// Writes `bytes` to `path`, replacing any existing file only once the new
// content is completely on the disk. Returns the reason on failure; the old
// file is then unchanged and no temporary file is left behind.
std::optional<std::string> replaceFile(const std::string& path, const std::string& bytes);

}  // namespace tolvane
