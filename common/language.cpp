#include "language.h"

namespace vermil {

Language languageOf(std::string_view settingValue) {
    return settingValue == "Japanese" ? Language::Japanese : Language::English;
}

std::string_view settingValueOf(Language language) {
    return language == Language::Japanese ? "Japanese" : "English";
}

} // namespace vermil
