#include "sheet/file_store.h"

#include <fcntl.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <utility>

namespace tolvane {

namespace {

// The common causes of a failed file operation, in the user's words.
struct ErrorReason {
    int error;
    const char* reason;
};
constexpr ErrorReason kErrorReasons[] = {
    {ENOENT, "フォルダーがありません"},
    {EACCES, "アクセスする権限がありません"},
    {EPERM, "アクセスする権限がありません"},
    {ENOSPC, "ディスクの空きが足りません"},
    {EDQUOT, "ディスクの空きが足りません（使用量の上限）"},
    {EROFS, "読み取り専用のファイルシステムです"},
    {ENAMETOOLONG, "名前が長すぎます"},
    {ENOTDIR, "途中のフォルダーがフォルダーではありません"},
    {EISDIR, "フォルダーです"},
    {ELOOP, "リンクが循環しています"},
    {EFBIG, "ファイルが大きすぎます"},
};

// What a path that is no regular file is, for the message that refuses it.
const char* kindOf(mode_t mode)
{
    if (S_ISDIR(mode)) return "フォルダー";
    if (S_ISFIFO(mode)) return "名前付きパイプ";
    if (S_ISCHR(mode) || S_ISBLK(mode)) return "デバイス";
    if (S_ISSOCK(mode)) return "ソケット";
    return "特殊なファイル";
}

std::string notAFile(mode_t mode) { return std::string(kindOf(mode)) + "で、ファイルではありません"; }

// Closes the descriptor when it goes out of scope.
struct Descriptor {
    int fd = -1;
    ~Descriptor()
    {
        if (fd >= 0) ::close(fd);
    }
};

// The temporary file's name beside the target: short and of fixed length, so
// that it fits wherever the target's own name fits.
std::string temporaryName(const std::string& folder)
{
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    unsigned char random[8] = {};
    if (::getrandom(random, sizeof random, 0) != static_cast<ssize_t>(sizeof random)) {
        // Without random bytes the process and a counter keep names apart.
        static unsigned counter = 0;
        const unsigned seed = static_cast<unsigned>(::getpid()) * 2654435761u + ++counter;
        for (std::size_t i = 0; i < sizeof random; ++i) random[i] = static_cast<unsigned char>(seed >> (i * 4));
    }
    std::string name = folder + "/.tolvane-";
    for (unsigned char byte : random) name += kLetters[byte % (sizeof kLetters - 1)];
    return name;
}

}  // namespace

std::string fileErrorReason(int error)
{
    for (const ErrorReason& known : kErrorReasons)
        if (known.error == error) return known.reason;
    return std::strerror(error);
}

std::optional<std::string> readWholeFile(const std::string& path, std::string& bytes)
{
    // Opening a named pipe for reading would wait for a writer: open without
    // waiting, and look at what was opened before reading a byte.
    Descriptor file{::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC)};
    if (file.fd < 0) {
        if (errno == ENOENT) return "ファイルがありません（" + path + "）";
        return "ファイルを開けません（" + path + "）: " + fileErrorReason(errno);
    }
    struct stat info {};
    if (::fstat(file.fd, &info) != 0) return "ファイルを読めません（" + path + "）: " + fileErrorReason(errno);
    if (!S_ISREG(info.st_mode)) return "ファイルを読めません（" + path + "）: " + notAFile(info.st_mode);
    if (info.st_size > kMaxReadBytes) return "ファイルが大きすぎます（" + path + "）";
    bytes.clear();
    if (info.st_size > 0) bytes.reserve(static_cast<std::size_t>(info.st_size));
    char buffer[65536];
    for (;;) {
        ssize_t got = ::read(file.fd, buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR) continue;
            bytes.clear();
            return "ファイルを読めません（" + path + "）: " + fileErrorReason(errno);
        }
        if (got == 0) break;
        // A file that grows while it is read is held to the same limit.
        if (static_cast<long long>(bytes.size()) + got > kMaxReadBytes) {
            bytes = std::string();
            return "ファイルが大きすぎます（" + path + "）";
        }
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
        if (links == kMaxLinks) return "リンクをたどれません（" + path + "）: " + fileErrorReason(ELOOP);
        fs::path next = fs::read_symlink(current, error);
        if (error) return "リンクをたどれません（" + path + "）: " + fileErrorReason(error.value());
        // A relative link is relative to the folder that holds it.
        current = next.is_absolute() ? next : current.parent_path() / next;
    }
    target = current.string();
    return std::nullopt;
}

bool sameFile(const std::string& a, const std::string& b)
{
    struct stat first {}, second {};
    return ::stat(a.c_str(), &first) == 0 && ::stat(b.c_str(), &second) == 0 && first.st_dev == second.st_dev &&
           first.st_ino == second.st_ino;
}

std::optional<std::string> outputOverInput(const std::string& input, const std::string& output)
{
    if (input.empty() || !sameFile(input, output)) return std::nullopt;
    return "書き出し先が読み込んだファイルと同じです（" + output + "）: 別の名前を指定してください";
}

ReplacementFile::~ReplacementFile() { discard(); }

void ReplacementFile::discard()
{
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    if (!named_.empty()) ::unlink(named_.c_str());
    named_.clear();
}

std::string ReplacementFile::failure(int error) const
{
    return "ファイルに書き込めません（" + shown_ + "）: " + fileErrorReason(error);
}

std::optional<std::string> ReplacementFile::create(const std::string& path, Writer writer)
{
    discard();
    shown_ = path;
    if (auto reason = resolveSaveTarget(path, target_)) return reason;
    if (target_ != path) shown_ = path + " → " + target_;
    const std::filesystem::path target(target_);
    folder_ = target.parent_path().string();
    // (push_back: GCC 12 warns wrongly about overlapping copies for a short literal assigned here.)
    if (folder_.empty()) folder_.push_back('.');

    // What is there now decides whether it may be replaced, and the mode.
    struct stat old {};
    if (::stat(target_.c_str(), &old) == 0) {
        if (!S_ISREG(old.st_mode)) return "ファイルに書き込めません（" + shown_ + "）: " + notAFile(old.st_mode);
        mode_ = old.st_mode & 07777;
        keepMode_ = true;
    } else if (errno != ENOENT) {
        return failure(errno);
    } else {
        keepMode_ = false;
    }

    // An unnamed file leaves nothing behind when the program is killed. A
    // library that opens files by name reaches it through /proc.
    fd_ = ::open(folder_.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0666);
    if (fd_ >= 0 && writer == Writer::ByName && ::access(openName().c_str(), W_OK) != 0) {
        ::close(fd_);
        fd_ = -1;
        errno = EOPNOTSUPP;
    }
    if (fd_ < 0) {
        // EISDIR and EOPNOTSUPP: no unnamed files in this kernel or file system.
        if (errno != EOPNOTSUPP && errno != EISDIR) return failure(errno);
        for (int attempt = 0; attempt < 100 && fd_ < 0; ++attempt) {
            std::string name = temporaryName(folder_);
            fd_ = ::open(name.c_str(), O_CREAT | O_EXCL | O_RDWR | O_CLOEXEC | O_NOFOLLOW, 0666);
            if (fd_ >= 0)
                named_ = std::move(name);
            else if (errno != EEXIST)
                return failure(errno);
        }
        if (fd_ < 0) return failure(EEXIST);
    }
    return std::nullopt;
}

std::string ReplacementFile::openName() const
{
    return named_.empty() ? "/proc/self/fd/" + std::to_string(fd_) : named_;
}

std::optional<std::string> ReplacementFile::write(std::string_view bytes)
{
    const char* data = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        ssize_t put = ::write(fd_, data, left);
        if (put < 0) {
            if (errno == EINTR) continue;
            return failure(errno);
        }
        data += put;
        left -= static_cast<std::size_t>(put);
    }
    return std::nullopt;
}

std::optional<std::string> ReplacementFile::commit()
{
    auto fail = [&](int error) {
        discard();
        return std::optional<std::string>(failure(error));
    };
    if (fd_ < 0) return fail(EBADF);
    // Only now: a library that opens the file by name must still be able to
    // write it when the target is read-only.
    if (keepMode_ && ::fchmod(fd_, mode_) != 0) return fail(errno);
    if (::fsync(fd_) != 0) return fail(errno);
    if (named_.empty()) {
        // Give the unnamed file a name beside the target, then rename it over
        // the target: a link cannot replace an existing file.
        const std::string proc = openName();
        for (int attempt = 0; attempt < 100 && named_.empty(); ++attempt) {
            std::string name = temporaryName(folder_);
            if (::linkat(AT_FDCWD, proc.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0 ||
                ::linkat(fd_, "", AT_FDCWD, name.c_str(), AT_EMPTY_PATH) == 0)
                named_ = std::move(name);
            else if (errno != EEXIST)
                return fail(errno);
        }
        if (named_.empty()) return fail(EEXIST);
    }
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) return fail(errno);
    if (::rename(named_.c_str(), target_.c_str()) != 0) return fail(errno);
    named_.clear();
    // Make the rename itself durable.
    Descriptor dir{::open(folder_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)};
    if (dir.fd >= 0) ::fsync(dir.fd);
    return std::nullopt;
}

std::optional<std::string> replaceFile(const std::string& path, std::string_view bytes)
{
    ReplacementFile file;
    if (auto reason = file.create(path)) return reason;
    if (auto reason = file.write(bytes)) return reason;
    return file.commit();
}

}  // namespace tolvane
