// klt-make-model-file: builds a model description file (a destination's 32768-byte default image)
// from the model's built-in defaults and a short text description of the destination.
//
//   klt-make-model-file --model N --description FILE.dest -o OUT

#include "app/app_context.h"
#include "app/model_state.h"
#include "app/reset.h"
#include "destination_description.h"
#include "files/hex_file.h"
#include "files/profile_reader.h"
#include "model/image_mapping.h"
#include "model/model_catalogue.h"

#include <iostream>
#include <string>

namespace {

class SilentUi final : public klt::Ui {
public:
    void message(klt::MessageIcon, const std::string &text, const std::string &title) override {
        std::cerr << title << ": " << text << '\n';
    }
    klt::Answer question(klt::MessageIcon, const std::string &, const std::string &, klt::Buttons) override {
        return klt::Answer::Cancel;
    }
    void progress(int) override {}
    void monitor(const std::string &) override {}
    void setBusyPointer(bool) override {}
    void sleep(int) override {}
    void pause(int) override {}
};

int Usage() {
    std::cerr << "usage: klt-make-model-file --model N --description FILE.dest -o OUT\n";
    return 2;
}

} // namespace

int main(int argc, char **argv) {
    std::string model;
    std::string description;
    std::string out;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string option = argv[i];
        std::string &target = option == "--model" ? model : option == "--description" ? description : out;
        if (option != "--model" && option != "--description" && option != "-o") {
            return Usage();
        }
        target = argv[i + 1];
    }
    const auto number = klt::CatalogueModel(model.empty() ? 0 : std::atol(model.c_str()));
    if (argc != 7 || !number || description.empty() || out.empty()) {
        return Usage();
    }

    SilentUi ui;
    klt::MemorySettingsStore store;
    klt::AppContext ctx(ui, store, ".");
    klt::SetCurrentModel(ctx, *number);
    klt::ResetConfiguration(ctx, false);
    if (const auto problem = klt::ApplyDestinationDescription(description, ctx.Config)) {
        std::cerr << description << ": " << *problem << '\n';
        return 1;
    }
    klt::PrepareImageForSave(ctx.Image, ctx.Config);
    if (const auto fault = klt::WriteImageFile(out, ctx.Image)) {
        std::cerr << out << ": " << fault->description << '\n';
        return 1;
    }
    return 0;
}
