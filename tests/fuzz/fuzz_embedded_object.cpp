// Reads arbitrary bytes as a stamp object file. The file is taken whole or
// refused with a reason and nothing of it kept; what is taken is stamp data, and
// the object written from it reads back and writes the same bytes again.
#include "common/files/atomic_file.h"
#include "stamper/document/embedded_object_file.h"
#include "stamper/document/native_data.h"
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

const std::filesystem::path& objectFile() {
    static const std::filesystem::path file = [] {
        std::string folder = vermil::fuzz::temporaryTemplate("object");
        if (!::mkdtemp(folder.data()))
            std::abort();
        return std::filesystem::path(folder) / "stamp.vrs";
    }();
    return file;
}

// The values the writer puts between tags of its own.
bool anyTaggedTextHoldsMarkup(const vermil::StampRecord& stamp) {
    const vermil::SealDrawingInput& d = stamp.drawing;
    for (const std::string* text :
         {&d.upperText1, &d.upperText2, &d.fontUp.name, &d.fontUp2.name, &d.fontDate.name,
          &d.fontLow.name, &d.fontUp.size, &d.fontUp2.size, &d.fontDate.size, &d.fontLow.size,
          &d.fontUp.bold, &d.fontUp2.bold, &d.fontDate.bold, &d.fontLow.bold,
          &stamp.recordedVersion, &stamp.windowsUser, &stamp.computerName, &stamp.sizeX,
          &stamp.sizeY})
        if (text->find('<') != std::string::npos)
            return true;
    return false;
}

// What reading the object file gives, checked against the bytes it holds.
vermil::EmbeddedObjectRead readChecked(std::string_view bytes) {
    vermil::EmbeddedObjectRead read = vermil::readEmbeddedObject(objectFile());
    require(read.ok == read.error.empty());
    if (read.ok)
        require(read.nativeData == bytes);
    else
        require(read.nativeData.empty());
    return read;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    if (!vermil::writeFileAtomically(objectFile(), bytes))
        return 0;
    const vermil::EmbeddedObjectRead read = readChecked(bytes);
    if (!read.ok || read.nativeData.empty())
        return 0;

    vermil::StampRecord stamp = vermil::readNativeData(read.nativeData);
    std::string written;
    try {
        written = vermil::writeNativeData(stamp);
    } catch (const vermil::NativeDataError&) {
        return 0; // a text that grew past its limit when the tags were rebuilt
    }
    if (!vermil::writeFileAtomically(objectFile(), written))
        return 0;
    const vermil::EmbeddedObjectRead again = readChecked(written);
    require(again.ok);
    vermil::StampRecord reread = vermil::readNativeData(again.nativeData);
    // The upper texts are stored as element texts without escaping (the Windows
    // programs' format): a text that itself holds markup reads back cut at it. The
    // suite never writes such a text (the seal form refuses it), so only a stamp
    // without it must write the same bytes every time.
    if (anyTaggedTextHoldsMarkup(stamp))
        return 0;
    require(vermil::writeNativeData(reread) == written);
    return 0;
}
