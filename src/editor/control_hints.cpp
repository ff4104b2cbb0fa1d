#include "editor/control_hints.h"

#include <QCoreApplication>
#include <QVariant>
#include <QWidget>

namespace klt {

namespace {

constexpr const char *kHintProperty = "kltHint";

} // namespace

QString HintText(const char *hint) {
    return QCoreApplication::translate("klt::ControlHints", hint);
}

void SetHint(QWidget *control, const QString &hint) {
    control->setProperty(kHintProperty, hint);
}

QString HintOf(const QWidget *control) {
    return control != nullptr ? control->property(kHintProperty).toString() : QString();
}

} // namespace klt
