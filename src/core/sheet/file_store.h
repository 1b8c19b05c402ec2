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

// The file that saving to `path` replaces: `path` itself or, when `path` is a
// symbolic link, the file at the end of its chain of links (which need not
// exist yet), so that the links stay links. Returns the reason when the chain
// cannot be followed (a loop, an unreadable link).
std::optional<std::string> resolveSaveTarget(const std::string& path, std::string& target);

// Writes `bytes` to `path` (through its links, see resolveSaveTarget),
// replacing any existing file only once the new content is completely on the
// disk; the temporary file lies beside the file it replaces. Returns the
// reason on failure; the old file is then unchanged and no temporary file is
// left behind.
std::optional<std::string> replaceFile(const std::string& path, const std::string& bytes);

}  // namespace tolvane
