// Whole-file reads and writes for the saving tests.
#pragma once

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

namespace testfiles {

inline std::string ReadAll(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// A new file, never writing through a hard link that a save may have made.
inline void WriteAll(const std::filesystem::path& path, const std::string& bytes)
{
    std::filesystem::remove(path);
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// An empty folder of its own under the temporary folder: tests of other builds may run
// at the same time on the same machine.
inline std::filesystem::path FreshFolder(const std::string& name)
{
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / (name + "_" + std::to_string(std::random_device{}()));
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder;
}

}  // namespace testfiles
