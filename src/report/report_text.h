#pragma once
// The report: the configuration as plain-text sections of fixed-width rows. The text image (shown
// and saved as ".txt") and the printed report are built from the same rows.

#include "model/model_catalogue.h"
#include "model/radio_image.h"
#include "model/records.h"

#include <string>
#include <vector>

namespace klt {

enum class ReportRendering { Text, Printed };

struct ReportSection {
    std::vector<std::string> lines; // the heading first
    bool pageBreakBefore = false;   // the printed report starts a new page here
    bool pageHeader = false;        // ... and prints the page header on it
};

struct ReportInput {
    const Configuration &config;
    const RadioImage &image;
    Model model;
    bool atis;
};

std::vector<ReportSection> ReportSections(const ReportInput &input, ReportRendering rendering);

// The text image: every line, an empty line before each heading but the first, joined by CR LF,
// neither beginning nor ending with a separator.
std::string ComposeReportText(const ReportInput &input);

} // namespace klt
