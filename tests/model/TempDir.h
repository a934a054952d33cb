#pragma once
// A fresh folder under the system's temporary folder, removed with everything in it.
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "base/Bytes.h"
#include "base/FileIo.h"

namespace zl::test {

class TempDir {
public:
    TempDir()
    {
        std::random_device random;
        for (int attempt = 0; attempt < 100 && m_path.empty(); ++attempt) {
            const auto path =
                std::filesystem::temp_directory_path() / ("zl410-test-" + std::to_string(random()));
            if (std::filesystem::create_directory(path))
                m_path = path;
        }
    }
    ~TempDir() { std::filesystem::remove_all(m_path); }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    // UTF-8, as the program's paths are.
    std::string path() const { return Utf8Path(m_path); }
    std::string file(const std::string& name) const { return Utf8Path(m_path / FilePath(name)); }

    void write(const std::string& name, const Bytes& bytes) const
    {
        std::ofstream out(FilePath(file(name)), std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    Bytes read(const std::string& name) const
    {
        std::ifstream in(FilePath(file(name)), std::ios::binary);
        return Bytes(std::istreambuf_iterator<char>(in), {});
    }

private:
    std::filesystem::path m_path;
};

} // namespace zl::test
