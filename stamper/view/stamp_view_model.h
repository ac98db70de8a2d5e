#pragma once

#include "common/user_profile.h"
#include "stamper/document/vermilin_srvr_item.h"

#include <filesystem>
#include <functional>
#include <optional>

namespace vermil {

class CVermilinDoc;
class FileChooser;
class Prompter;
class SealClipboardCopy;
class StampTaker;

// What the view (CVermilinView) does besides drawing: the stamp command, the first
// update's automatic stamp, and, for an object opened with -Embedding FILE, the
// writes of FILE and its pictures (after each stamp, on Update, on exit when
// changed) and Save Copy As. It keeps no data of its own beyond the object file
// and whether the document changed since FILE was written.
class StampViewModel {
public:
    StampViewModel(CVermilinDoc& document, Prompter& prompter, SealClipboardCopy& clipboard);

    CVermilinDoc& document() { return document_; }
    CVermilinSrvrItem& serverItem() { return item_; }

    // The seal dialog; without one the stamp command is not offered.
    void setStampTaker(StampTaker* taker) { taker_ = taker; }
    bool canStamp() const { return taker_ != nullptr; }

    // Embedding mode: the object lives in `file`.
    void setObjectFile(std::filesystem::path file) { objectFile_ = std::move(file); }
    const std::optional<std::filesystem::path>& objectFile() const { return objectFile_; }
    bool isModified() const { return modified_; }

    // Called after every change of the seal, to repaint the views.
    void setRepaint(std::function<void()> repaint) { repaint_ = std::move(repaint); }

    // After the object is read: the clipboard gets the seal when it shows one.
    void objectOpened();
    // The first update of the view: with AutoStamp 2 and a remembered password the
    // stamp command runs at once.
    void firstUpdate();
    // The stamp command, one stamping transaction: the seal dialog; on OK the
    // document takes the stamp and an embedded object is written; then the stamp
    // is logged and its fields remembered, the view repainted and the clipboard
    // given the seal. Cancel changes nothing; a failed write of the object says
    // that nothing was stamped and leaves the document as it was. True when a
    // stamp was made.
    bool stamp();
    // Update (embedded): writes FILE and its pictures now; false after a message.
    bool updateObject();
    // Save Copy As (embedded): the object and its pictures into a file the user
    // names; FILE is not changed. False when cancelled or not written.
    bool saveCopyAs(FileChooser& chooser);
    // Before the program ends: an embedded object changed since FILE was written
    // is written; when that fails the user decides whether to end all the same.
    bool mayClose();

private:
    class ObjectOutput;

    void copyToClipboard();
    bool writeObject(const std::filesystem::path& file);
    void repaint();

    CVermilinDoc& document_;
    Prompter& prompter_;
    SealClipboardCopy& clipboard_;
    CVermilinSrvrItem item_;
    UserProfile profile_;
    StampTaker* taker_ = nullptr;
    std::optional<std::filesystem::path> objectFile_;
    bool modified_ = false;
    std::function<void()> repaint_;
};

// True when the document holds a seal (any of upper text 1, upper text 2 and the
// lower text); an object never stamped shows the outline.
bool hasSeal(const CVermilinDoc& document);

} // namespace vermil
