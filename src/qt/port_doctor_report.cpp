#include "qt/port_doctor.h"

#include <cstdio>
#include <sstream>

namespace klt {

namespace {

std::string Octal(unsigned mode) {
    char text[8];
    std::snprintf(text, sizeof text, "%04o", mode);
    return text;
}

std::string Joined(const std::vector<std::string> &parts) {
    std::string text;
    for (const auto &part : parts) {
        text += (text.empty() ? "" : ", ") + part;
    }
    return text;
}

void DescribeAdapter(std::ostringstream &out, const PortExamination &port) {
    out << "  what:    " << port.kind;
    if (!port.vendorId.empty()) {
        out << ", " << (port.maker.empty() ? std::string("maker unnamed") : port.maker)
            << (port.product.empty() ? "" : " " + port.product) << " (USB " << port.vendorId << ":"
            << port.productId << (port.chip.empty() ? "" : ", a " + port.chip + " chip") << ")";
    }
    if (!port.driver.empty()) {
        out << ", driver " << port.driver;
    }
    out << "\n";
}

void DescribeAccess(std::ostringstream &out, const PortExamination &port, const std::string &user) {
    out << "  access:  owner " << port.ownerName << ", group " << port.groupName << ", mode "
        << Octal(port.mode) << "\n";
    if (port.userMay) {
        out << "  you:     may open it\n";
        return;
    }
    out << "  you:     may NOT open it\n";
    if (!port.groupGrants) {
        out << "  mend:    the device's group may not use it either; the program's udev rule gives USB\n"
               "           adapters to the group dialout (see \"Troubleshooting the cable\" in the README)\n";
    } else if (port.inGroupInFile) {
        out << "  mend:    you were added to the group " << port.groupName
            << ", but this login started before: log out and in\n"
               "           again (or run \"newgrp "
            << port.groupName << "\" in this terminal)\n";
    } else {
        out << "  mend:    sudo usermod -aG " << port.groupName << " " << user
            << "\n           then log out and in again: the group counts from the next login\n";
    }
}

void DescribeServices(std::ostringstream &out, const DoctorFindings &findings) {
    bool adapters = false;
    for (const auto &port : findings.ports) {
        adapters = adapters || !port.vendorId.empty();
    }
    if (findings.modemManager) {
        if (findings.portRuleInstalled) {
            out << "ModemManager is installed; the program's udev rule tells it to leave USB serial adapters "
                   "alone.\n";
        } else {
            out << "ModemManager is installed and may probe a USB adapter as it is plugged in, which "
                   "garbles\n"
                   "the first exchanges. Install the program's udev rule:\n"
                   "  sudo cp 60-klt-serial.rules /etc/udev/rules.d/ && sudo udevadm control --reload\n"
                   "(the rule is in the package and the source's data/udev), or stop it while programming:\n"
                   "  sudo systemctl stop ModemManager\n";
        }
    }
    if (findings.brltty) {
        if (!findings.brlttyClaims.empty()) {
            out << "brltty (a braille display driver) is installed and its udev rules take the adapter "
                << Joined(findings.brlttyClaims)
                << "\naway as soon as it is plugged in. Without a braille display, remove it:\n"
                   "  sudo apt remove brltty\n"
                   "or keep it and stop its rules: sudo systemctl mask brltty-udev.service, then plug the "
                   "cable in again.\n";
        } else if (adapters) {
            out << "brltty is installed; its rules do not name the adapters found here.\n";
        }
    }
}

} // namespace

std::string DoctorReportText(const DoctorFindings &findings) {
    std::ostringstream out;
    if (findings.ports.empty()) {
        out << "No serial port found: plug the cable in (a USB adapter shows up as /dev/ttyUSB0 or\n"
               "/dev/ttyACM0) and run this again, or name the port with --port.\n";
    }
    for (const auto &port : findings.ports) {
        out << port.device
            << (port.resolved.empty() || port.resolved == port.device ? "" : " (" + port.resolved + ")")
            << "\n";
        if (!port.exists) {
            out << "  missing: no such device; check that the cable is plugged in (\"ls "
                   "/dev/serial/by-id/\"\n"
                   "           lists the adapters plugged in)\n\n";
            continue;
        }
        DescribeAdapter(out, port);
        DescribeAccess(out, port, findings.user);
        if (!port.servers.empty()) {
            out << "  served:  by " << Joined(port.servers) << "\n";
        }
        if (!port.holders.empty()) {
            out << "  in use:  by " << Joined(port.holders) << ": close the port there first\n";
        }
        if (port.probe) {
            out << "  radio:   " << *port.probe << "\n";
        }
        out << "  verdict: " << (port.usable() ? "usable" : "not usable") << "\n\n";
    }
    DescribeServices(out, findings);
    return out.str();
}

} // namespace klt
