#include "stamper/pdf/pdf_problem_texts.h"

#include "stamper/pdf/pdf_problem.h"

#include <cstdio>

namespace vermil {
namespace {

std::string mm(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", value);
    return text;
}

std::string fill(const QString& pattern, std::initializer_list<std::string_view> values) {
    return fillPlaceholders(pattern.toStdString(), values);
}

const QString& patternOf(const PdfProblem& p, const PdfProblemTexts& texts) {
    switch (p.refusal) {
    case PdfRefusal::Unreadable:
        return texts.unreadable;
    case PdfRefusal::TooLarge:
        return texts.tooLarge;
    case PdfRefusal::NotPdf:
        return texts.notPdf;
    case PdfRefusal::Damaged:
        return texts.damaged;
    case PdfRefusal::Encrypted:
        return texts.encrypted;
    case PdfRefusal::Signed:
        return texts.signedPdf;
    case PdfRefusal::PageOutOfRange:
        return p.pageCount == 1 ? texts.pageOutOfRangeOfOne : texts.pageOutOfRange;
    case PdfRefusal::OutsidePage:
        return texts.outsidePage;
    case PdfRefusal::NoStamps:
        return texts.noStamps;
    }
    return texts.notPdf;
}

} // namespace

VERMIL_DEFINE_TEXTS(PdfProblemTexts, VERMIL_PDF_PROBLEM_TEXTS)
VERMIL_DEFINE_TEXTS(PdfDamageTexts, VERMIL_PDF_DAMAGE_TEXTS)

std::string pdfProblemMessage(const PdfProblem& problem, const std::string& fileUtf8,
                              Language language) {
    const PdfProblemTexts& texts = PdfProblemTexts::of(language);
    const QString& pattern = patternOf(problem, texts);
    switch (problem.refusal) {
    case PdfRefusal::Unreadable:
    case PdfRefusal::Damaged:
        return fill(pattern, {fileUtf8, problem.detail});
    case PdfRefusal::PageOutOfRange:
        return fill(pattern,
                    {fileUtf8, std::to_string(problem.pageCount), std::to_string(problem.page)});
    case PdfRefusal::OutsidePage:
        return fill(pattern,
                    {fill(texts.size, {mm(problem.sealWidthMm), mm(problem.sealHeightMm)}),
                     std::to_string(problem.page), fileUtf8,
                     fill(texts.size, {mm(problem.pageWidthMm), mm(problem.pageHeightMm)})});
    case PdfRefusal::TooLarge:
    case PdfRefusal::NotPdf:
    case PdfRefusal::Encrypted:
    case PdfRefusal::Signed:
    case PdfRefusal::NoStamps:
        break;
    }
    return fill(pattern, {fileUtf8});
}

} // namespace vermil
