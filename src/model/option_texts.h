#pragma once
// Display texts of stored settings, shared by the pages, the grids, the files and the report.

#include "model/records.h"

#include <cstdint>
#include <string>

namespace klt {

// Common setup.
std::string TxPowerDisplayText(int value);
std::string OnOffText(bool flag);
std::string ResumeTimeText(int value);
std::string TimeDisplayText(int value); // a flag's absolute value: true (-1) shows "Local"
std::string TimeFormatText(int value);
std::string WeatherAlertText(int value);
std::string SpeedUnitText(int value);
std::string DistanceUnitText(int value);
std::string AltitudeUnitText(int value);

// Automatic position reporting.
std::string IntervalText(int value);
std::string SelectCallText(int value, bool groupFlag);
std::string BracketedStatusName(const Configuration &config, int group); // group 1 to 4
std::string GroupChoiceText(const Configuration &config, int value);
// entryNumber counts from 1.
std::string DirectoryNameText(const Configuration &config, std::int64_t entryNumber, int selectCall,
                              int mode);

// Channel references.
std::string ChannelRefText(std::int64_t reference);
std::string ExpText();
std::string AutoPosChannelText(const Configuration &config, std::int64_t value);

// Channel grid column markers.
std::string EnableMark(bool flag);
std::string TxMark(bool flag);
std::string LowMark(bool flag);
std::string PowUpMark(bool flag);
std::string DuplexMark(bool flag);
std::string ScanMemoryMark(bool flag);
std::string HiLowText(bool flag);
std::string ScrambleText(int value);

int DirectoryMemberCount(const Configuration &config, const DirectoryEntry &entry);
std::string NameOrDashes(const std::string &name);

// The transmit or receive tone of a channel: CTCSS first, then DCS ("N" normal, "I" inverted).
std::string ToneText(const ChannelRecord &record, bool transmit);

} // namespace klt
