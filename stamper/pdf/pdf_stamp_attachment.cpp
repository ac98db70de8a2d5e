#include "stamper/pdf/pdf_stamp_attachment.h"

#include "stamper/document/native_data_archive.h"
#include "stamper/pdf/pdf_problem_texts.h"
#include "stamper/pdf/pdf_stamp_view_texts.h"

#include <qpdf/Pipeline.hh>
#include <qpdf/QPDFEFStreamObjectHelper.hh>
#include <qpdf/QPDFEmbeddedFileDocumentHelper.hh>
#include <qpdf/QPDFFileSpecObjectHelper.hh>

#include <QByteArray>

#include <algorithm>
#include <cstdio>
#include <limits>
#include <set>

namespace vermil::pdf {
namespace {

// Keys of the attachment's /Filespec dictionary that make it one of our stamps.
constexpr const char* numberKey = "/VermilStampNumber";
constexpr const char* pageKey = "/VermilPage";
constexpr const char* positionKey = "/VermilAt";
constexpr int positionDecimals = 3;

std::string treeKey(long long number) {
    std::string digits = std::to_string(number);
    return "vermil-stamp-" + std::string(digits.size() < 4 ? 4 - digits.size() : 0, '0') + digits;
}

// Readers that know no Unicode file names fall back to /F: ASCII only.
std::string asciiFileName(const std::string& utf8) {
    std::string name;
    for (const char c : utf8)
        name += static_cast<unsigned char>(c) < 0x80 ? c : '_';
    return name;
}

std::string millimetres(double value) {
    return QByteArray::number(value, 'f', 2).toStdString();
}

std::string descriptionOf(const PdfPlacement& at) {
    return fillPlaceholders(StampedCopyCaptions::attachmentDescription.english,
                            {std::to_string(at.page), millimetres(at.xMm), millimetres(at.yMm)});
}

// Decoded stream data, refused once it grows past a stamp object's limit: a
// small compressed stream may unpack to gigabytes.
class BoundedSink : public Pipeline {
public:
    BoundedSink() : Pipeline("stamp object", nullptr) {}
    void write(unsigned char const* data, size_t length) override {
        if (length > maxNativeDataBytes - bytes_.size())
            throw PdfStampFailure{
                pdfProblem(PdfRefusal::Damaged,
                           std::string(PdfDamageCaptions::attachedStampTooLarge.english))};
        bytes_.append(reinterpret_cast<const char*>(data), length);
    }
    void finish() override {}
    std::string& bytes() { return bytes_; }

private:
    std::string bytes_;
};

std::optional<long long> integerKey(QPDFObjectHandle dictionary, const char* key) {
    QPDFObjectHandle value = dictionary.getKey(key);
    if (!value.isInteger())
        return std::nullopt;
    return value.getIntValue();
}

bool readPosition(QPDFObjectHandle dictionary, PdfStampFound& stamp) {
    QPDFObjectHandle at = dictionary.getKey(positionKey);
    if (!at.isArray() || at.getArrayNItems() != 2 || !at.getArrayItem(0).isNumber() ||
        !at.getArrayItem(1).isNumber())
        return false;
    stamp.xMm = at.getArrayItem(0).getNumericValue();
    stamp.yMm = at.getArrayItem(1).getNumericValue();
    return true;
}

std::string streamBytes(QPDFObjectHandle stream) {
    BoundedSink sink;
    if (!stream.pipeStreamData(&sink, 0, qpdf_dl_all, true))
        throw PdfStampFailure{pdfProblem(
            PdfRefusal::Damaged, std::string(PdfDamageCaptions::attachedStampUndecodable.english))};
    return std::move(sink.bytes());
}

struct NumberedStamp {
    long long number;
    PdfStampFound stamp;
};

std::optional<NumberedStamp> stampOf(QPDFFileSpecObjectHelper& file) {
    QPDFObjectHandle dictionary = file.getObjectHandle();
    const auto number = integerKey(dictionary, numberKey);
    const auto page = integerKey(dictionary, pageKey);
    if (!number || !page || *page < 1 || *page > std::numeric_limits<int>::max())
        return std::nullopt;
    NumberedStamp found{*number, {}};
    found.stamp.page = static_cast<int>(*page);
    if (!readPosition(dictionary, found.stamp))
        return std::nullopt;
    QPDFObjectHandle stream = file.getEmbeddedFileStream();
    if (!stream.isStream())
        return std::nullopt;
    found.stamp.attachmentName = file.getFilename();
    found.stamp.nativeData = streamBytes(stream);
    return found;
}

std::vector<NumberedStamp> numberedStamps(QPDF& document) {
    QPDFEmbeddedFileDocumentHelper files(document);
    std::vector<NumberedStamp> stamps;
    if (!files.hasEmbeddedFiles())
        return stamps;
    for (auto& [key, file] : files.getEmbeddedFiles()) {
        if (stamps.size() == maxAttachedStamps)
            throw PdfStampFailure{
                pdfProblem(PdfRefusal::Damaged,
                           std::string(PdfDamageCaptions::tooManyAttachedStamps.english))};
        if (auto stamp = stampOf(*file))
            stamps.push_back(std::move(*stamp));
    }
    std::stable_sort(stamps.begin(), stamps.end(),
                     [](const auto& a, const auto& b) { return a.number < b.number; });
    return stamps;
}

long long nextNumber(QPDF& document) {
    QPDFEmbeddedFileDocumentHelper files(document);
    long long highest = 0;
    std::set<std::string> keys;
    if (files.hasEmbeddedFiles())
        for (auto& [key, file] : files.getEmbeddedFiles()) {
            keys.insert(key);
            if (const auto number = integerKey(file->getObjectHandle(), numberKey))
                highest = std::max(highest, *number);
        }
    // A hostile file may carry the highest number there is.
    long long next = highest < std::numeric_limits<long long>::max() ? highest + 1 : highest;
    // The keys as walked, not looked up: a name tree out of order hides keys from
    // a lookup, and a second entry under the same key would hide a stamp.
    while (keys.count(treeKey(next)) && next < std::numeric_limits<long long>::max())
        ++next;
    return next;
}

} // namespace

void attachStamp(QPDF& document, const PdfSeal& seal, const PdfPlacement& at) {
    const long long number = nextNumber(document);
    QPDFEFStreamObjectHelper stream =
        QPDFEFStreamObjectHelper::createEFStream(document, seal.nativeData);
    stream.setSubtype(stampObjectMimeType);
    QPDFFileSpecObjectHelper file =
        QPDFFileSpecObjectHelper::createFileSpec(document, seal.attachmentName, stream);
    file.setFilename(seal.attachmentName, asciiFileName(seal.attachmentName));
    file.setDescription(descriptionOf(at));
    QPDFObjectHandle dictionary = file.getObjectHandle();
    dictionary.replaceKey(numberKey, QPDFObjectHandle::newInteger(number));
    dictionary.replaceKey(pageKey, QPDFObjectHandle::newInteger(at.page));
    dictionary.replaceKey(positionKey, QPDFObjectHandle::newArray(std::vector<QPDFObjectHandle>{
                                           QPDFObjectHandle::newReal(at.xMm, positionDecimals),
                                           QPDFObjectHandle::newReal(at.yMm, positionDecimals)}));
    QPDFEmbeddedFileDocumentHelper(document).replaceEmbeddedFile(treeKey(number), file);
}

std::vector<PdfStampFound> attachedStamps(QPDF& document) {
    std::vector<PdfStampFound> stamps;
    for (NumberedStamp& numbered : numberedStamps(document))
        stamps.push_back(std::move(numbered.stamp));
    return stamps;
}

} // namespace vermil::pdf
