#include "seal_definition.h"

#include "seal_message_texts.h"

#include "common/cp932.h"
#include "common/keyed_hash.h"
#include "common/tag_text.h"

#include <array>
#include <string>
#include <utility>

namespace vermil {
namespace {

// Every element name of a seal file: a value holding one of them as a tag would
// end its element early on reading.
constexpr std::array<std::string_view, 16> sealElementNames = {
    "Vermil", "Up1",  "Up2",    "Down", "Profile", "Shape", "Size", "X",
    "Y",      "Date", "Format", "Hash", "Font",    "Name",  "B",    "Low1"};

QString latin(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

std::string element(std::string_view name, std::string_view value) {
    std::string text;
    text.reserve(value.size() + 2 * name.size() + 5);
    text.append("<").append(name).append(">").append(value);
    text.append("</").append(name).append(">");
    return text;
}

std::string fontElement(std::string_view line, const SealFont& font) {
    return element(line, element("Name", font.name) + element("B", font.bold) +
                             element("Size", font.size));
}

std::string orDefault(std::string value, std::string_view fallback) {
    return value.empty() ? std::string(fallback) : std::move(value);
}

SealFont readFont(std::string_view fontBlock, std::string_view line) {
    const std::string text = tagText(fontBlock, line);
    return {tagText(text, "Name"), tagText(text, "B"), tagText(text, "Size")};
}

// The tag ("<Name" or "</Name") of one of the file's elements that starts at `pos`.
std::optional<std::string> elementTagAt(std::string_view value, std::size_t pos) {
    std::string_view rest = value.substr(pos + 1);
    const bool closing = !rest.empty() && rest.front() == '/';
    if (closing)
        rest.remove_prefix(1);
    for (std::string_view name : sealElementNames)
        if (rest.starts_with(name))
            return std::string(closing ? "</" : "<") + std::string(name);
    return std::nullopt;
}

std::optional<QString> valueProblem(std::string_view what, std::string_view value) {
    for (std::size_t pos = cp932FindChar(value, '<'); pos != std::string_view::npos;
         pos = cp932FindChar(value, '<', pos + 1)) {
        if (const auto tag = elementTagAt(value, pos))
            return sealMessageTexts().valueHasTag.arg(latin(what), fromCp932(value),
                                                      QString::fromStdString(*tag));
    }
    for (char c : {'\0', '\r', '\n'})
        if (value.find(c) != std::string_view::npos)
            return sealMessageTexts().valueHasBreak.arg(latin(what));
    return std::nullopt;
}

// A whole number of millimetres, as the drawing can use it.
std::optional<QString> sizeProblem(std::string_view what, std::string_view size) {
    const bool digitsOnly = !size.empty() && size.size() <= 4 &&
                            size.find_first_not_of("0123456789") == std::string_view::npos;
    const int millimetres = digitsOnly ? std::stoi(std::string(size)) : 0;
    if (millimetres >= minSealMillimetres && millimetres <= maxSealMillimetres)
        return std::nullopt;
    return sealMessageTexts()
        .sizeOutOfRange.arg(latin(what), fromCp932(size))
        .arg(minSealMillimetres)
        .arg(maxSealMillimetres);
}

// A file name in the seal folder: readers look for it there and nowhere else.
std::optional<QString> profileProblem(std::string_view profile) {
    const bool hasFolder = cp932FindChar(profile, '/') != std::string_view::npos ||
                           cp932FindChar(profile, '\\') != std::string_view::npos ||
                           profile == "." || profile == "..";
    if (!hasFolder)
        return std::nullopt;
    return sealMessageTexts().profileHasFolder.arg(fromCp932(profile));
}

} // namespace

std::string sealTextHash(std::string_view up1, std::string_view up2, std::string_view down) {
    std::string joined;
    joined.reserve(up1.size() + up2.size() + down.size());
    joined.append(up1).append(up2).append(down);
    return hash8(joined, hashkeys::sealFileHash);
}

std::string buildSealText(const SealDefinition& seal) {
    std::string text = "<Vermil>";
    text += element("Up1", seal.up1);
    text += element("Up2", seal.up2);
    text += element("Down", seal.down);
    text += "</Vermil>";
    text += element("Profile", seal.profile);
    text += element("Shape", element("Size", element("X", seal.sizeX) + element("Y", seal.sizeY)));
    text += element("Date", element("Format", seal.format));
    text += element("Hash", sealTextHash(seal.up1, seal.up2, seal.down));
    text += "<Font>";
    text += fontElement("Up2", seal.fonts.up2);
    text += fontElement("Up1", seal.fonts.up1);
    text += fontElement("Date", seal.fonts.date);
    text += fontElement("Low1", seal.fonts.low1);
    text += "</Font>";
    return text;
}

std::optional<QString> sealTextProblem(const SealDefinition& seal) {
    const std::pair<std::string_view, const std::string&> values[] = {
        {"Up1", seal.up1},
        {"Up2", seal.up2},
        {"Down", seal.down},
        {"Profile", seal.profile},
        {"X", seal.sizeX},
        {"Y", seal.sizeY},
        {"Format", seal.format},
        {"Up2 Font Name", seal.fonts.up2.name},
        {"Up2 Font B", seal.fonts.up2.bold},
        {"Up2 Font Size", seal.fonts.up2.size},
        {"Up1 Font Name", seal.fonts.up1.name},
        {"Up1 Font B", seal.fonts.up1.bold},
        {"Up1 Font Size", seal.fonts.up1.size},
        {"Date Font Name", seal.fonts.date.name},
        {"Date Font B", seal.fonts.date.bold},
        {"Date Font Size", seal.fonts.date.size},
        {"Low1 Font Name", seal.fonts.low1.name},
        {"Low1 Font B", seal.fonts.low1.bold},
        {"Low1 Font Size", seal.fonts.low1.size},
    };
    for (const auto& [what, value] : values)
        if (auto problem = valueProblem(what, value))
            return problem;
    if (auto problem = profileProblem(seal.profile))
        return problem;
    if (auto problem = sizeProblem("X", seal.sizeX))
        return problem;
    if (auto problem = sizeProblem("Y", seal.sizeY))
        return problem;
    const std::size_t size = buildSealText(seal).size();
    if (size > maxSealTextBytes)
        return sealMessageTexts().sealTextTooLarge.arg(size).arg(maxSealTextBytes);
    return std::nullopt;
}

SealFileContent parseSealText(std::string_view text, std::string_view sizeXFallback,
                              std::string_view sizeYFallback) {
    SealFileContent content;
    const std::string vermil = tagText(text, "Vermil");
    content.hasVermil = !vermil.empty();
    if (content.hasVermil) {
        content.up1 = tagText(vermil, "Up1");
        content.up2 = tagText(vermil, "Up2");
        content.down = tagText(vermil, "Down");
    }
    content.profile = orDefault(tagText(text, "Profile"), defaultProfileName);
    content.storedHash = tagText(text, "Hash");
    const std::string size = tagText(tagText(text, "Shape"), "Size");
    content.sizeX = orDefault(tagText(size, "X"), sizeXFallback);
    content.sizeY = orDefault(tagText(size, "Y"), sizeYFallback);
    content.format = readDateFormat(text);
    const std::string font = tagText(text, "Font");
    content.hasFonts = !font.empty();
    if (content.hasFonts)
        content.fonts = {readFont(font, "Up2"), readFont(font, "Up1"), readFont(font, "Date"),
                         readFont(font, "Low1")};
    return content;
}

} // namespace vermil
