// What the input window's key filter sees of a key press: the character it
// types, if any. Keys that type nothing (Tab, arrows, Delete, Insert, F-keys)
// and their editing shortcuts pass the filter untouched.
#pragma once

#include <optional>

class QKeyEvent;

namespace vintorp::ui {

inline constexpr char32_t kBackspace = 8;
inline constexpr char32_t kEnter = 13;

// The character a key press types: printable text, or a control character
// (Enter 13, Backspace 8, Escape 27, Ctrl+letter 1..26); nothing otherwise.
std::optional<char32_t> typedCharacter(const QKeyEvent& key);

}  // namespace vintorp::ui
