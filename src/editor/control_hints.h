#pragma once
// The hints status panel 1 shows while a control has the focus. A control carries its hint; the
// window shows the hint of whichever control gains the focus.

#include <QString>

class QWidget;

namespace klt {

inline constexpr const char *kBoxHint = "[Space]:An effective and invalid change.";
inline constexpr const char *kListHint = "[Up]/[Down]:Change of a Selection item.";
inline constexpr const char *kTreeHint = "[Up]/[Down]/[Left]/[Right]:Change of a Selection item.";
inline constexpr const char *kGridHint = "[Double click],[Enter]:Jump the Setting screen.";
inline constexpr const char *kWeatherEnableHint = "Select[x]Enable/[]Disable.";

void SetHint(QWidget *control, const QString &hint);
// Empty for a control without a hint.
QString HintOf(const QWidget *control);

} // namespace klt
