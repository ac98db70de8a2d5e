#include "render_verb.h"

#include "command_line.h"
#include "common/cp932.h"
#include "render/picture_size.h"
#include "render/stamp_picture.h"
#include "stamp_file_reading.h"

#include <charconv>
#include <ostream>
#include <string_view>

namespace vermil::cli {
namespace {

struct RenderRequest {
    std::string stampFile;
    std::string outFile;
    int dpi = defaultPictureDpi;
};

std::optional<int> wholeNumber(std::string_view text) {
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

// STAMPFILE first, then --out FILE and an optional --dpi N in either order.
std::optional<RenderRequest> parseRequest(const std::vector<std::string>& operands,
                                          std::ostream& err) {
    RenderRequest request;
    request.stampFile = operands.at(0);
    for (std::size_t i = 1; i < operands.size(); i += 2) {
        const std::string& option = operands[i];
        if (i + 1 >= operands.size()) {
            err << "vermilin: " << option << " needs a value\n";
            return std::nullopt;
        }
        const std::string& value = operands[i + 1];
        if (option == "--out") {
            request.outFile = value;
        } else if (option == "--dpi") {
            const auto dpi = wholeNumber(value);
            if (!dpi || *dpi < minPictureDpi || *dpi > maxPictureDpi) {
                err << "vermilin: --dpi takes a whole number from " << minPictureDpi << " to "
                    << maxPictureDpi << ", not " << value << "\n";
                return std::nullopt;
            }
            request.dpi = *dpi;
        } else {
            err << "vermilin: --render does not know " << option << "\n";
            return std::nullopt;
        }
    }
    if (request.outFile.empty()) {
        err << "vermilin: --render needs --out FILE.svg, FILE.png or FILE.pdf\n";
        return std::nullopt;
    }
    return request;
}

} // namespace

int runRenderVerb(const std::vector<std::string>& operands, std::ostream&, std::ostream& err) {
    const auto request = parseRequest(operands, err);
    if (!request)
        return exitUsageOrFileError;
    const auto stamp = readStampFile(request->stampFile, err);
    if (!stamp)
        return exitUsageOrFileError;
    // The sizes are stored CP932 text and may show in the message: UTF-8 on the terminal.
    const std::string error =
        writeStampPicture(stamp->drawing, cp932ToUtf8(stamp->sizeX), cp932ToUtf8(stamp->sizeY),
                          request->outFile, request->dpi);
    if (!error.empty()) {
        err << "vermilin: " << error << "\n";
        return exitUsageOrFileError;
    }
    return exitSuccess;
}

} // namespace vermil::cli
