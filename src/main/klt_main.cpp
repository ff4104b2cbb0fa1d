// klt: the editor window.

#include "app/app_context.h"
#include "app/program_folder.h"
#include "app/startup.h"
#include "editor/file_chooser.h"
#include "editor/gui_services.h"
#include "editor/main_window.h"
#include "editor/qt_ui.h"
#include "qt/port_devices.h"
#include "qt/qt_serial_port.h"
#include "qt/qt_settings_store.h"

#include <QApplication>
#include <QDesktopServices>
#include <QIcon>
#include <QPrintDialog>
#include <QPrinter>
#include <QUrl>

#include <cstdlib>

int main(int argc, char **argv) {
    QApplication application(argc, argv);
    QApplication::setWindowIcon(QIcon(":/icons/klt.png"));
    QGuiApplication::setDesktopFileName("klt");
    klt::QtUi ui;
    const std::string title = "KLT Programmer";
    klt::QtSettingsStore store(title);
    auto folder = klt::LocateProgramFolder(std::nullopt, std::getenv("KLT_PROGRAM_FOLDER"),
                                           QCoreApplication::applicationDirPath().toStdString());
    klt::AppContext ctx(ui, store, std::move(folder));
    ctx.ProgramTitle = title;

    // The switches are the whole command line after the program's name, as one text.
    QStringList words = QCoreApplication::arguments();
    words.removeFirst();
    const klt::Switches switches = klt::ParseSwitches(words.join(' ').toStdString());

    klt::QtFileChooser files;
    klt::SteadyLinkClock clock;
    klt::GuiServices services{files,
                              clock,
                              [](const klt::SettingsStore &settings) -> std::unique_ptr<klt::SerialPort> {
                                  return std::make_unique<klt::QtSerialPort>([&settings](int number) {
                                      return klt::ResolvePortDevice(number, settings);
                                  });
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
                              [&store](int count) { return klt::ResolvePortDevices(count, store); }};
    klt::MainWindow window(ctx, services, switches);
    if (!window.started()) {
        return 0;
    }
    window.show();
    return QApplication::exec();
}
