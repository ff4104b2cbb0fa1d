#pragma once
// The keys the editor's text fields accept. What a left field's text becomes, or why it is refused,
// is the rules of what it holds: channels, names and numbers.

#include "model/channel_rules.h"
#include "model/name_rules.h"
#include "model/number_rules.h"

namespace klt {

enum class KeyFilter { Digits, Frequency, DisplayCharacters, Name, StatusName, None };

constexpr char kBackspace = 8;

// Whether a typed character reaches the field. The radio's seven-segment display can only show the
// display characters, in exactly their cases; it takes no Backspace either.
bool FilterAccepts(KeyFilter filter, char key);

} // namespace klt
