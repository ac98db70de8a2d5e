#include "seal_file.h"

#include "common/atomic_file.h"
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
    return loadTagFile(nativePath(path), maxSealTextBytes);
}

} // namespace vermil
