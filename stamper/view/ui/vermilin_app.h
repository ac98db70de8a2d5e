#pragma once

#include "widgets/qt_translation.h"

#include <QApplication>

#include <filesystem>
#include <optional>
#include <string>

namespace vermil {

class PasswordChanger;
class StampTaker;

// The stamping program with its windows. Construction takes the language (the
// settings, else the locale, written back when missing). runStandAlone() registers
// the program for stamp object files when that is missing or out of date, then
// opens the main window with a new document; runEmbedded() opens the
// embedded-object window on the object kept in FILE. Both end when the window
// closes and return the exit status.
class CVermilinApp {
public:
    CVermilinApp(int& argc, char** argv);

    const std::string& language() const { return language_; }

    // The seal dialog and the password change dialog the windows call; a command
    // without one is shown disabled.
    void setStampTaker(StampTaker* taker) { taker_ = taker; }
    void setPasswordChanger(PasswordChanger* changer) { changer_ = changer; }

    int runStandAlone();
    // FILE missing or empty: a new object. A FILE that is not stamp data is refused
    // with a message and status 2, and left as it is.
    int runEmbedded(const std::filesystem::path& file);

private:
    int runWindow(const std::optional<std::filesystem::path>& file, const std::string& nativeData);

    QApplication application_;
    QtTranslation qtTranslation_;
    std::string language_;
    StampTaker* taker_ = nullptr;
    PasswordChanger* changer_ = nullptr;
};

} // namespace vermil
