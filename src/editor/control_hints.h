#pragma once
// The hints status panel 1 shows while a control has the focus. A control carries its hint; the
// window shows the hint of whichever control gains the focus.

#include <QString>
#include <QtGlobal>

class QWidget;

namespace klt {

// Shared by many controls, and shown through HintText.
inline constexpr const char *kBoxHint =
    QT_TRANSLATE_NOOP("klt::ControlHints", "[Space]:An effective and invalid change.");
inline constexpr const char *kListHint =
    QT_TRANSLATE_NOOP("klt::ControlHints", "[Up]/[Down]:Change of a Selection item.");
inline constexpr const char *kTreeHint =
    QT_TRANSLATE_NOOP("klt::ControlHints", "[Up]/[Down]/[Left]/[Right]:Change of a Selection item.");
inline constexpr const char *kGridHint =
    QT_TRANSLATE_NOOP("klt::ControlHints", "[Double click],[Enter]:Jump the Setting screen.");
inline constexpr const char *kWeatherEnableHint =
    QT_TRANSLATE_NOOP("klt::ControlHints", "Select[x]Enable/[]Disable.");

// One of the hints above as the user reads it.
QString HintText(const char *hint);

void SetHint(QWidget *control, const QString &hint);
// Empty for a control without a hint.
QString HintOf(const QWidget *control);

} // namespace klt
