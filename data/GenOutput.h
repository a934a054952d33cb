#pragma once
// What both data generators share: writing an output file whole, and failing with a message.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace zl::gen {

[[noreturn]] inline void fail(const std::string& text)
{
    std::fprintf(stderr, "error: %s\n", text.c_str());
    std::exit(1);
}

// Writes `bytes` to dir/name, creating dir; a partial file is removed so the build sees the failure.
inline void writeFile(const std::filesystem::path& dir, const std::string& name,
                      const std::vector<std::uint8_t>& bytes)
{
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    const std::filesystem::path path = dir / name;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
        std::filesystem::remove(path, ec);
        fail("cannot write " + path.string());
    }
}

} // namespace zl::gen
