#include "stamper/pdf/preselected_seal_size.h"

#include "render/picture_size.h"
#include "sealfiles/seal_index.h"
#include "sealfiles/seal_verification.h"
#include "stamper/document/stamp_document.h"
#include "stamper/sealdialog/seal_preselection.h"

#include <optional>

namespace vermil {
namespace {

std::optional<SealSizeMm> sizeOf(std::string_view sizeX, std::string_view sizeY) {
    std::string error;
    const std::optional<SealSize> size = readSealSize(sizeX, sizeY, error);
    if (!size)
        return std::nullopt;
    return SealSizeMm{double(size->widthMm), double(size->heightMm)};
}

std::optional<SealSizeMm> lastSealSize(const CVermilinDoc& document) {
    const SealIndex index(document.indexPath());
    const std::vector<std::string> names = index.names();
    const std::optional<std::size_t> row = preselectedSeal(names, document.lastSeal());
    if (!row)
        return std::nullopt;
    const SealVerification seal = verifySeal(index, names[*row]);
    return sizeOf(seal.content.sizeX, seal.content.sizeY);
}

} // namespace

SealSizeMm preselectedSealSize(const CVermilinDoc& document) {
    if (const auto size = lastSealSize(document))
        return *size;
    return sizeOf(document.stamp().sizeX, document.stamp().sizeY).value_or(SealSizeMm{});
}

} // namespace vermil
