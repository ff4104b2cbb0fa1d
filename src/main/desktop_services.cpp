#include "main/desktop_services.h"

#include "app/program_folder.h"
#include "qt/port_devices.h"
#include "qt/port_diagnosis.h"
#include "qt/qt_serial_port.h"
#include "qt/qt_threads.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QPrintDialog>
#include <QPrinter>
#include <QUrl>

#include <cstdlib>

namespace klt {

DesktopServices::DesktopServices(const SettingsStore &store)
    : services_{files_,
                clock_,
                [](const SettingsStore &settings) -> std::unique_ptr<SerialPort> {
                    return std::make_unique<QtSerialPort>(
                        [&settings](int number) { return ResolvePortDevice(number, settings); });
                },
                [](const QString &path, const QString &section) {
                    QUrl url = QUrl::fromLocalFile(path);
                    if (!section.isEmpty()) {
                        url.setFragment(section);
                    }
                    return QDesktopServices::openUrl(url);
                },
                [](QPrinter &printer) {
                    QPrintDialog dialog(&printer);
                    dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
                    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
                    return dialog.exec() == QDialog::Accepted;
                },
                [&store](int count) { return ResolvePortDevices(count, store); },
                [](const std::string &chosen) { return PortDiagnosisText(chosen); },
                [](const std::string &device) {
                    return FleetLine{std::make_unique<QtSerialPort>([device](int) { return device; }),
                                     std::make_unique<SteadyLinkClock>()};
                },
                RunOnQtThreads} {}

namespace {

// The program's name, and the name its settings are kept under: never translated.
constexpr const char *kProgramTitle = "KLT Programmer";

} // namespace

DesktopProgram::DesktopProgram()
    : store(kProgramTitle), ctx(ui, store,
                                LocateProgramFolder(std::nullopt, std::getenv("KLT_PROGRAM_FOLDER"),
                                                    QCoreApplication::applicationDirPath().toStdString())),
      desktop(store) {
    ctx.ProgramTitle = kProgramTitle;
}

} // namespace klt
