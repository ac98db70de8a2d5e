#include "tests/support/test_environment.h"

#include "common/cp932.h"

#include <cstdlib>
#include <fstream>
#include <stdexcept>

namespace vermil::test {
namespace {

std::filesystem::path& homeSlot() {
    static std::filesystem::path home;
    return home;
}

std::filesystem::path makeTempFolder(const char* prefix) {
    std::string tmpl =
        (std::filesystem::temp_directory_path() / (std::string(prefix) + "XXXXXX")).string();
    if (!::mkdtemp(tmpl.data()))
        throw std::runtime_error("cannot create a temporary folder");
    return tmpl;
}

void removeHome() {
    std::error_code ec;
    std::filesystem::remove_all(homeSlot(), ec);
}

} // namespace

void isolateEnvironment() {
    const auto home = makeTempFolder("vermil-test-home-");
    homeSlot() = home;
    std::atexit(removeHome);
    ::setenv("HOME", home.c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", (home / ".config").c_str(), 1);
    ::setenv("XDG_DATA_HOME", (home / ".local/share").c_str(), 1);
    ::setenv("XDG_CACHE_HOME", (home / ".cache").c_str(), 1);
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    ::unsetenv("XDG_DOCUMENTS_DIR");
}

std::filesystem::path testHome() {
    return homeSlot();
}

TempDir::TempDir() : path_(makeTempFolder("vermil-test-")) {}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

void writeFile(const std::filesystem::path& file, std::string_view bytes) {
    std::filesystem::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string readFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::filesystem::path dataFile(std::string_view name) {
    return std::filesystem::path(VERMIL_TEST_DATA_DIR) / name;
}

std::string sjis(std::string_view utf8) {
    return cp932Literal(utf8);
}

} // namespace vermil::test
