#include "seal_writer.h"

#include "seal_file.h"
#include "seal_folder.h"
#include "seal_name.h"

namespace vermil {

QString capacityExceededMessage() {
    return QStringLiteral("Error 320: 最大登録数100を越えます。処理を中止します。");
}

SealWriteResult writeSeal(const SealIndex& index, const SealRecord& seal, SealEntryKind kind,
                          std::string_view versionText) {
    SealWriteResult result;
    const bool isNew = kind == SealEntryKind::New;
    if (auto problem = sealNameProblem(seal.name)) {
        result.refusal = *problem;
        return result;
    }
    if (auto problem = sealTextProblem(seal.definition)) {
        result.refusal = QStringLiteral("日付印名 ") + displaySealName(seal.name) +
                         QStringLiteral(": ") + *problem;
        return result;
    }
    if (isNew && !index.hasRoomFor(1)) {
        result.refusal = capacityExceededMessage();
        return result;
    }
    result.sealFilePath = sealFilePath(index.sealFolder(), seal.name);
    result.sealText = buildSealText(seal.definition);
    if (!prepareSealFolder(index.sealFolder()) ||
        !writeSealFile(index.sealFolder(), seal.name, result.sealText)) {
        result.status = SealWriteStatus::SealFileFailed;
        return result;
    }
    result.status = index.writeEntry(isNew, seal.name, versionText, seal.password,
                                     result.sealText) == entryWritten
                        ? SealWriteStatus::Written
                        : SealWriteStatus::IndexFailed;
    return result;
}

} // namespace vermil
