#include "editor/read_only_look.h"

#include <QApplication>
#include <QEvent>
#include <QLineEdit>

namespace klt {

namespace {

class ReadOnlyLook final : public QObject {
public:
    explicit ReadOnlyLook(QLineEdit &field) : QObject(&field), field_(field) {
        field.installEventFilter(this);
        apply();
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (watched == &field_ &&
            (event->type() == QEvent::ReadOnlyChange || event->type() == QEvent::PaletteChange)) {
            apply();
        }
        return false;
    }

private:
    static constexpr QPalette::ColorGroup kGroups[] = {QPalette::Active, QPalette::Inactive,
                                                       QPalette::Disabled};

    // Only the background is set, to the window's colour of the moment: everything else, and a new
    // palette of the desktop, the field takes from the window as any other.
    void apply() {
        if (!field_.isReadOnly()) {
            if (field_.testAttribute(Qt::WA_SetPalette)) {
                field_.setPalette(QPalette());
            }
            return;
        }
        const QPalette shown = field_.palette();
        bool same = true;
        QPalette look;
        for (const QPalette::ColorGroup group : kGroups) {
            same = same && shown.color(group, QPalette::Base) == shown.color(group, QPalette::Window);
            look.setColor(group, QPalette::Base, shown.color(group, QPalette::Window));
        }
        if (!same) { // the change this makes comes back here as the same look
            field_.setPalette(look);
        }
    }

    QLineEdit &field_;
};

} // namespace

void ShowReadOnlyAsSuch(QLineEdit &field) {
    new ReadOnlyLook(field); // owned by the field
}

} // namespace klt
