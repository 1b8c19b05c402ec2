// Reading a whole file, and replacing a file so that the previous version
// survives any failure: the new content goes to a temporary file of its own
// in the same folder, is flushed to the disk and only then put in the place
// of the old one. Every file the program writes (sheet, settings, recovery
// copy, PDF, workbook) goes through ReplacementFile.
#pragma once

#include <sys/types.h>

#include <optional>
#include <string>
#include <string_view>

namespace tolvane {

// No sheet or settings file comes near this size; a larger file is refused,
// so that choosing a wrong file cannot exhaust memory.
inline constexpr long long kMaxReadBytes = 256LL * 1024 * 1024;

// Why a file operation failed, in Japanese, for a system error number: the
// common causes (folder missing, no permission, disk full, read-only file
// system, name too long, not a folder, is a folder) in words, any other the
// system's own text.
std::string fileErrorReason(int error);

// Reads the file at `path` into `bytes`. Only a regular file (or a link to
// one) is read, and never more than kMaxReadBytes; a named pipe or a device
// is refused without waiting for it. Returns the reason on failure.
std::optional<std::string> readWholeFile(const std::string& path, std::string& bytes);

// The file that saving to `path` replaces: `path` itself or, when `path` is a
// symbolic link, the file at the end of its chain of links (which need not
// exist yet), so that the links stay links. Returns the reason when the chain
// cannot be followed (a loop, an unreadable link).
std::optional<std::string> resolveSaveTarget(const std::string& path, std::string& target);

// True when `a` and `b` name one existing file (the same device and inode,
// also through links).
bool sameFile(const std::string& a, const std::string& b);

// Refuses an output that would replace the file it is made from (a PDF or
// workbook written over its sheet file): the reason when `output` and `input`
// name one file, also through links.
std::optional<std::string> outputOverInput(const std::string& input, const std::string& output);

// A new version of the file at `path` while it is being written. create()
// makes a temporary file beside the target (through its links, see
// resolveSaveTarget) that no other program can have opened: an unnamed one
// where the system has them, so that a killed program leaves nothing behind,
// otherwise one with a short name of its own, so that a target whose name is
// as long as the system allows still saves. commit() flushes it to the disk
// and puts it in place of the target in one step; until then the target is
// untouched, and a file destroyed without commit() disappears. An existing
// target keeps its permission bits. A target that is not a regular file (a
// folder, a named pipe, a device) is never replaced.
class ReplacementFile {
public:
    // How the content gets written: through descriptor(), or by a library
    // that opens the file by name (see openName()).
    enum class Writer { Descriptor, ByName };

    ReplacementFile() = default;
    ReplacementFile(const ReplacementFile&) = delete;
    ReplacementFile& operator=(const ReplacementFile&) = delete;
    ~ReplacementFile();

    std::optional<std::string> create(const std::string& path, Writer writer = Writer::Descriptor);
    int descriptor() const { return fd_; }
    // A name that opens this very file for writing, for libraries that take
    // only a file name.
    std::string openName() const;
    // Writes all of `bytes` at the current position. Returns the reason on failure.
    std::optional<std::string> write(std::string_view bytes);
    std::optional<std::string> commit();
    // The text of a failure to write this file, for a system error number.
    std::string failure(int error) const;

private:
    void discard();

    std::string shown_;   // the path as the user gave it, and its target
    std::string target_;
    std::string folder_;
    std::string named_;   // the temporary file's name; empty while it has none
    int fd_ = -1;
    mode_t mode_ = 0;
    bool keepMode_ = false;
};

// Writes `bytes` to `path` through a ReplacementFile. Returns the reason on
// failure; the old file is then unchanged and no temporary file is left behind.
std::optional<std::string> replaceFile(const std::string& path, std::string_view bytes);

}  // namespace tolvane
