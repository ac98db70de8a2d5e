#include "stamper/document/stamp_tags.h"

#include "common/cp932.h"
#include "common/number_text.h"
#include "common/tag_text.h"
#include "stamper/document/stamp_record.h"

namespace vermil {
namespace {

std::string element(std::string_view name, std::string_view value) {
    std::string text;
    text.reserve(name.size() * 2 + value.size() + 5);
    text.append("<").append(name).append(">").append(value);
    text.append("</").append(name).append(">");
    return text;
}

const std::string& defaultFaceName() {
    static const std::string face = cp932Literal("ＭＳ Ｐゴシック");
    return face;
}

void fillWhenEmpty(std::string& value, std::string_view fallback) {
    if (value.empty())
        value = fallback;
}

int readPenWidth(std::string_view fontText) {
    const int width = decimalPrefix(tagText(fontText, "PenWidth"));
    return width < 1 || width > maxPenWidth ? defaultReadPenWidth : width;
}

} // namespace

std::string upperTextsTagged(std::string_view upperText1, std::string_view upperText2) {
    return element("Up1", element("Text", upperText1)) +
           element("Up2", element("Text", upperText2));
}

void readUpperTextsTagged(std::string_view tagged, SealDrawingInput& drawing) {
    drawing.upperText1 = tagText(tagText(tagged, "Up1"), "Text");
    drawing.upperText2 = tagText(tagText(tagged, "Up2"), "Text");
}

std::string fontText(const SealDrawingInput& d) {
    return element("BoldUp", d.fontUp.bold) + element("BoldUp2", d.fontUp2.bold) +
           element("BoldDate", d.fontDate.bold) + element("BoldLow", d.fontLow.bold) +
           element("FontUp", d.fontUp.name) + element("FontUp2", d.fontUp2.name) +
           element("FontDate", d.fontDate.name) + element("FontLow", d.fontLow.name) +
           element("SizeUp", d.fontUp.size) + element("SizeUp2", d.fontUp2.size) +
           element("SizeDate", d.fontDate.size) + element("SizeLow", d.fontLow.size) +
           element("PenWidth", std::to_string(d.penWidth));
}

void readFontText(std::string_view text, SealDrawingInput& d) {
    d.penWidth = readPenWidth(text);

    d.fontUp.bold = tagText(text, "BoldUp");
    d.fontUp2.bold = tagText(text, "BoldUp2");
    d.fontDate.bold = tagText(text, "BoldDate");
    d.fontLow.bold = tagText(text, "BoldLow");
    fillWhenEmpty(d.fontUp2.bold, d.fontUp.bold);

    d.fontUp.name = tagText(text, "FontUp");
    d.fontUp2.name = tagText(text, "FontUp2");
    d.fontDate.name = tagText(text, "FontDate");
    d.fontLow.name = tagText(text, "FontLow");
    fillWhenEmpty(d.fontUp2.name, d.fontUp.name);
    for (SealLineFont* font : {&d.fontUp, &d.fontUp2, &d.fontDate, &d.fontLow})
        fillWhenEmpty(font->name, defaultFaceName());

    d.fontUp.size = tagText(text, "SizeUp");
    d.fontUp2.size = tagText(text, "SizeUp2");
    d.fontDate.size = tagText(text, "SizeDate");
    d.fontLow.size = tagText(text, "SizeLow");
    fillWhenEmpty(d.fontUp2.size, d.fontUp.size);
    for (SealLineFont* font : {&d.fontUp, &d.fontUp2, &d.fontDate, &d.fontLow})
        fillWhenEmpty(font->size, "10");
}

std::string informationText(const StampRecord& stamp) {
    return element("ComputerName", stamp.computerName) + element("WinUserID", stamp.windowsUser) +
           element("Version", stamp.programVersion) +
           element("Color", std::to_string(static_cast<std::int32_t>(stamp.drawing.colour))) +
           stamp.sealText;
}

void readInformationText(std::string_view text, StampRecord& stamp) {
    stamp.computerName = tagText(text, "ComputerName");
    stamp.windowsUser = tagText(text, "WinUserID");
    stamp.recordedVersion = tagText(text, "Version");
    if (const std::string colour = tagText(text, "Color"); !colour.empty())
        stamp.drawing.colour = static_cast<std::uint32_t>(decimalPrefix(colour));
    // The seal text follows the colour; keeping it lets a reopened stamp be saved
    // again without losing its seal size.
    constexpr std::string_view colourEnd = "</Color>";
    const std::size_t sealTextBegins = cp932Find(text, colourEnd);
    stamp.sealText = sealTextBegins == std::string_view::npos
                         ? std::string()
                         : std::string(text.substr(sealTextBegins + colourEnd.size()));
    const std::string shape = tagText(text, "Shape");
    if (shape.empty())
        return;
    const std::string size = tagText(shape, "Size");
    if (size.empty())
        return;
    stamp.sizeX = tagText(size, "X");
    stamp.sizeY = tagText(size, "Y");
}

} // namespace vermil
