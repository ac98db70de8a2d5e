#include "render_verb.h"

#include "stamp_verb_texts.h"

#include "common/cp932.h"
#include "render/picture_size.h"
#include "render/seal_font_check.h"
#include "render/stamp_picture.h"
#include "stamp_sources.h"

#include <limits>

#include <ostream>

namespace vermil::cli {

ExitStatus runRenderVerb(const VerbCall& call) {
    const auto dpi = call.wholeNumber("--dpi", defaultPictureDpi, minPictureDpi, maxPictureDpi);
    if (!dpi)
        return ExitStatus::UsageOrFileError;
    const auto number = call.wholeNumber("--number", 1, 1, std::numeric_limits<int>::max());
    if (!number)
        return ExitStatus::UsageOrFileError;
    const auto stamps = readStamps(call.operands().at(0), call.err());
    if (!stamps)
        return ExitStatus::UsageOrFileError;
    if (static_cast<std::size_t>(*number) > stamps->size()) {
        call.error() << stampverbtexts::noSuchStamp(call.operands().at(0), stamps->size(), *number)
                     << "\n";
        return ExitStatus::UsageOrFileError;
    }
    const FoundStamp& found = (*stamps)[static_cast<std::size_t>(*number - 1)];
    if (!found.damage.empty()) {
        call.err() << found.damage << "\n";
        return ExitStatus::UsageOrFileError;
    }
    const StampRecord* stamp = &found.stamp;
    // The sizes are stored CP932 text and may show in the message: UTF-8 on the terminal.
    const std::string error =
        writeStampPicture(stamp->drawing, cp932ToUtf8(stamp->sizeX), cp932ToUtf8(stamp->sizeY),
                          *call.value("--out"), *dpi);
    if (!error.empty()) {
        call.error() << error << "\n";
        return ExitStatus::UsageOrFileError;
    }
    // The picture is written all the same: the warning says why its texts may be boxes.
    if (const std::string notice = missingSealFontsNotice(installedSealFontAvailability());
        !notice.empty())
        call.error() << notice << "\n";
    return ExitStatus::Done;
}

} // namespace vermil::cli
