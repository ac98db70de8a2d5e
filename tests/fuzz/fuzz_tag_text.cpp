// Reads elements, nested elements and the seal lookups from arbitrary text,
// and loads the same bytes as a file.
#include "common/tag_text.h"
#include "tests/fuzz/fuzz_temporary.h"

#include <cstdint>
#include <cstdio>
#include <string_view>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto date = vermil::tagText(text, "Date");
    (void)vermil::tagText(date, "Format");
    (void)vermil::readDateFormat(text);
    (void)vermil::readSizeX(text);
    (void)vermil::readSizeY(text);

    std::string path = vermil::fuzz::temporaryTemplate("tag");
    const int fd = ::mkstemp(path.data());
    if (fd < 0)
        return 0;
    if (::write(fd, data, size) == static_cast<ssize_t>(size)) {
        const auto loaded = vermil::loadTagFile(path);
        if (!loaded || loaded->size() > vermil::maxTagFileBytes)
            __builtin_trap();
    }
    ::close(fd);
    ::unlink(path.c_str());
    return 0;
}
