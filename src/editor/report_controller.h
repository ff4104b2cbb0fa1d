#pragma once
// The report: printed, shown and saved as text, or written as a PDF; and the About box.

#include "app/app_context.h"
#include "editor/editor_actions.h"
#include "editor/editor_view.h"
#include "editor/gui_services.h"

#include <QObject>

namespace klt {

class ReportController final : public QObject {
    Q_OBJECT
public:
    ReportController(AppContext &ctx, GuiServices &services, EditorView &view, const EditorActions &actions,
                     QObject *parent);

    void print();
    void printPreview();
    void printToFile();
    void exportPdf();
    void showAbout();
    void showPortDiagnosis();
    void showHelp();

private:
    AppContext &ctx_;
    GuiServices &services_;
    EditorView &view_;
};

} // namespace klt
