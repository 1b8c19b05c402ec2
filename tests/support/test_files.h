// Files for the tests: an empty folder of the test's own, and a file's bytes.
#pragma once

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <string>
#include <system_error>

namespace tolvane::testing {

// An empty folder `name` in the system's temporary folder, of this process
// alone (tests run in parallel processes), with the given empty folders
// inside. It goes, with everything in it, when the object does: at the end of
// the test, also of a failed one.
class ScratchFolder : public std::filesystem::path {
public:
    explicit ScratchFolder(const std::string& name, std::initializer_list<const char*> inside = {})
        : std::filesystem::path(std::filesystem::temp_directory_path() /
                                ("tolvane_test_" + name + "_" + std::to_string(::getpid())))
    {
        std::filesystem::remove_all(*this);
        std::filesystem::create_directories(*this);
        for (const char* sub : inside) std::filesystem::create_directories(*this / sub);
    }
    ~ScratchFolder()
    {
        namespace fs = std::filesystem;
        std::error_code e;
        // A test may have taken the write permission off a folder inside.
        for (fs::recursive_directory_iterator it(*this, e), end; !e && it != end; it.increment(e))
            if (it->is_directory(e) && !it->is_symlink(e))
                fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, e);
        fs::remove_all(*this, e);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
};

// As ScratchFolder, for a test that removes the folder itself.
inline std::filesystem::path freshFolder(const std::string& name, std::initializer_list<const char*> inside = {})
{
    namespace fs = std::filesystem;
    fs::path dir = fs::temp_directory_path() / ("tolvane_test_" + name + "_" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    for (const char* sub : inside) fs::create_directories(dir / sub);
    return dir;
}

inline std::string bytesOf(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

}  // namespace tolvane::testing
