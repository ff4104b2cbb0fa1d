#include "editor/control_hints.h"

#include <QVariant>
#include <QWidget>

namespace klt {

namespace {

constexpr const char *kHintProperty = "kltHint";

} // namespace

void SetHint(QWidget *control, const QString &hint) {
    control->setProperty(kHintProperty, hint);
}

QString HintOf(const QWidget *control) {
    return control != nullptr ? control->property(kHintProperty).toString() : QString();
}

} // namespace klt
