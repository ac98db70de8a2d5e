// Reads arbitrary bytes as a seal file, through the file loader and the element
// lookups, and checks what was read as the writer would.
#include "sealfiles/seal_definition.h"
#include "sealfiles/seal_file.h"
#include "sealfiles/seal_name.h"
#include "tests/fuzz/fuzz_temporary.h"

#include <cstdint>
#include <string_view>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::string path = vermil::fuzz::temporaryTemplate("seal");
    const int fd = ::mkstemp(path.data());
    if (fd < 0)
        return 0;
    const bool written = ::write(fd, data, size) == static_cast<ssize_t>(size);
    ::close(fd);
    std::optional<std::string> text;
    if (written) {
        text = vermil::readSealFile(path);
        // Only a text longer than the readers' limit is refused; a file that is
        // no longer than the limit always reads, and never longer than it.
        if (!text && size <= vermil::maxSealTextBytes)
            __builtin_trap();
        if (text && text->size() > vermil::maxSealTextBytes)
            __builtin_trap();
    }
    if (text) {
        const vermil::SealFileContent content = vermil::parseSealText(*text, "", "");
        vermil::SealDefinition seal;
        seal.up1 = content.up1;
        seal.up2 = content.up2;
        seal.down = content.down;
        seal.profile = content.profile;
        seal.format = content.format;
        seal.fonts = content.fonts;
        (void)vermil::sealTextProblem(seal);
        (void)vermil::sealNameProblem(content.up1);
    }
    ::unlink(path.c_str());
    (void)vermil::parseSealText(bytes);
    return 0;
}
