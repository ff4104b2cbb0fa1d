#include "link/operation.h"

#include <utility>

namespace klt {

std::optional<Operation> OperationFromCode(int code) {
    if (code < static_cast<int>(Operation::Read) || code > static_cast<int>(Operation::ClearAtis)) {
        return std::nullopt;
    }
    return static_cast<Operation>(code);
}

std::string OperationCaption(Operation operation) {
    switch (operation) {
    case Operation::Read:
        return "Read from Radio";
    case Operation::Program:
        return "Program to Radio";
    case Operation::ClearMmsi:
        return "Clear MMSI Data";
    case Operation::ClearDscLog:
        return "Clear DSC Log Data";
    case Operation::ClearDistressLog:
        return "Clear Distress Log Data";
    case Operation::ClearIndividual:
        return "Clear Individual Directory";
    case Operation::ClearGroup:
        return "Clear Group Directory";
    case Operation::ClearWaypoint:
        return "Clear WayPoint Directory";
    case Operation::ClearDscTxLog:
        return "Clear DSC TX Log Data";
    case Operation::ClearAll:
        return "Clear All Data";
    case Operation::ClearAtis:
        return "Clear ATIS Data";
    }
    return {};
}

namespace {

constexpr std::pair<Operation, const char *> kAreaNames[] = {
    {Operation::ClearMmsi, "mmsi"},
    {Operation::ClearDscLog, "dsc-log"},
    {Operation::ClearDistressLog, "distress-log"},
    {Operation::ClearIndividual, "individual-directory"},
    {Operation::ClearGroup, "group-directory"},
    {Operation::ClearWaypoint, "waypoint-directory"},
    {Operation::ClearDscTxLog, "dsc-tx-log"},
    {Operation::ClearAll, "all"},
    {Operation::ClearAtis, "atis"},
};

} // namespace

std::string ClearAreaName(Operation operation) {
    for (const auto &[clear, name] : kAreaNames) {
        if (clear == operation) {
            return name;
        }
    }
    return {};
}

std::optional<Operation> ClearNamed(const std::string &name) {
    for (const auto &[clear, areaName] : kAreaNames) {
        if (name == areaName) {
            return clear;
        }
    }
    return std::nullopt;
}

} // namespace klt
