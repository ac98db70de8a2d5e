#include "stamper/sealdialog/seal_dialog_document.h"

#include "stamper/document/stamp_document.h"

#include "render/seal_painter.h"

namespace vermil {

SealDialogInputs sealDialogInputsOf(const CVermilinDoc& document) {
    SealDialogInputs in;
    in.settingsFilePath = document.settingsFilePath();
    in.indexPath = document.indexPath();
    in.language = document.language();
    in.lastSeal = document.lastSeal();
    in.windowsUser = document.currentUser();
    in.computerName = document.currentComputer();
    in.logEnabled = document.logEnabled() != 0;
    in.logFormat = document.logFormat();
    in.logFilePath = document.logFilePath();
    in.autoStamp = document.autoStamp();
    in.rememberPassword = document.rememberPassword();
    return in;
}

void copySealDialogOutputs(const SealDialogOutputs& outputs, CVermilinDoc& document) {
    document.setLastSeal(outputs.sealName);
    StampRecord& stamp = document.stamp();
    applySealDrawing(outputs, stamp.drawing);
    stamp.approvalDate = outputs.approvalDate;
    stamp.comment = outputs.comment;
    stamp.approverName = outputs.name;
    stamp.section = outputs.section;
    stamp.documentNumber = outputs.documentNumber;
    stamp.sealFileText = outputs.sealFileText;
    stamp.sealText = outputs.sealFileText;
    stamp.sizeX = outputs.sizeX;
    stamp.sizeY = outputs.sizeY;
    stamp.windowsUser = document.currentUser();
    stamp.computerName = document.currentComputer();
    stamp.recordedVersion = stamp.programVersion;
    // As the screen would settle them, so a stamp saved before its first paint
    // holds the sizes it shows.
    settleAutomaticSizes(stamp.drawing);
}

PasswordChangeInputs passwordChangeInputsOf(const CVermilinDoc& document) {
    return {document.lastSeal(), document.indexPath(), document.language()};
}

} // namespace vermil
