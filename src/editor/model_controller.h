#pragma once
// The model, the destination and the serial port: Edit > Model, the Destination menu and
// Options > SerialPort, each switch asked about before anything changes.

#include "app/app_context.h"
#include "app/startup.h"
#include "editor/editor_actions.h"
#include "editor/editor_view.h"
#include "editor/gui_services.h"

#include <QObject>

#include <functional>

namespace klt {

class ModelController final : public QObject {
    Q_OBJECT
public:
    // startNew: File > New's reset, which a model switch ends with.
    ModelController(AppContext &ctx, GuiServices &services, EditorView &view, EditorActions &actions,
                    std::function<void()> startNew, QObject *parent);

    // The models and the port the installation and the preferences start with.
    void offer(const StartupPlan &plan);
    void selectModel(int slot);
    void selectDestination(int slot);
    void selectSerialPort(int index);
    void refreshModelMenu();
    void refreshDestinationMenu();
    // The devices behind the port numbers, looked up as the menu opens.
    void refreshPortMenu();

private:
    AppContext &ctx_;
    GuiServices &services_;
    EditorView &view_;
    EditorActions &actions_;
    std::function<void()> startNew_;
};

} // namespace klt
