// Reads arbitrary bytes as a stamp's native data. Whatever reads and can be
// written again must read back: the program never saves a stamp it cannot reopen.
#include "stamper/document/native_data.h"

#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    vermil::StampRecord stamp;
    std::string written;
    try {
        vermil::readNativeData(bytes, stamp);
        written = vermil::writeNativeData(stamp);
    } catch (const vermil::NativeDataError&) {
        return 0;
    }
    try {
        (void)vermil::readNativeData(written);
    } catch (const vermil::NativeDataError&) {
        __builtin_trap();
    }
    return 0;
}
