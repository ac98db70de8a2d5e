#include "seal_writer.h"

#include "seal_file.h"
#include "seal_folder.h"
#include "seal_message_texts.h"
#include "seal_name.h"

#include "common/cp932.h"
#include "common/files/stale_temporaries.h"

namespace vermil {
namespace {

SealWriteResult refused(SealWriteResult result, SealRefusal reason, QString refusal) {
    result.status = SealWriteStatus::Refused;
    result.reason = reason;
    result.refusal = std::move(refusal);
    return result;
}

} // namespace

QString capacityExceededMessage() {
    return sealMessageTexts().capacityExceeded;
}

QString nameTakenMessage(std::string_view name) {
    return sealMessageTexts().nameTaken.arg(fromCp932(name));
}

SealWriteResult writeSeal(const SealIndex& index, const SealRecord& seal, SealEntryKind kind,
                          std::string_view versionText) {
    SealWriteResult result;
    const bool isNew = kind == SealEntryKind::New;
    if (auto problem = sealNameProblem(seal.name))
        return refused(std::move(result), SealRefusal::UnsafeName, *problem);
    if (auto problem = sealTextProblem(seal.definition))
        return refused(std::move(result), SealRefusal::UnsafeValue,
                       sealMessageTexts().valueRefused.arg(displaySealName(seal.name), *problem));
    // A first look without the lock, so a full index prepares nothing; the check
    // that counts is made again under the lock.
    if (isNew && !index.hasRoomFor(1))
        return refused(std::move(result), SealRefusal::IndexFull, capacityExceededMessage());
    result.sealFilePath = sealFilePath(index.sealFolder(), seal.name);
    result.sealText = buildSealText(seal.definition);
    if (!prepareSealFolder(index.sealFolder(), result.error)) {
        result.status = SealWriteStatus::SealFileFailed;
        return result;
    }
    // The seal file is written under the index's lock too: a second program
    // registering the same name cannot replace it between the checks and the entry.
    const EntryOutcome outcome =
        index.writeEntry({isNew, seal.name, versionText, seal.password, result.sealText}, [&] {
            removeStaleTemporaries(nativePath(index.sealFolder()));
            return writeSealFile(index.sealFolder(), seal.name, result.sealText, result.error);
        });
    result.registeredName = outcome.listedName;
    switch (outcome.status) {
    case EntryStatus::Written:
        result.status = SealWriteStatus::Written;
        return result;
    case EntryStatus::IndexFull:
        return refused(std::move(result), SealRefusal::IndexFull, capacityExceededMessage());
    case EntryStatus::NameListed:
        return refused(std::move(result), SealRefusal::NameTaken, nameTakenMessage(seal.name));
    case EntryStatus::NameListedInOtherCase:
        return refused(std::move(result), SealRefusal::NameInOtherCase,
                       caseOnlyDifferenceMessage(seal.name, outcome.listedName));
    case EntryStatus::NotWritten:
        result.status = SealWriteStatus::SealFileFailed;
        return result;
    case EntryStatus::WriteFailed:
        break;
    }
    result.status = SealWriteStatus::IndexFailed;
    result.error = outcome.error;
    return result;
}

} // namespace vermil
