// Whole-file reads and writes for the saving tests.
#pragma once

#include <filesystem>
#include <fstream>
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

}  // namespace testfiles
