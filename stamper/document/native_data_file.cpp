#include "stamper/document/native_data_file.h"

#include "stamper/document/native_data_archive.h"
#include "stamper/document/stamp_document_texts.h"

#include <cerrno>
#include <cstring>
#include <fstream>

namespace vermil {

std::string readNativeDataFile(const std::filesystem::path& file) {
    std::error_code ec;
    const auto status = std::filesystem::status(file, ec);
    if (ec)
        throw StampFileError(ec.message());
    if (!std::filesystem::is_regular_file(status))
        throw StampFileError(stampDocumentText(StampDocumentCaptions::notRegularFile));
    const std::uintmax_t size = std::filesystem::file_size(file, ec);
    if (ec)
        throw StampFileError(ec.message());
    if (size > maxNativeDataBytes)
        throw StampFileError(
            stampDocumentText(StampDocumentCaptions::fileTooLarge,
                              {std::to_string(size), std::to_string(maxNativeDataBytes)}));

    std::ifstream in(file, std::ios::binary);
    if (!in)
        throw StampFileError(std::strerror(errno));
    // A file that grows while it is read is refused rather than read past its measured size.
    std::string bytes(static_cast<std::size_t>(size), '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    if (in.bad())
        throw StampFileError(stampDocumentText(StampDocumentCaptions::readError));
    char extra;
    if (in.get(extra))
        throw StampFileError(stampDocumentText(StampDocumentCaptions::fileChanged));
    return bytes;
}

} // namespace vermil
