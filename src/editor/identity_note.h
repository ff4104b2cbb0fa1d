#pragma once
// Beside a number field: the country of the marine identity typed, or what is odd about it (a wrong
// kind of number, or a MID no country holds) as a warning the user may accept.

#include <QLabel>

#include <string>

namespace klt {

enum class IdentityPlace { UserMmsi, Station, Group, AtisCode };

class IdentityNote final : public QLabel {
    Q_OBJECT
public:
    IdentityNote(const char *name, IdentityPlace place, QWidget *parent);

    void setPlace(IdentityPlace place) { place_ = place; }
    // The number as the records store it; an empty one shows nothing.
    void showNumber(const std::string &stored);

private:
    IdentityPlace place_;
};

} // namespace klt
