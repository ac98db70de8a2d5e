#include "stamper/pdf/pdf_problem.h"

#include <cstdio>

namespace vermil {
namespace {

std::string mm(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", value);
    return text;
}

std::string sizeText(double width, double height) {
    return mm(width) + " x " + mm(height) + " mm";
}

std::string english(const PdfProblem& p, const std::string& file) {
    switch (p.refusal) {
    case PdfRefusal::Unreadable:
        return "cannot read " + file + ": " + p.detail;
    case PdfRefusal::TooLarge:
        return file + " is larger than 1 GiB; it is not read";
    case PdfRefusal::NotPdf:
        return file + " is not a PDF file";
    case PdfRefusal::Damaged:
        return file + " is damaged and cannot be repaired (" + p.detail + ")";
    case PdfRefusal::Encrypted:
        return file + " is encrypted; remove its password or encryption, then stamp it";
    case PdfRefusal::Signed:
        return file +
               " carries a digital signature; stamping rewrites the file and would break the "
               "signature, so it is not stamped";
    case PdfRefusal::PageOutOfRange:
        return file + " has " + std::to_string(p.pageCount) +
               (p.pageCount == 1 ? " page" : " pages") + "; there is no page " +
               std::to_string(p.page);
    case PdfRefusal::OutsidePage:
        return "the seal (" + sizeText(p.sealWidthMm, p.sealHeightMm) + ") does not fit on page " +
               std::to_string(p.page) + " of " + file + " (" +
               sizeText(p.pageWidthMm, p.pageHeightMm) +
               ") at that position: it must lie wholly on the page";
    case PdfRefusal::NoStamps:
        return file + " carries no stamp";
    }
    return file;
}

std::string japanese(const PdfProblem& p, const std::string& file) {
    switch (p.refusal) {
    case PdfRefusal::Unreadable:
        return file + " を読めません: " + p.detail;
    case PdfRefusal::TooLarge:
        return file + " は 1 GiB を超えるため読みません。";
    case PdfRefusal::NotPdf:
        return file + " は PDF ファイルではありません。";
    case PdfRefusal::Damaged:
        return file + " は壊れていて修復できません（" + p.detail + "）。";
    case PdfRefusal::Encrypted:
        return file + " は暗号化されています。パスワードや暗号化を外してから押印してください。";
    case PdfRefusal::Signed:
        return file + " には電子署名があります。押印するとファイルが書き換えられ署名が無効になるた"
                      "め、押印しません。";
    case PdfRefusal::PageOutOfRange:
        return file + " は " + std::to_string(p.pageCount) + " ページです。" +
               std::to_string(p.page) + " ページはありません。";
    case PdfRefusal::OutsidePage:
        return "印影（" + sizeText(p.sealWidthMm, p.sealHeightMm) + "）がその位置では " + file +
               " の " + std::to_string(p.page) + " ページ（" +
               sizeText(p.pageWidthMm, p.pageHeightMm) +
               "）からはみ出します。印影全体がページ内に収まる位置を選んでください。";
    case PdfRefusal::NoStamps:
        return file + " には押印がありません。";
    }
    return file;
}

} // namespace

std::string pdfProblemMessage(const PdfProblem& problem, const std::string& fileUtf8,
                              Language language) {
    return language == Language::Japanese ? japanese(problem, fileUtf8)
                                          : english(problem, fileUtf8);
}

} // namespace vermil
