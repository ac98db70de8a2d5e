#include "stamper/document/embedded_object_file.h"

#include "common/files/atomic_file.h"
#include "stamper/document/native_data.h"
#include "stamper/document/native_data_file.h"
#include "stamper/document/stamp_document_texts.h"
#include "stamper/document/vermilin_srvr_item.h"

#include <system_error>
#include <vector>

namespace vermil {

EmbeddedObjectRead readEmbeddedObject(const std::filesystem::path& file) {
    EmbeddedObjectRead read;
    std::error_code ec;
    if (!std::filesystem::exists(file, ec) && !ec) {
        read.ok = true;
        return read;
    }
    try {
        read.nativeData = readNativeDataFile(file);
    } catch (const StampFileError& e) {
        read.error =
            stampDocumentText(StampDocumentCaptions::cannotReadFile, {file.string(), e.what()});
        return read;
    }
    if (!read.nativeData.empty()) {
        try {
            readNativeData(read.nativeData);
        } catch (const NativeDataError& e) {
            read.error =
                stampDocumentText(StampDocumentCaptions::notStampData, {file.string(), e.what()});
            read.nativeData.clear();
            return read;
        }
    }
    read.ok = true;
    return read;
}

std::string writeEmbeddedObject(CVermilinSrvrItem& item, const std::filesystem::path& file) {
    std::string nativeData;
    try {
        nativeData = item.serialize();
    } catch (const NativeDataError& e) {
        return stampDocumentText(StampDocumentCaptions::cannotWriteFileBecause,
                                 {file.string(), e.what()});
    }
    // The object and its pictures change together: all three are on the disk
    // beside the old ones before any of them is put in place.
    std::vector<PreparedReplacement> prepared;
    std::error_code error;
    std::optional<PreparedReplacement> object =
        PreparedReplacement::prepare(file, nativeData, error);
    if (!object)
        return stampDocumentText(StampDocumentCaptions::cannotWriteFile, {file.string()});
    prepared.push_back(std::move(*object));
    if (std::string problem = item.preparePictures(file, prepared); !problem.empty())
        return problem;
    for (PreparedReplacement& replacement : prepared)
        if (!replacement.commit(error))
            return stampDocumentText(StampDocumentCaptions::cannotWriteFile, {file.string()});
    return {};
}

} // namespace vermil
