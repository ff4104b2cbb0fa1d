#include "support/loopback_port.h"

#include <algorithm>
#include <utility>

namespace klt::test {

std::optional<Fault> LoopbackPort::open(int portNumber, const std::string &settings) {
    openedPorts.push_back(portNumber);
    openedWith.push_back(settings);
    if (openFault) {
        return std::exchange(openFault, std::nullopt);
    }
    open_ = true;
    settings_ = settings;
    return std::nullopt;
}

std::uint8_t LoopbackPort::readByte() {
    if (onTurn) {
        onTurn();
    }
    const std::uint8_t byte = input_.front();
    input_.pop_front();
    return byte;
}

void LoopbackPort::write(std::span<const std::uint8_t> bytes) {
    if (failAfterWrites && writes_ >= *failAfterWrites) {
        throw PortFault{{8015, "The port is gone"}};
    }
    ++writes_;
    written.insert(written.end(), bytes.begin(), bytes.end());
    if (peer_) {
        const auto answer = peer_(bytes);
        input_.insert(input_.end(), answer.begin(), answer.end());
    }
}

bool LoopbackPort::waitForData(int milliseconds) {
    if (onTurn) {
        onTurn();
    }
    if (input_.empty()) {
        clock_.advance(std::max(milliseconds, 1));
    }
    return !input_.empty();
}

} // namespace klt::test
