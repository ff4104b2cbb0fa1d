#include "editor/model_controller.h"

#include "app/destination_load.h"
#include "app/model_state.h"
#include "editor/access_keys.h"
#include "model/destinations.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

namespace klt {

namespace {

constexpr int kUiPauseMs = 500;

// "COM&1" ... "COM&9", "COM10" ... "COM16", then the device the number stands for on this system: the
// ports' names, which the settings and the help use too, are not translated.
QString PortCaption(int index, const std::string &device) {
    const QString number = QString::number(index + 1);
    const QString caption = index < 9 ? "COM&" + number : "COM" + number;
    return device.empty() ? caption : caption + "  (" + QString::fromStdString(device) + ")";
}

} // namespace

ModelController::ModelController(AppContext &ctx, GuiServices &services, EditorView &view,
                                 EditorActions &actions, std::function<void()> startNew, QObject *parent)
    : QObject(parent), ctx_(ctx), services_(services), view_(view), actions_(actions),
      startNew_(std::move(startNew)) {
    for (std::size_t slot = 0; slot < actions_.modelSlots.size(); ++slot) {
        connect(actions_.modelSlots[slot], &QAction::triggered, this,
                [this, slot] { selectModel(static_cast<int>(slot)); });
    }
    for (std::size_t slot = 0; slot < actions_.destinationSlots.size(); ++slot) {
        connect(actions_.destinationSlots[slot], &QAction::triggered, this,
                [this, slot] { selectDestination(static_cast<int>(slot)); });
    }
    for (std::size_t index = 0; index < actions_.portSlots.size(); ++index) {
        actions_.portSlots[index]->setText(PortCaption(static_cast<int>(index), {}));
        connect(actions_.portSlots[index], &QAction::triggered, this,
                [this, index] { selectSerialPort(static_cast<int>(index)); });
    }
    // An adapter plugged in meanwhile shows up, and the window does not wait for the system's device
    // list at start.
    connect(actions_.portMenu, &QMenu::aboutToShow, this, &ModelController::refreshPortMenu);
}

void ModelController::offer(const StartupPlan &plan) {
    for (QAction *slot : actions_.modelSlots) {
        slot->setChecked(false);
        slot->setEnabled(false);
        slot->setVisible(false);
    }
    for (const Model model : plan.offered) {
        QAction *slot = actions_.modelSlots[static_cast<std::size_t>(ModelNumber(model) - 1)];
        slot->setText(PlainCaption(QString::fromStdString(ModelCaption(model))));
        slot->setVisible(true);
        slot->setEnabled(true);
    }
    for (QAction *port : actions_.portSlots) {
        port->setChecked(false);
    }
    if (plan.comNum >= 1 && plan.comNum <= EditorActions::kPortCount) {
        actions_.portSlots[static_cast<std::size_t>(plan.comNum - 1)]->setChecked(true);
    }
}

void ModelController::refreshPortMenu() {
    const int count = EditorActions::kPortCount;
    const std::vector<std::string> devices =
        services_.describePorts ? services_.describePorts(count) : std::vector<std::string>{};
    for (std::size_t index = 0; index < actions_.portSlots.size(); ++index) {
        actions_.portSlots[index]->setText(
            PortCaption(static_cast<int>(index), index < devices.size() ? devices[index] : std::string()));
    }
}

void ModelController::refreshModelMenu() {
    for (std::size_t slot = 0; slot < actions_.modelSlots.size(); ++slot) {
        actions_.modelSlots[slot]->setChecked(static_cast<int>(slot) + 1 == ModelNumber(ctx_.CurrentModel));
    }
}

void ModelController::refreshDestinationMenu() {
    const auto &menu = ctx_.Destinations;
    actions_.destinationMenu->setEnabled(menu.Enabled);
    for (std::size_t slot = 0; slot < actions_.destinationSlots.size(); ++slot) {
        QAction *action = actions_.destinationSlots[slot];
        const bool used = slot < menu.Captions.size();
        action->setText(used ? PlainCaption(QString::fromStdString(menu.Captions[slot])) : QString());
        action->setVisible(used);
        action->setChecked(menu.Checked && *menu.Checked == static_cast<int>(slot));
    }
}

void ModelController::selectModel(int slot) {
    const auto chosen = ModelFromNumber(slot + 1);
    refreshModelMenu(); // a click toggles the check mark; the current model keeps it
    if (!chosen || *chosen == ctx_.CurrentModel) {
        return;
    }
    const Model model = *chosen;
    const QString question =
        tr("Do you want to program the %1 series?").arg(QString::fromStdString(ModelName(model)));
    if (ctx_.ui.question(MessageIcon::Exclamation, question.toStdString(), ctx_.TitleText,
                         Buttons::OkCancel) != Answer::Ok) {
        return;
    }
    // Asked before the model changes: keeping the edits keeps the model they belong to.
    if (!view_.checkPage() || !view_.changesMayBeLost()) {
        return;
    }
    SetCurrentModel(ctx_, model);
    refreshModelMenu();
    ctx_.store.put("Settings", "lastmodel", std::to_string(ModelNumber(model)));
    startNew_();
}

void ModelController::selectDestination(int slot) {
    auto &menu = ctx_.Destinations;
    if (slot < 0 || static_cast<std::size_t>(slot) >= menu.Captions.size()) {
        return;
    }
    const std::string caption = menu.Captions[static_cast<std::size_t>(slot)];
    const bool alreadyChecked = menu.Checked && *menu.Checked == slot;
    refreshDestinationMenu();
    if (!alreadyChecked &&
        ctx_.ui.question(
            MessageIcon::Exclamation,
            tr("Do you want to change to %1?").arg(QString::fromStdString(caption)).toStdString(),
            ctx_.TitleText, Buttons::OkCancel) != Answer::Ok) {
        return;
    }
    if (!view_.checkPage() || !view_.changesMayBeLost()) {
        return;
    }
    view_.setBusy(true);
    ctx_.commitEdits();
    view_.showReplaced();
    ctx_.ui.pause(kUiPauseMs);
    const auto previous = menu.Checked;
    const auto captions = menu.Captions;
    view_.resetConfiguration(false);
    // The reset without its destination step leaves the menu as it was built last.
    menu.Enabled = true;
    menu.Captions = captions;
    menu.Checked.reset();
    if (LoadDestinationFile(ctx_, DestinationFilePath(ctx_.ProgramFolder, caption, ctx_.CurrentModel))
            .loaded) {
        menu.Checked = slot;
        ctx_.store.put("IniFilePath", StoredDestinationKey(ctx_.CurrentModel), caption);
        view_.showReplaced();
    } else {
        ctx_.ui.message(MessageIcon::Exclamation, tr("IniFileRead Error!!").toStdString(), ctx_.TitleText);
        menu.Checked = previous;
    }
    refreshDestinationMenu();
    view_.refreshHexDump();
    ctx_.startHistory(); // another destination's channels: no way back but switching again
    view_.setBusy(false);
}

void ModelController::selectSerialPort(int index) {
    for (std::size_t i = 0; i < actions_.portSlots.size(); ++i) {
        actions_.portSlots[i]->setChecked(static_cast<int>(i) == index);
    }
    if (view_.dialogParent()->isVisible()) {
        ctx_.store.put("ComPath", "ComNum", std::to_string(index + 1));
    }
}

} // namespace klt
