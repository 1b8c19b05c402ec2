// Files for the tests: an empty folder of the test's own, and a file's bytes.
#pragma once

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <string>

namespace tolvane::testing {

// An empty folder `name` in the system's temporary folder, of this process
// alone (tests run in parallel processes), with the given empty folders inside.
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
