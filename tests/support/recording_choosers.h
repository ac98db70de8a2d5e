#pragma once

#include "common/interaction/colour_chooser.h"
#include "common/interaction/file_chooser.h"
#include "common/interaction/font_chooser.h"

#include <deque>
#include <vector>

namespace vermil {

namespace detail {
// The next scripted answer; with none left the user cancels.
template <typename T> std::optional<T> nextAnswer(std::deque<std::optional<T>>& answers) {
    if (answers.empty())
        return std::nullopt;
    // The answer leaves the script as it is returned.
    struct PopFront {
        std::deque<std::optional<T>>& answers;
        ~PopFront() { answers.pop_front(); }
    } pop{answers};
    return std::move(answers.front());
}
} // namespace detail

// Choosers for tests: they record what they were asked and answer from a script.
class RecordingFileChooser : public FileChooser {
public:
    std::optional<QString> chooseFile(const FileChoice& choice) override {
        asked.push_back(choice);
        return detail::nextAnswer(answers);
    }
    std::vector<FileChoice> asked;
    std::deque<std::optional<QString>> answers;
};

class RecordingColourChooser : public ColourChooser {
public:
    std::optional<std::uint32_t> chooseColour(std::uint32_t current,
                                              const QString& title) override {
        offered.push_back(current);
        titles.push_back(title);
        return detail::nextAnswer(answers);
    }
    std::vector<std::uint32_t> offered;
    std::vector<QString> titles;
    std::deque<std::optional<std::uint32_t>> answers;
};

class RecordingFontChooser : public FontChooser {
public:
    std::optional<ChosenFont> chooseFont(const FontRequest& request) override {
        asked.push_back(request);
        return detail::nextAnswer(answers);
    }
    std::vector<FontRequest> asked;
    std::deque<std::optional<ChosenFont>> answers;
};

} // namespace vermil
