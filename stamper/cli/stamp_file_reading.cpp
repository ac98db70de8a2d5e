#include "stamp_file_reading.h"

#include "stamp_verb_texts.h"

#include "stamper/document/native_data.h"
#include "stamper/document/native_data_file.h"
#include "stamper/document/stamp_document.h"

#include <ostream>

namespace vermil::cli {
namespace {

std::optional<std::string> readBytes(const std::filesystem::path& file, std::ostream& err) {
    try {
        return readNativeDataFile(file);
    } catch (const StampFileError& e) {
        err << stampverbtexts::stampFileUnreadable(file.string(), e.what()) << "\n";
        return std::nullopt;
    }
}

void reportInvalid(const std::filesystem::path& file, const NativeDataError& e, std::ostream& err) {
    err << stampverbtexts::stampFileInvalid(file.string(), e.what()) << "\n";
}

} // namespace

std::optional<StampRecord> readStampFile(const std::filesystem::path& file, std::ostream& err) {
    const std::optional<std::string> bytes = readBytes(file, err);
    if (!bytes)
        return std::nullopt;
    StampRecord stamp;
    try {
        readNativeData(*bytes, stamp);
    } catch (const NativeDataError& e) {
        reportInvalid(file, e, err);
        return std::nullopt;
    }
    return stamp;
}

bool openStampObject(const std::filesystem::path& file, CVermilinDoc& document, std::ostream& err) {
    std::error_code ec;
    if (!std::filesystem::exists(std::filesystem::symlink_status(file, ec)))
        return true;
    const std::optional<std::string> bytes = readBytes(file, err);
    if (!bytes)
        return false;
    if (bytes->empty())
        return true;
    try {
        document.loadNativeData(*bytes);
    } catch (const NativeDataError& e) {
        reportInvalid(file, e, err);
        return false;
    }
    return true;
}

} // namespace vermil::cli
