#include "seal_file.h"

#include "common/files/atomic_file.h"
#include "seal_definition.h"
#include "seal_name.h"

#include "common/cp932.h"
#include "common/tag_text.h"

namespace vermil {

std::string sealFilePath(std::string_view sealFolder, std::string_view sealName) {
    return std::string(sealFolder) + std::string(sealName) + ".vrm";
}

bool writeSealFile(std::string_view sealFolder, std::string_view sealName, std::string_view text) {
    std::error_code ignored;
    return writeSealFile(sealFolder, sealName, text, ignored);
}

bool writeSealFile(std::string_view sealFolder, std::string_view sealName, std::string_view text,
                   std::error_code& error) {
    error.clear();
    if (sealNameProblem(sealName))
        return false;
    return writeFileAtomically(nativePath(sealFilePath(sealFolder, sealName)), text, error);
}

std::optional<std::string> readSealFile(std::string_view path) {
    // One byte more than the limit tells a text that was cut from one that fits:
    // a cut text would be checked as if it were the seal.
    auto text = loadTagFile(nativePath(path), maxSealTextBytes + 1);
    if (text && text->size() > maxSealTextBytes)
        return std::nullopt;
    return text;
}

} // namespace vermil
