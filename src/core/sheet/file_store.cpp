#include "sheet/file_store.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <vector>

namespace tolvane {

namespace {

std::string systemReason(int error) { return std::strerror(error); }

// Closes the descriptor when it goes out of scope.
struct Descriptor {
    int fd = -1;
    ~Descriptor()
    {
        if (fd >= 0) ::close(fd);
    }
};

}  // namespace

std::optional<std::string> readWholeFile(const std::string& path, std::string& bytes)
{
    Descriptor file{::open(path.c_str(), O_RDONLY | O_CLOEXEC)};
    if (file.fd < 0) {
        if (errno == ENOENT) return "ファイルがありません（" + path + "）";
        return "ファイルを開けません（" + path + "）: " + systemReason(errno);
    }
    struct stat info {};
    if (::fstat(file.fd, &info) != 0) return "ファイルを読めません（" + path + "）: " + systemReason(errno);
    if (S_ISDIR(info.st_mode)) return "ファイルではありません（" + path + "）";
    if (info.st_size > kMaxReadBytes) return "ファイルが大きすぎます（" + path + "）";
    bytes.clear();
    if (info.st_size > 0) bytes.reserve(static_cast<std::size_t>(info.st_size));
    char buffer[65536];
    for (;;) {
        ssize_t got = ::read(file.fd, buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR) continue;
            return "ファイルを読めません（" + path + "）: " + systemReason(errno);
        }
        if (got == 0) break;
        bytes.append(buffer, static_cast<std::size_t>(got));
    }
    return std::nullopt;
}

std::optional<std::string> resolveSaveTarget(const std::string& path, std::string& target)
{
    namespace fs = std::filesystem;
    // As many links as the system itself follows in one path.
    constexpr int kMaxLinks = 40;
    fs::path current(path);
    for (int links = 0;; ++links) {
        std::error_code error;
        const fs::file_status status = fs::symlink_status(current, error);
        if (error || !fs::is_symlink(status)) break;
        if (links == kMaxLinks) return "リンクをたどれません（" + path + "）: " + systemReason(ELOOP);
        fs::path next = fs::read_symlink(current, error);
        if (error) return "リンクをたどれません（" + path + "）: " + error.message();
        // A relative link is relative to the folder that holds it.
        current = next.is_absolute() ? next : current.parent_path() / next;
    }
    target = current.string();
    return std::nullopt;
}

std::optional<std::string> replaceFile(const std::string& path, const std::string& bytes)
{
    namespace fs = std::filesystem;
    std::string resolved;
    if (auto reason = resolveSaveTarget(path, resolved)) return reason;
    const fs::path target(resolved);
    const std::string shown = resolved == path ? path : path + " → " + resolved;
    fs::path folder = target.parent_path();
    if (folder.empty()) folder = ".";
    std::string pattern = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');

    auto fail = [&](int error) -> std::optional<std::string> {
        ::unlink(name.data());
        return "ファイルに書き込めません（" + shown + "）: " + systemReason(error);
    };

    // Never written in place: without a temporary file beside the target
    // there is no save.
    Descriptor file{::mkstemp(name.data())};
    if (file.fd < 0) return "ファイルに書き込めません（" + shown + "）: " + systemReason(errno);

    // A new file gets the usual permissions; a replaced one keeps its own.
    struct stat old {};
    mode_t mode = 0666;
    if (::stat(resolved.c_str(), &old) == 0) {
        if (S_ISDIR(old.st_mode)) {
            ::unlink(name.data());
            return "ファイルに書き込めません（" + shown + "）: フォルダーです";
        }
        mode = old.st_mode & 07777;
    } else {
        mode_t mask = ::umask(0);
        ::umask(mask);
        mode &= ~mask;
    }
    ::fchmod(file.fd, mode);

    const char* data = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        ssize_t put = ::write(file.fd, data, left);
        if (put < 0) {
            if (errno == EINTR) continue;
            return fail(errno);
        }
        data += put;
        left -= static_cast<std::size_t>(put);
    }
    if (::fsync(file.fd) != 0) return fail(errno);
    int fd = file.fd;
    file.fd = -1;
    if (::close(fd) != 0) return fail(errno);
    if (::rename(name.data(), resolved.c_str()) != 0) return fail(errno);
    // Make the rename itself durable.
    Descriptor dir{::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)};
    if (dir.fd >= 0) ::fsync(dir.fd);
    return std::nullopt;
}

}  // namespace tolvane
