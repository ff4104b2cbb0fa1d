#pragma once
// A read-only field looks it: its background is the window's, as a label's is, not an input's. It
// follows the field's read-only state and the palette (a dark desktop) as they change.

class QLineEdit;

namespace klt {

void ShowReadOnlyAsSuch(QLineEdit &field);

} // namespace klt
