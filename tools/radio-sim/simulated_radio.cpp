#include "simulated_radio.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace klt::sim {

namespace {

constexpr std::uint8_t kAbort = 0x18;
constexpr std::uint8_t kAbortAnswer = 0x06;

std::string TwoHex(unsigned value) {
    char text[8];
    std::snprintf(text, sizeof text, "%02X", value & 0xFF);
    return text;
}

std::string FourHex(unsigned value) {
    char text[8];
    std::snprintf(text, sizeof text, "%04X", value & 0xFFFF);
    return text;
}

unsigned Xor(const std::string &text) {
    unsigned sum = 0;
    for (const unsigned char c : text) {
        sum ^= c;
    }
    return sum;
}

std::vector<std::string> Fields(const std::string &line) {
    std::vector<std::string> fields;
    std::string field;
    for (const char c : line) {
        if (c == '\t') {
            fields.push_back(field);
            field.clear();
        } else {
            field.push_back(c);
        }
    }
    fields.push_back(field);
    return fields;
}

// A hexadecimal field of exactly the given number of digits.
std::optional<unsigned> HexField(const std::string &text, std::size_t digits) {
    if (text.size() != digits) {
        return std::nullopt;
    }
    char *end = nullptr;
    const unsigned long value = std::strtoul(text.c_str(), &end, 16);
    return end == text.c_str() + text.size() ? std::optional<unsigned>(static_cast<unsigned>(value))
                                             : std::nullopt;
}

} // namespace

std::string RadioFrame(const std::vector<std::string> &fields) {
    std::string text;
    for (const auto &field : fields) {
        text += field + "\t";
    }
    return text + TwoHex(Xor(text)) + "\r\n";
}

SimulatedRadio::SimulatedRadio(const Memory &memory, const FaultPlan &plan, bool slowLink)
    : memory_(memory), plan_(plan), slowLink_(slowLink), noise_(plan.seed) {}

void SimulatedRadio::notify(bool fromPc, std::span<const std::uint8_t> bytes) {
    if (listener_ && !bytes.empty()) {
        listener_(fromPc, bytes);
    }
}

void SimulatedRadio::reply(std::vector<std::uint8_t> &out, const std::string &text) {
    std::vector<std::uint8_t> bytes(text.begin(), text.end());
    if (plan_.corruptRate > 0.0) {
        // A noisy line: what leaves the radio is not always what it sent.
        std::bernoulli_distribution hit(plan_.corruptRate);
        std::uniform_int_distribution<int> value(0, 255);
        for (auto &byte : bytes) {
            if (hit(noise_)) {
                byte = static_cast<std::uint8_t>(value(noise_));
            }
        }
    }
    notify(false, bytes);
    out.insert(out.end(), bytes.begin(), bytes.end());
}

std::vector<std::uint8_t> SimulatedRadio::receive(std::span<const std::uint8_t> bytes) {
    std::vector<std::uint8_t> out;
    for (const std::uint8_t byte : bytes) {
        if (pending_.empty() && (byte == 'P' || byte == '0' || byte == kAbort)) {
            notify(true, std::span(&byte, 1));
            if (hung_) {
                continue;
            }
            if (byte == 'P' && !plan_.noEcho) {
                reply(out, "P");
            } else if (byte == kAbort) {
                reply(out, std::string(1, static_cast<char>(kAbortAnswer)));
            }
            continue;
        }
        pending_.push_back(static_cast<char>(byte));
        if (byte != '\n') {
            continue;
        }
        const std::vector<std::uint8_t> raw(pending_.begin(), pending_.end());
        notify(true, raw);
        std::string line = pending_.substr(0, pending_.size() - 1);
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        pending_.clear();
        lines_.push_back(line);
        if (!hung_) {
            handleLine(line, out);
        }
    }
    return out;
}

void SimulatedRadio::handleLine(const std::string &line, std::vector<std::uint8_t> &out) {
    if (line == "ACMD:002") {
        if (!plan_.noAcmdReply) {
            reply(out, "OK\r\n");
            speed_ = slowLink_ ? 19200 : 57600;
        }
    } else if (line == "#CMDSY") {
        reply(out, "#CMDOK\r\n");
    } else if (line == "#CMDOK" || line == "#CMDSM" || line == "#CMDUN" || line == "#CMDER") {
        // The PC's verdict on the radio's last line: nothing to answer.
    } else if (line.starts_with("#") && line.find('\t') != std::string::npos) {
        handleFramed(line, out);
    } else {
        reply(out, "ERROR\r\n");
    }
}

void SimulatedRadio::handleFramed(const std::string &line, std::vector<std::uint8_t> &out) {
    ++framed_;
    if (plan_.hangAfter && framed_ > *plan_.hangAfter) {
        hung_ = true;
        return;
    }
    const auto checksum = line.size() > 2 ? HexField(line.substr(line.size() - 2), 2) : std::nullopt;
    if (!checksum || *checksum != Xor(line.substr(0, line.size() - 2))) {
        reply(out, "ERROR\r\n");
        return;
    }
    if (plan_.errorReplies > 0) {
        --plan_.errorReplies;
        reply(out, "ERROR\r\n");
        return;
    }
    const auto fields = Fields(line.substr(0, line.size() - 2));
    const std::string &command = fields[0];
    if (command == "#CEPSR" && fields.size() == 3) {
        reply(out, "#CMDOK\r\n");
        reply(out, RadioFrame({"#CEPSD", ++statusRequests_ <= plan_.busyReplies ? "01" : "00"}));
        return;
    }
    const auto address = fields.size() >= 3 ? HexField(fields[1], 4) : std::nullopt;
    const auto length = fields.size() >= 3 ? HexField(fields[2], 2) : std::nullopt;
    if (!address || !length || *length == 0 || *address + *length > kMemorySize) {
        reply(out, "ERROR\r\n");
        return;
    }
    if (command == "#CEPRD" && fields.size() == 4) {
        std::string data;
        for (unsigned i = 0; i < *length; ++i) {
            data += TwoHex(memory_[*address + i]);
        }
        std::string frame = RadioFrame({"#CEPDT", FourHex(*address), TwoHex(*length), data});
        if (plan_.badChecksumAt && *plan_.badChecksumAt == *address) {
            frame[frame.size() - 3] = frame[frame.size() - 3] == '0' ? '1' : '0';
        }
        reply(out, "#CMDOK\r\n");
        reply(out, frame);
    } else if (command == "#CEPWR" && fields.size() == 5 && fields[3].size() == 2 * *length) {
        for (unsigned i = 0; i < *length; ++i) {
            const auto value = HexField(fields[3].substr(2 * i, 2), 2);
            if (!value) {
                reply(out, "ERROR\r\n");
                return;
            }
            // A radio that lies: it acknowledges what it does not keep, or keeps something else.
            const unsigned at = *address + i;
            if (std::find(plan_.dropWritesAt.begin(), plan_.dropWritesAt.end(), at) !=
                plan_.dropWritesAt.end()) {
                continue;
            }
            memory_[at] = static_cast<std::uint8_t>(plan_.flipBitAt == at ? *value ^ 1u : *value);
        }
        reply(out, "#CMDOK\r\n");
    } else {
        reply(out, "ERROR\r\n");
    }
}

} // namespace klt::sim
