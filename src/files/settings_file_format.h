#pragma once
// Names and value encodings the settings file shares between its writer and its reader.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace klt::settings_file {

inline constexpr std::string_view kMain = "MAIN";
inline constexpr std::string_view kGroups = "Usable CH Group Setup";
inline constexpr std::string_view kCommon = "Common Setup";
inline constexpr std::string_view kDscBasic = "DSC Setup (Basic Setup)";
inline constexpr std::string_view kDscAdvanced = "DSC Setup (Advanced Setup)";
inline constexpr std::string_view kDscDisplay = "DSC Setup (Display Setup)";
inline constexpr std::string_view kAtisCommon = "ATIS Setup (Common)";
inline constexpr std::string_view kAtisCallSign = "ATIS Setup (Call Sign)";
inline constexpr std::array<std::string_view, 3> kPlanSections = {"CHUSA", "CHINT", "CHCAN"};
inline constexpr std::string_view kWeatherSection = "CHWX";
inline constexpr std::string_view kIndividualSection = "CHMMSID";
inline constexpr std::string_view kGroupDirectorySection = "CHGRPID";
inline constexpr std::string_view kExpSection = "CHEXP";

inline constexpr std::array<std::string_view, 4> kGroupKeys = {"Group1", "Group2", "Group3", "Exp CH"};
inline constexpr std::array<std::string_view, 5> kCallKinds = {
    "All Ships Call", "Group Call", "Individual Call", "PositionRequest Call", "PositionReport Call"};

// Keys written with a blank before the index ("Priority CH 0").
std::string Indexed(std::string_view name, int index);

// Writing.
std::string Flag(bool value);
std::string TruthWord(bool value);
std::string Real(double value); // 15 significant digits, never an exponent, "." in every locale

// Reading: nothing when the text does not convert, so the field keeps its value.
std::optional<bool> ToBool(std::string_view text);
std::optional<std::int16_t> ToInt16(std::string_view text);
std::optional<std::int32_t> ToInt32(std::string_view text);
std::optional<double> ToReal(std::string_view text); // "." or "," as the decimal separator

} // namespace klt::settings_file
