// A settings text as it may come from anywhere: it parses and applies without harm, and once the
// program has written it, what the program writes reads back unchanged. (A plain text that starts
// with "#" loses that character on its first reading, as the file format always had it; from the
// second writing on the text stands.)

#include "files/section_table.h"
#include "files/settings_reader.h"
#include "files/settings_writer.h"
#include "fuzz_support.h"
#include "model/image_mapping.h"
#include "report/report_text.h"

namespace {

using namespace klt;

std::string WriteAfterReading(std::string_view text, Model model, bool atis) {
    Configuration config = fuzz::ResetProgram(model).ctx.Config;
    ApplySettingsTable(SectionTable::Parse(text), config, model, atis);
    return ComposeSettingsText(config, model, ModelName(model), atis);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const Model model = fuzz::ModelOf(data[0]);
    const bool atis = (data[0] & 0x80) != 0;
    const std::string_view text = fuzz::AsText({data + 1, size - 1});
    (void)SettingsTextModel(text);

    const std::string first = WriteAfterReading(text, model, atis);
    const std::string second = WriteAfterReading(first, model, atis);
    if (WriteAfterReading(second, model, atis) != second) {
        fuzz::Broken("a written settings file does not read back as it was written");
    }

    // The configuration goes on to the radio's memory and the report as the program would take it.
    const auto &program = fuzz::ResetProgram(model);
    Configuration config = program.ctx.Config;
    ApplySettingsTable(SectionTable::Parse(second), config, model, atis);
    RadioImage image = program.ctx.Image;
    PrepareImageForSave(image, config);
    (void)ComposeReportText({config, image, model, atis});
    return 0;
}
