#include "files/settings_fields.h"

#include "files/settings_file_format.h"

#include <cstdlib>
#include <limits>
#include <type_traits>

namespace klt::settings_file {

namespace {

std::optional<std::int16_t> ToNumberLike(std::string_view text, std::int16_t) {
    return ToInt16(text);
}

std::optional<std::int32_t> ToNumberLike(std::string_view text, std::int32_t) {
    return ToInt32(text);
}

// Field builders. Each takes an accessor: a generic lambda that gives the field of a record, const
// or not.

// 0 or 1; read as a boolean ("True", "False" or a number).
template <typename Record, typename Get> Field<Record> FlagKey(std::string key, Get get) {
    return {std::move(key), [get](const Record &r) { return Flag(get(r)); },
            [get](Record &r, std::string_view v) {
                const auto value = ToBool(v);
                if (!value) {
                    return ValueRead::Unreadable;
                }
                get(r) = *value;
                return ValueRead::Taken;
            }};
}

// "True" or "False"; read as a boolean.
template <typename Record, typename Get> Field<Record> TruthKey(std::string key, Get get) {
    Field<Record> field = FlagKey<Record>(std::move(key), get);
    field.write = [get](const Record &r) { return TruthWord(get(r)); };
    return field;
}

// The values a number may take: a setting the radio keeps in one byte takes no more than a byte holds,
// so that nothing wraps silently on its way into the memory.
struct NumberRange {
    long least;
    long most;
};
constexpr NumberRange kAnyNumber{std::numeric_limits<long>::min(), std::numeric_limits<long>::max()};
constexpr NumberRange kByte{0, 255};

// A whole number; with magnitude, written without its sign. Whatever is written reads back, so a
// magnitude field takes no value whose magnitude its type cannot hold (-32768 for 16 bits).
template <typename Record, typename Get>
Field<Record> NumberKey(std::string key, Get get, bool magnitude = false, NumberRange range = kAnyNumber) {
    return {std::move(key),
            [get, magnitude](const Record &r) {
                const long value = get(r);
                return std::to_string(magnitude ? std::labs(value) : value);
            },
            [get, magnitude, range](Record &r, std::string_view v) {
                auto &field = get(r);
                using Number = std::remove_reference_t<decltype(field)>;
                const auto value = ToNumberLike(v, field);
                if (!value) {
                    return ValueRead::Unreadable;
                }
                const long kept = magnitude ? std::labs(static_cast<long>(*value)) : *value;
                if ((magnitude && *value == std::numeric_limits<Number>::min()) || kept < range.least ||
                    kept > range.most) {
                    return ValueRead::OutOfRange;
                }
                field = *value;
                return ValueRead::Taken;
            }};
}

template <typename Record, typename Get>
Field<Record> MagnitudeKey(std::string key, Get get, NumberRange range = kAnyNumber) {
    return NumberKey<Record>(std::move(key), get, true, range);
}

// Text as it stands; a missing key reads as empty text.
template <typename Record, typename Get> Field<Record> TextKey(std::string key, Get get) {
    return {std::move(key), [get](const Record &r) { return std::string(get(r)); },
            [get](Record &r, std::string_view v) {
                get(r) = std::string(v);
                return ValueRead::Taken;
            }};
}

// Text after a "#", so that it may itself start with one; the reader drops one "#".
template <typename Record, typename Get> Field<Record> HashTextKey(std::string key, Get get) {
    Field<Record> field = TextKey<Record>(std::move(key), get);
    field.write = [get](const Record &r) { return "#" + std::string(get(r)); };
    return field;
}

template <typename Record, typename Get> Field<Record> RealKey(std::string key, Get get) {
    return {std::move(key), [get](const Record &r) { return Real(get(r)); },
            [get](Record &r, std::string_view v) {
                const auto value = ToReal(v);
                if (!value) {
                    return ValueRead::Unreadable;
                }
                get(r) = *value;
                return ValueRead::Taken;
            }};
}

using ConfigFields = Fields<Configuration>;

Fields<Configuration> BuildDscBasic() {
    ConfigFields fields;
    for (int g = 0; g < kPlanGroupCount; ++g) {
        const auto i = static_cast<std::size_t>(g);
        fields.push_back(FlagKey<Configuration>(
            std::string(kGroupKeys[i]), [i](auto &c) -> auto & { return c.DscBasic.Group[i]; }));
    }
    fields.push_back(HashTextKey<Configuration>(
        "User MMSI", [](auto &c) -> auto & { return c.DscBasic.UserMmsi; }));
    for (std::size_t i = 0; i < 4; ++i) {
        const std::string n = std::to_string(i);
        fields.push_back(FlagKey<Configuration>(
            "PosRequest" + n, [i](auto &c) -> auto & { return c.DscBasic.PosRequest[i]; }));
        fields.push_back(FlagKey<Configuration>(
            "PosRequestTX" + n, [i](auto &c) -> auto & { return c.DscBasic.PosRequestTx[i]; }));
    }
    for (std::size_t i = 0; i < DscBasicRecord{}.BeepOut.size(); ++i) {
        fields.push_back(FlagKey<Configuration>(
            "BeepOut" + std::to_string(i), [i](auto &c) -> auto & { return c.DscBasic.BeepOut[i]; }));
    }
    return fields;
}

Fields<Configuration> BuildDscAdvanced() {
    ConfigFields fields;
    for (std::size_t k = 0; k < kCallKinds.size(); ++k) {
        for (std::size_t i = 0; i < 4; ++i) {
            const std::string kind(kCallKinds[k]);
            fields.push_back(FlagKey<Configuration>(
                kind + std::to_string(i),
                [ k, i ](auto &c) -> auto & { return c.DscAdvanced.Calls[k].Value[i]; }));
            fields.push_back(FlagKey<Configuration>(
                kind + "TX" + std::to_string(i),
                [ k, i ](auto &c) -> auto & { return c.DscAdvanced.Calls[k].Tx[i]; }));
        }
    }
    return fields;
}

Fields<Configuration> BuildAtisCommon() {
    ConfigFields fields;
    for (std::size_t g = 0; g < 4; ++g) {
        fields.push_back(FlagKey<Configuration>(
            "Usable ATIS CH Group" + std::to_string(g), [g](auto &c) -> auto & {
                return c.Atis.UsableAtisChGroup[g];
            }));
    }
    fields.push_back(HashTextKey<Configuration>(
        "Atis Code", [](auto &c) -> auto & { return c.Atis.AtisCode; }));
    for (std::size_t g = 0; g < 4; ++g) {
        fields.push_back(FlagKey<Configuration>(
            "Usable ATIS Kikker CH Group" + std::to_string(g), [g](auto &c) -> auto & {
                return c.Atis.UsableAtisKikkerChGroup[g];
            }));
    }
    return fields;
}

Fields<Configuration> BuildAtisCallSigns() {
    ConfigFields fields;
    for (std::size_t i = 0; i < kAtisCallSignCount; ++i) {
        const std::string n = std::to_string(i + 1);
        fields.push_back(TextKey<Configuration>(
            "MID" + n, [i](auto &c) -> auto & { return c.AtisCallSigns[i].Mid; }));
        fields.push_back(TextKey<Configuration>(
            "DISP" + n, [i](auto &c) -> auto & { return c.AtisCallSigns[i].Disp; }));
    }
    return fields;
}

// Keys of a channel that the plan tables, the weather table and the expansion channels share.
Field<ChannelRecord> ChannelFlag(std::string key, bool ChannelRecord::*flag) {
    return FlagKey<ChannelRecord>(
        std::move(key), [flag](auto &r) -> auto & { return r.*flag; });
}

Field<ChannelRecord> ChannelName() {
    return HashTextKey<ChannelRecord>(
        "ChTag", [](auto &r) -> auto & { return r.ChTag; });
}

Field<ChannelRecord> ChannelScramble() {
    return NumberKey<ChannelRecord>(
        "Scramble", [](auto &r) -> auto & { return r.Scramble; });
}

} // namespace

const Fields<FileHeader> &MainFields() {
    static const Fields<FileHeader> kFields = {
        {"MODEL", [](const FileHeader &h) { return "#" + h.modelName; }, {}},
        {"TYPE", [](const FileHeader &) { return std::string("#KLT"); }, {}},
        {"VERSION", [](const FileHeader &) { return std::string("#1.00"); }, {}},
        {"MODELTYPE", [](const FileHeader &h) { return std::to_string(h.model); }, {}},
    };
    return kFields;
}

Fields<Configuration> GroupFields(Model model) {
    ConfigFields fields;
    for (std::size_t g = 0; g < kGroupKeys.size(); ++g) {
        fields.push_back(FlagKey<Configuration>(
            std::string(kGroupKeys[g]), [g](auto &c) -> auto & { return c.Groups[g].Usable; }));
    }
    for (std::size_t g = 0; g < kGroupKeys.size(); ++g) {
        fields.push_back(MagnitudeKey<Configuration>(
            Indexed("Priority CH", static_cast<int>(g)), [g](auto &c) -> auto & {
                return c.Groups[g].PriorityCh;
            }));
    }
    if (HasSecondPriorityChannel(model)) {
        for (std::size_t g = 0; g < kGroupKeys.size(); ++g) {
            fields.push_back(MagnitudeKey<Configuration>(
                Indexed("Second CH", static_cast<int>(g)), [g](auto &c) -> auto & {
                    return c.Groups[g].SecondCh;
                }));
        }
    }
    for (std::size_t g = 0; g < kGroupKeys.size(); ++g) {
        fields.push_back(TextKey<Configuration>(
            Indexed("Status name", static_cast<int>(g)), [g](auto &c) -> auto & {
                return c.Groups[g].StatusName;
            }));
    }
    for (std::size_t j = 0; j < 3; ++j) {
        fields.push_back(TruthKey<Configuration>(
            Indexed("Exp Ch Group", static_cast<int>(j)), [j](auto &c) -> auto & {
                return c.Groups[kExpGroup].ExpChGroup[j];
            }));
    }
    return fields;
}

const Fields<Configuration> &CommonFields() {
    static const ConfigFields kFields = {
        MagnitudeKey<Configuration>(
            "TX Po Display", [](auto &c) -> auto & { return c.Common.TxPoDisplay; }, kByte),
        FlagKey<Configuration>(
            "SCAN", [](auto &c) -> auto & { return c.Common.Scan; }),
        NumberKey<Configuration>(
            "Resume Time", [](auto &c) -> auto & { return c.Common.ResumeTime; }, false, kByte),
        FlagKey<Configuration>(
            "PTT SCAN Clear", [](auto &c) -> auto & { return c.Common.PttScanClear; }),
        FlagKey<Configuration>(
            "Dual Watch", [](auto &c) -> auto & { return c.Common.DualWatch; }),
        NumberKey<Configuration>(
            "Offset Time", [](auto &c) -> auto & { return c.Common.OffsetTime; }),
        FlagKey<Configuration>(
            "Time Display", [](auto &c) -> auto & { return c.Common.TimeDisplay; }),
        FlagKey<Configuration>(
            "Format", [](auto &c) -> auto & { return c.Common.Format; }),
        MagnitudeKey<Configuration>(
            "Weater", [](auto &c) -> auto & { return c.Common.Weater; }, kByte),
        MagnitudeKey<Configuration>(
            "SOG", [](auto &c) -> auto & { return c.Common.Sog; }, kByte),
        MagnitudeKey<Configuration>(
            "Distance", [](auto &c) -> auto & { return c.Common.Distance; }, kByte),
        MagnitudeKey<Configuration>(
            "Altitude", [](auto &c) -> auto & { return c.Common.Altitude; }, kByte),
    };
    return kFields;
}

const Fields<Configuration> &DscBasicFields() {
    static const ConfigFields kFields = BuildDscBasic();
    return kFields;
}

const Fields<Configuration> &DscAdvancedFields() {
    static const ConfigFields kFields = BuildDscAdvanced();
    return kFields;
}

const Fields<Configuration> &DscDisplayFields() {
    static const ConfigFields kFields = {
        FlagKey<Configuration>(
            "Individual ACK Menu", [](auto &c) -> auto & { return c.DscDisplay.IndividualAckMenu; }),
        FlagKey<Configuration>(
            "Individual ACK Message Menu",
            [](auto &c) -> auto & { return c.DscDisplay.IndividualAckMessageMenu; }),
        FlagKey<Configuration>(
            "POS Request ACK Menu", [](auto &c) -> auto & { return c.DscDisplay.PosRequestAckMenu; }),
    };
    return kFields;
}

const Fields<Configuration> &AtisCommonFields() {
    static const ConfigFields kFields = BuildAtisCommon();
    return kFields;
}

const Fields<Configuration> &AtisCallSignFields() {
    static const ConfigFields kFields = BuildAtisCallSigns();
    return kFields;
}

const Fields<ChannelRecord> &PlanChannelFields() {
    static const Fields<ChannelRecord> kFields = {
        {std::string(kPositionKey), [](const ChannelRecord &r) { return std::to_string(r.Position); }, {}},
        ChannelFlag("Enable", &ChannelRecord::Enable),
        ChannelFlag("LowPower", &ChannelRecord::LowPower),
        ChannelFlag("PowUp", &ChannelRecord::PowUp),
        ChannelFlag("Duplex", &ChannelRecord::Duplex),
        ChannelFlag("TxEnable", &ChannelRecord::TxEnable),
        ChannelFlag("DispayA", &ChannelRecord::DispayA),
        ChannelFlag("ScanMemory", &ChannelRecord::ScanMemory),
        ChannelScramble(),
        ChannelName(),
    };
    return kFields;
}

const Fields<ChannelRecord> &WeatherFields() {
    static const Fields<ChannelRecord> kFields = {
        ChannelFlag("Enable", &ChannelRecord::Enable),
        ChannelFlag("ScanMemory", &ChannelRecord::ScanMemory),
        ChannelName(),
    };
    return kFields;
}

const Fields<DirectoryEntry> &DirectoryFields() {
    static const Fields<DirectoryEntry> kFields = {
        FlagKey<DirectoryEntry>(
            "Enable", [](auto &e) -> auto & { return e.Enable; }),
        HashTextKey<DirectoryEntry>(
            "TagName", [](auto &e) -> auto & { return e.TagName; }),
        TextKey<DirectoryEntry>(
            "Mmsid", [](auto &e) -> auto & { return e.Mmsid; }),
    };
    return kFields;
}

const Fields<ChannelRecord> &ExpansionFields() {
    static const Fields<ChannelRecord> kFields = [] {
        Fields<ChannelRecord> fields = {
            ChannelFlag("Enable", &ChannelRecord::Enable),
            TextKey<ChannelRecord>(
                "CHDisplayL", [](auto &r) -> auto & { return r.CHDisplayL; }),
            TextKey<ChannelRecord>(
                "CHDisplayR", [](auto &r) -> auto & { return r.CHDisplayR; }),
            RealKey<ChannelRecord>(
                "Rxfreq", [](auto &r) -> auto & { return r.Rxfreq; }),
            RealKey<ChannelRecord>(
                "Txfreq", [](auto &r) -> auto & { return r.Txfreq; }),
            ChannelFlag("LowPower", &ChannelRecord::LowPower),
            ChannelFlag("PowUp", &ChannelRecord::PowUp),
            ChannelFlag("ScanMemory", &ChannelRecord::ScanMemory),
            ChannelScramble(),
            ChannelName(),
        };
        for (std::size_t i = 0; i < ChannelRecord{}.ExpCB.size(); ++i) {
            fields.push_back(FlagKey<ChannelRecord>(
                "ExpCB" + std::to_string(i + 1), [i](auto &r) -> auto & { return r.ExpCB[i]; }));
        }
        return fields;
    }();
    return kFields;
}

} // namespace klt::settings_file
