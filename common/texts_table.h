#pragma once

#include "common/caption.h"

#include <vector>

namespace vermil {

// One row of a texts table as the completeness test walks it; no caption where
// the table leaves the text out on purpose.
struct TextsRow {
    std::string_view name;
    OptionalCaption caption;
};

} // namespace vermil

// A texts table is a list of rows, one per text, each naming its member and giving
// the text in both languages side by side:
//
//   #define VERMIL_SEAL_DIALOG_TEXTS(TEXT, OPTIONAL_TEXT)   (each line ends in a backslash)
//       TEXT(windowTitle, Caption::same("Seal Dialogue"))
//       TEXT(name, {.japanese = "名前", .english = "&Name"})
//
// A TEXT row becomes a QString member in the language asked for; an OPTIONAL_TEXT
// row (a caption or absentCaption) a std::optional<QString>, which the widget checks
// before it shows the control. The struct declares its members with
// VERMIL_TEXTS_MEMBERS and its .cpp defines of() and rows() with VERMIL_DEFINE_TEXTS,
// so that a text cannot be in one language and missing from the other unnoticed.

#define VERMIL_TEXTS_DECLARE_TEXT(name, ...) QString name;
#define VERMIL_TEXTS_DECLARE_OPTIONAL_TEXT(name, ...) std::optional<QString> name;
#define VERMIL_TEXTS_SET_TEXT(name, ...)                                                           \
    madeTexts_.name = ::vermil::Caption(__VA_ARGS__).in(madeLanguage_);
#define VERMIL_TEXTS_SET_OPTIONAL_TEXT(name, ...)                                                  \
    madeTexts_.name = ::vermil::textIn(::vermil::OptionalCaption(__VA_ARGS__), madeLanguage_);
#define VERMIL_TEXTS_LIST_TEXT(name, ...)                                                          \
    listedRows_.push_back({#name, ::vermil::Caption(__VA_ARGS__)});
#define VERMIL_TEXTS_LIST_OPTIONAL_TEXT(name, ...)                                                 \
    listedRows_.push_back({#name, ::vermil::OptionalCaption(__VA_ARGS__)});

// The members of a texts struct, one per row.
#define VERMIL_TEXTS_FIELDS(ROWS)                                                                  \
    ROWS(VERMIL_TEXTS_DECLARE_TEXT, VERMIL_TEXTS_DECLARE_OPTIONAL_TEXT)

// The members, of() and rows() of a struct that is one table.
#define VERMIL_TEXTS_MEMBERS(Type, ROWS)                                                           \
    VERMIL_TEXTS_FIELDS(ROWS)                                                                      \
    static const Type& of(::vermil::Language language);                                            \
    static std::vector<::vermil::TextsRow> rows();

// A function that makes a Type of `ROWS` in the language it is given. Its names end
// in "_" so that they shadow nothing where a table is made.
#define VERMIL_TEXTS_MAKER(Type, ROWS)                                                             \
    [](::vermil::Language madeLanguage_) {                                                         \
        Type madeTexts_;                                                                           \
        ROWS(VERMIL_TEXTS_SET_TEXT, VERMIL_TEXTS_SET_OPTIONAL_TEXT)                                \
        return madeTexts_;                                                                         \
    }

// The rows of `ROWS` as the completeness test walks them.
#define VERMIL_TEXTS_ROWS(ROWS)                                                                    \
    [] {                                                                                           \
        std::vector<::vermil::TextsRow> listedRows_;                                               \
        ROWS(VERMIL_TEXTS_LIST_TEXT, VERMIL_TEXTS_LIST_OPTIONAL_TEXT)                              \
        return listedRows_;                                                                        \
    }()

// The captions of `ROWS` as compile-time constants, one static member per row, for
// tables that are themselves built at compile time (a program's verb table) or that
// write bytes and never need a QString. TEXT rows only.
#define VERMIL_TEXTS_DECLARE_CAPTION(name, ...)                                                    \
    static constexpr ::vermil::Caption name = ::vermil::Caption(__VA_ARGS__);
#define VERMIL_TEXTS_CAPTIONS(ROWS) ROWS(VERMIL_TEXTS_DECLARE_CAPTION, VERMIL_TEXTS_DECLARE_CAPTION)

#define VERMIL_DEFINE_TEXTS(Type, ROWS)                                                            \
    const Type& Type::of(::vermil::Language wanted) {                                              \
        const auto make = VERMIL_TEXTS_MAKER(Type, ROWS);                                          \
        static const Type japanese = make(::vermil::Language::Japanese);                           \
        static const Type english = make(::vermil::Language::English);                             \
        return wanted == ::vermil::Language::Japanese ? japanese : english;                        \
    }                                                                                              \
    std::vector<::vermil::TextsRow> Type::rows() {                                                 \
        return VERMIL_TEXTS_ROWS(ROWS);                                                            \
    }
