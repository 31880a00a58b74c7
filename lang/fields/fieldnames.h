// What each drawing field measures, in words: the one table of them. In the
// interface language of the installed translators.
#pragma once

#include <QString>

#include <string_view>

namespace vintorp::lang {

// What a screen reader says a drawing field measures, before its value:
// "полная ширина щеки". Empty for a name that is not a field.
QString drawingFieldMeaning(std::string_view field);

// The field's dimension as the template's messages name it: "ширина щеки".
// The name itself for a name that is not a field.
QString dimensionName(std::string_view field);

}  // namespace vintorp::lang
