#pragma once
// The fixed-length numbers (MMSIs and the ATIS code): a field that takes only digits, stores its text
// when it has the right length or is empty, and otherwise refuses it.

#include "base/ui.h"
#include "model/field_rules.h"

#include <functional>
#include <string>

namespace klt {

class TextField;

struct NumberFieldRule {
    NumberKind kind = NumberKind::Mmsi;
    std::string title; // of the box that refuses a wrong length
    std::function<void(const std::string &)> store;
};

// What the field shows of a stored number.
std::string NumberFieldText(const std::string &stored, NumberKind kind);

// Left with a change: a right text is stored and shown as stored; a wrong one is refused with
// "Data Error!!" and the field keeps the focus.
void SetNumberRule(TextField &field, Ui &ui, NumberFieldRule rule);

} // namespace klt
