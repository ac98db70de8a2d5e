#pragma once

class QWidget;

namespace vermil {

class CVermilinDoc;
class FileChooser;
class Prompter;
class StampTaker;

// File > Stamp PDF: asks for a PDF and, once it opens, shows its page view modally
// over `parent` until the user closes it. A PDF that cannot be stamped is refused
// with a message and nothing else happens.
void runStampPdfCommand(CVermilinDoc& document, Prompter& prompter, FileChooser& chooser,
                        StampTaker& taker, QWidget* parent);

} // namespace vermil
