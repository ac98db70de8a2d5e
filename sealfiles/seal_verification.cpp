#include "seal_verification.h"

#include "seal_file.h"

#include "common/cp932.h"

namespace vermil {

QString SealVerification::message() const {
    switch (failed) {
    case SealCheck::Passed:
        return {};
    case SealCheck::DataEmpty:
        return QStringLiteral("Error 431 : Dataが空です。\nインデックスファイルが異常です。");
    case SealCheck::NoSealFileNamed:
        return QStringLiteral("Warning 429 : Vermilファイルの指定がありません。IndexFile "
                              "が旧バージョンです。\nVermil管理ツールを用いて再登録してください。");
    case SealCheck::SealFileUnreadable:
        return QStringLiteral("Error 430 : Vermilファイル ") + fromCp932(sealFilePath) +
               QStringLiteral(" が開けません。");
    case SealCheck::PasswordCodeLength:
        return QStringLiteral(
            "Error 435 : Indexファイルからの押印パスワード読み込みに失敗しました。");
    case SealCheck::IndexHashMismatch:
        return QStringLiteral("Error 428: Vermil Hash Error.\nインデックスファイルが旧バージョン"
                              "か、あるいは改ざんされている可能性があります。");
    case SealCheck::NoVermilElement:
        return QStringLiteral("Warning 426: インデックス ") + fromCp932(sealName) +
               QStringLiteral(" が旧バージョンです。");
    case SealCheck::SealHashMismatch:
        return QStringLiteral("Error   424: Vermil Data Hash Error");
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
