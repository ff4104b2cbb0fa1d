#include "editor/number_field.h"

#include "editor/directory_rules.h"
#include "editor/qt_text.h"
#include "editor/text_field.h"

namespace klt {

std::string NumberFieldText(const std::string &stored, NumberKind kind) {
    return kind == NumberKind::AtisCode ? stored : MmsiFieldText(stored, kind == NumberKind::GroupMmsi);
}

void SetNumberRule(TextField &field, Ui &ui, NumberFieldRule rule) {
    field.setLeaveCheck([&ui, rule = std::move(rule)](TextField &self, bool validating) {
        const std::optional<std::string> value = FixedLengthValue(FromQString(self.text()), rule.kind);
        if (value) {
            rule.store(*value);
            self.fill(ToQString(NumberFieldText(*value, rule.kind)));
            return true;
        }
        if (validating) {
            ui.message(MessageIcon::Warning, "Data Error!!", rule.title);
            return false;
        }
        self.fill(ToQString(NumberFieldText(rule.stored(), rule.kind)));
        return true;
    });
}

} // namespace klt
