// Whole files and fresh folders for tests, in standard C++ only.
#pragma once

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>
#include <string>

namespace testfiles {

// Paths reach the book library as UTF-8; std::filesystem on Windows reads a narrow string
// in the system's code page instead.
inline std::filesystem::path Utf8Path(const std::string& utf8)
{
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}
inline std::string Utf8(const std::filesystem::path& path)
{
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

// Empty when the file cannot be read.
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
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!(out << bytes).flush()) throw std::runtime_error("cannot write the test file " + Utf8(path));
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
