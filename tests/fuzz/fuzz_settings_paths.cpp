// Reads arbitrary bytes as hanko.ini and resolves the paths it names: the seal
// index, its seal folder and the stamp log. A resolved path always lies where the
// programs may look (absolute, the seal folder its own folder), and a stored
// path written back resolves the same.
#include "common/cp932.h"
#include "common/hanko_folders.h"
#include "common/hanko_settings.h"
#include "tests/fuzz/fuzz_temporary.h"

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>
#include <string_view>

namespace {

void require(bool property) {
    if (!property)
        __builtin_trap();
}

const std::filesystem::path& settingsFile() {
    static const std::filesystem::path file = [] {
        std::string folder = vermil::fuzz::temporaryTemplate("settings");
        if (!::mkdtemp(folder.data()))
            std::abort();
        return std::filesystem::path(folder) / "hanko.ini";
    }();
    return file;
}

constexpr std::string_view hankoFolder = "/home/\x88\xf3/Documents";

void checkIndexPath(const vermil::HankoSettings& settings) {
    const std::string index = vermil::resolveIndexPath(settings, hankoFolder);
    require(!index.empty() && index.front() == '/');
    const std::string folder = vermil::sealFolderOf(index);
    // The seal files lie beside the index, never at the root of another tree.
    require(folder.back() == '/' && index.starts_with(folder) && folder.size() <= index.size());
    require(vermil::absoluteIndexPath(index, hankoFolder) == index);
    (void)vermil::nativePath(index);
    const std::string stored = settings.vermilDataFile();
    require(stored.size() < vermil::hankokeys::vermilDataFile.bufferSize);
    if (settings.setVermilDataFile(stored))
        require(vermil::resolveIndexPath(settings, hankoFolder) == index);
}

void checkLogPath(const vermil::HankoSettings& settings) {
    const std::optional<std::string> stored = settings.hankoLogFile();
    const std::string log = vermil::stampLogPath(settings, hankoFolder);
    require(!log.empty());
    if (!stored || stored->empty())
        require(log.starts_with(hankoFolder));
    else
        require(stored->size() < vermil::hankokeys::hankoLogFile.bufferSize && log == *stored);
    if (stored && settings.setHankoLogFile(*stored))
        require(vermil::stampLogPath(settings, hankoFolder) == log);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    {
        std::ofstream out(settingsFile(), std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
        if (!out)
            return 0;
    }
    const vermil::HankoSettings settings(settingsFile());
    checkIndexPath(settings);
    checkLogPath(settings);
    return 0;
}
