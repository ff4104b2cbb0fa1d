#include "editor/identity_note.h"

#include "model/maritime_identity.h"
#include "model/number_rules.h"

namespace klt {

IdentityNote::IdentityNote(const char *name, IdentityPlace place, QWidget *parent)
    : QLabel(parent), place_(place) {
    setObjectName(name);
    setWordWrap(true);
}

void IdentityNote::showNumber(const std::string &stored) {
    std::string digits;
    std::optional<std::string> warning;
    std::optional<std::string_view> country;
    switch (place_) {
    case IdentityPlace::UserMmsi:
    case IdentityPlace::Station:
        digits = MmsiForPeople(stored);
        if (digits.size() == kMmsiDigits) {
            warning =
                place_ == IdentityPlace::UserMmsi ? UserMmsiWarning(digits) : IndividualMmsiWarning(digits);
            country = CountryOfMmsi(digits);
        }
        break;
    case IdentityPlace::Group:
        digits = MmsiFieldText(stored, true);
        if (digits.size() == kGroupMmsiDigits) {
            warning = GroupMmsiWarning(digits);
            digits = "0" + digits; // as people read a group's number
            country = CountryOfMmsi(digits);
        }
        break;
    case IdentityPlace::AtisCode:
        digits = stored;
        if (digits.size() == kAtisCodeDigits) {
            warning = AtisCodeWarning(digits);
            country = CountryOfAtisCode(digits);
        }
        break;
    }
    if (warning) {
        setText(tr("Check: %1").arg(QString::fromStdString(*warning)));
    } else if (country) {
        setText(QString::fromStdString(digits + " - " + std::string(*country)));
    } else {
        clear();
    }
}

} // namespace klt
