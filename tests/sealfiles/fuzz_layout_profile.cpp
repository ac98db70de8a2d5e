// Reads arbitrary bytes as a layout profile the way both programs do.
#include "sealfiles/layout_profile.h"

#include "tests/fuzz/fuzz_temporary.h"
#include "tests/support/recording_prompter.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    vermil::SealFonts fonts = vermil::defaultSealFonts();
    vermil::applyProfileFonts(bytes, fonts);
    (void)vermil::fontsOfProfileText(bytes);

    std::string path = vermil::fuzz::temporaryTemplate("profile");
    const int fd = ::mkstemp(path.data());
    if (fd < 0)
        return 0;
    const bool written = ::write(fd, data, size) == static_cast<ssize_t>(size);
    ::close(fd);
    if (written) {
        vermil::readProfileFonts(path, fonts);
        vermil::RecordingPrompter prompter;
        const auto text = vermil::readProfileText(path, prompter);
        if (!text || text->size() > vermil::maxProfileTextBytes || !prompter.messages.isEmpty())
            __builtin_trap();
    }
    ::unlink(path.c_str());
    return 0;
}
