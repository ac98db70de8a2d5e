#pragma once

#include <QString>

namespace vermil {

// Every message of the CSV import. The import speaks Japanese only, whatever the
// language setting: the system's messages keep their exact texts (spacing of the
// codes included); the rest name the file, the line and the problem in the same
// style. "%1"-style places are filled with QString::arg in the order given.
struct ImportTexts {
    // The system's messages.
    QString noCsvFile;             // no path given
    QString consecutiveSeparators; // Error356
    QString unreadableFirstPass;   // Error352
    QString unreadableSecondPass;
    QString tooManySeals;   // Error351
    QString duplicateName;  // Error353: %1 name
    QString sealFileFailed; // Error357: %1 seal file path
    QString indexFailed;    // Error 359: %1 index path
    QString completed;      // %1 rows imported

    // Messages of this program.
    QString cancelled;           // %1 rows imported
    QString atLine;              // %1 CSV path, %2 line number
    QString readStopped;         // ends every refusal of a row
    QString lineTooLong;         // %1 limit, %2 bytes of the line
    QString fieldCount;          // %1 fields, %2 fewest, %3 most
    QString caseOnlyInFile;      // %1 name, %2 line of the other row, %3 the other name
    QString notRegularFile;      // %1 CSV path
    QString fileTooLarge;        // %1 CSV path, %2 limit in bytes
    QString otherReadFailure;    // %1 CSV path, %2 the system's reason
    QString passwordsUpperCased; // after the completion: %1 passwords stored in capitals
};

const ImportTexts& importTexts();

} // namespace vermil
