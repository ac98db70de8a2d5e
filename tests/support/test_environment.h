#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace vermil::test {

// Sets HOME, XDG_CONFIG_HOME, XDG_DATA_HOME, XDG_CACHE_HOME to a fresh temporary
// folder (removed at exit) and QT_QPA_PLATFORM to offscreen.
void isolateEnvironment();

// The temporary home of this test program.
std::filesystem::path testHome();

// A fresh folder, removed with everything in it when the object goes.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(std::string_view name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

void writeFile(const std::filesystem::path& file, std::string_view bytes);
std::string readFile(const std::filesystem::path& file);

// The folder of the checked-in fixtures (tests/data).
std::filesystem::path dataFile(std::string_view name);

// UTF-8 source text in CP932, for building fixtures.
std::string sjis(std::string_view utf8);

} // namespace vermil::test
