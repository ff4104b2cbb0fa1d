#include "editor/number_field.h"

#include "editor/directory_rules.h"
#include "editor/qt_text.h"
#include "editor/text_field.h"

namespace klt {

std::string NumberFieldText(const std::string &stored, NumberKind kind) {
    return kind == NumberKind::AtisCode ? stored : MmsiFieldText(stored, kind == NumberKind::GroupMmsi);
}

void SetNumberRule(TextField &field, Ui &ui, NumberFieldRule rule) {
    field.setLeaveCheck(ui, [rule = std::move(rule)](TextField &self) -> std::optional<std::string> {
        const std::optional<std::string> value = FixedLengthValue(FromQString(self.text()), rule.kind);
        if (!value) {
            return rule.title;
        }
        rule.store(*value);
        self.fill(ToQString(NumberFieldText(*value, rule.kind)));
        return std::nullopt;
    });
}

} // namespace klt
