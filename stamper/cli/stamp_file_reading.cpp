#include "stamp_file_reading.h"

#include "stamper/native_data.h"
#include "stamper/native_data_file.h"

#include <ostream>

namespace vermil::cli {

std::optional<StampRecord> readStampFile(const std::filesystem::path& file, std::ostream& err) {
    std::string bytes;
    try {
        bytes = readNativeDataFile(file);
    } catch (const StampFileError& e) {
        err << "vermilin: cannot read " << file.string() << ": " << e.what() << "\n";
        return std::nullopt;
    }
    StampRecord stamp;
    try {
        readNativeData(bytes, stamp);
    } catch (const NativeDataError& e) {
        err << "vermilin: " << file.string() << " is not valid stamp data: " << e.what() << "\n";
        return std::nullopt;
    }
    return stamp;
}

} // namespace vermil::cli
