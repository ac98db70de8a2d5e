#pragma once

namespace vermil {

struct StampRecord;

// Where the view copies the seal when it changes and the clipboard setting is on.
// The program puts it on the system clipboard; tests record.
class SealClipboardCopy {
public:
    virtual ~SealClipboardCopy() = default;
    virtual void copySeal(const StampRecord& stamp) = 0;
};

// The system clipboard: the 100 x 100 bitmap with the print pictures (PNG, SVG).
// Needs a GUI application object.
class SystemSealClipboard : public SealClipboardCopy {
public:
    void copySeal(const StampRecord& stamp) override;
};

} // namespace vermil
