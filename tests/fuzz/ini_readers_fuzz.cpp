// "global.ini" and the destination descriptions as they may be written by hand: the INI reader, the
// list of offered models and the description reader meet anything without harm.

#include "app/global_ini.h"
#include "destination_description.h"
#include "files/profile_reader.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    using namespace klt;
    const std::string_view text = fuzz::AsText({data, size});
    for (const char *section : {"1model", "MAIN", "destination", ""}) {
        for (const char *key : {"use", "atis", "MODELTYPE", "usable", ""}) {
            if (ProfileValue(text, section, key).size() > 127) {
                fuzz::Broken("a profile value longer than the reader gives");
            }
        }
    }
    const auto ini = fuzz::ScratchFile("global.ini", text);
    for (const Model model : OfferedModels(ini)) {
        (void)ModelHasAtis(ini, model);
    }
    Configuration config = fuzz::ResetProgram(Model::Tq300).ctx.Config;
    (void)ApplyDestinationDescription(ini, config);
    return 0;
}
