#pragma once
// What a page of the editor needs from the window around it: the records it edits, the facts of the
// model, the message boxes, and the window's reactions to an edit.

#include "base/ui.h"
#include "editor/navigation_tree.h"
#include "link/operation.h"
#include "model/model_catalogue.h"
#include "model/radio_image.h"
#include "model/records.h"

#include <string>

namespace klt {

struct PageFacts {
    Model model = Model::None;
    bool scrambler = false;
    std::string titleText; // for the boxes that refuse a page's data
    bool atis = false;
    std::string currentFile;  // empty when the configuration is in no file
    std::string programTitle; // names the folder of the backups
};

class PageHost {
public:
    virtual ~PageHost() = default;

    virtual Configuration &config() = 0;
    virtual PageFacts facts() const = 0;
    virtual Ui &ui() = 0;
    virtual const RadioImage &image() const = 0;

    // Every edit written into a record.
    virtual void markModified() = 0;
    // A channel's or entry's enable changed: its node's "[Enable]" mark follows.
    virtual void nodeEnableChanged(const PageTarget &target) = 0;
    // A group became usable or unusable: its nodes come or go.
    virtual void groupUsabilityChanged() = 0;
    // A status name changed: the group nodes show it.
    virtual void statusNamesChanged() = 0;
    // The entries of a directory (kIndividualDirectory or kGroupDirectory) moved or changed: their
    // nodes' marks follow.
    virtual void directoryNodesChanged(int directory) = 0;
    // Selects the node of a target as a click on it would.
    virtual void jumpTo(const PageTarget &target) = 0;
    // The check before the shown page is left; false when it keeps the user there.
    virtual bool checkPage() = 0;
    // Runs an exchange with the radio through the transfer dialog; true when it completed.
    virtual bool runOperation(Operation operation) = 0;
};

} // namespace klt
