#include "seal_verification.h"

#include "seal_file.h"
#include "seal_message_texts.h"

#include "common/cp932.h"

namespace vermil {

QString SealVerification::message() const {
    const SealMessageTexts& texts = sealMessageTexts();
    switch (failed) {
    case SealCheck::Passed:
        return {};
    case SealCheck::DataEmpty:
        return texts.dataEmpty;
    case SealCheck::NoSealFileNamed:
        return texts.noSealFileNamed;
    case SealCheck::SealFileUnreadable:
        return texts.sealFileUnreadable.arg(fromCp932(sealFilePath));
    case SealCheck::PasswordCodeLength:
        return texts.passwordCodeLength;
    case SealCheck::IndexHashMismatch:
        return texts.indexHashMismatch;
    case SealCheck::NoVermilElement:
        return texts.noVermilElement.arg(fromCp932(sealName));
    case SealCheck::SealHashMismatch:
        return texts.sealHashMismatch;
    }
    return {};
}

SealVerification verifySeal(const SealIndex& index, std::string_view sealName) {
    SealVerification v;
    v.sealName = std::string(sealName);
    v.entry = index.readEntry(sealName, IndexReader::StampingProgram);
    if (v.entry.data.empty()) {
        v.failed = SealCheck::DataEmpty;
        return v;
    }
    if (v.entry.vrmfile.empty()) {
        v.failed = SealCheck::NoSealFileNamed;
        return v;
    }
    v.sealFilePath = sealFilePath(index.sealFolder(), sealName);
    const auto text = readSealFile(v.sealFilePath);
    if (!text) {
        v.failed = SealCheck::SealFileUnreadable;
        return v;
    }
    v.sealText = *text;
    if (v.entry.password2.size() != 6) {
        v.failed = SealCheck::PasswordCodeLength;
        return v;
    }
    if (indexHash(v.sealText, v.entry.password2) != v.entry.hash) {
        v.failed = SealCheck::IndexHashMismatch;
        return v;
    }
    v.content = parseSealText(v.sealText);
    if (!v.content.hasVermil) {
        v.failed = SealCheck::NoVermilElement;
        return v;
    }
    if (sealTextHash(v.content.up1, v.content.up2, v.content.down) != v.content.storedHash)
        v.failed = SealCheck::SealHashMismatch;
    return v;
}

} // namespace vermil
