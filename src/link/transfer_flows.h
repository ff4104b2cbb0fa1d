#pragma once
// What the transfer dialog's OK button runs: the connection start, then the read, write or clear
// flow of the operation; the flow decides at its end what the user is told.

#include "link/operation.h"
#include "link/outcome.h"
#include "link/radio_link.h"
#include "model/model_catalogue.h"
#include "model/radio_image.h"
#include "model/records.h"

#include <functional>
#include <string>
#include <vector>

namespace klt {

// How a write proves itself. With verify on, the blocks the write touched are read back; describe
// names the settings in which what the radio holds differs from what was sent ("[Section] Key:
// written -> held"), and without it the addresses are named.
struct WriteCheck {
    bool verify = false;
    // Before writing, the radio's user MMSI is read; when it has one and the configuration would make
    // it another, the user is asked (No the default) and No writes nothing.
    bool identity = false;
    std::function<std::vector<std::string>(const RadioImage &sent, const RadioImage &held)> describe;
};

// The configuration a transfer reads into or writes from, of the selected model.
struct TransferData {
    RadioImage &image;
    Configuration &config;
    Model model;
    WriteCheck check = {};
    // A completed read leaves here the memory exactly as the radio sent it, before the image takes
    // it over (the backup of a read keeps that).
    RadioImage *received = nullptr;
    // Before a clear erases anything, the memory it erases (and the radio's MMSI) is read over a copy
    // of the image and handed here to be kept; false when it could not be, and the user is asked
    // whether to clear all the same, No being the default.
    std::function<bool(const RadioImage &backup)> keepBeforeClear = {};
    // The clear operation puts back instead, from the image (a backup made before that clear), what
    // that clear erased, with the clear's own writes; then reads it back.
    bool restoreCleared = false;
};

// Done when the operation completed: the user has then been told "Complete!!" (a verified write adds
// that it was verified). A read changes the
// image and the records only when it completes; a failed or cancelled clear leaves the image as it was.
// The caller clears the Cancel request before: one pressed from then on is honoured.
Outcome RunTransfer(RadioLink &link, Operation operation, const TransferData &data);

// The image as it goes to the radio: encoded, channel references repaired, checksum, and the ATIS
// code marked present when the memory holds one.
void PrepareImageForWrite(RadioImage &image, const Configuration &config);

} // namespace klt
