#pragma once

#include <string_view>

namespace vermil {

// The language of captions. Settings hold it as text: "Japanese" or "English".
enum class Language { Japanese, English };

// Every stored value but "Japanese" (an empty one too) means English.
Language languageOf(std::string_view settingValue);

// The value settings store for the language.
std::string_view settingValueOf(Language language);

} // namespace vermil
