// klt: the editor window.

#include "app/startup.h"
#include "editor/main_window.h"
#include "files/atomic_write.h"
#include "language/window_language.h"
#include "main/desktop_services.h"

#include <QApplication>
#include <QIcon>
#include <QLocale>
#include <QStringList>

#include <iostream>

int main(int argc, char **argv) {
    klt::LetWritesPastTheSizeLimitFail();
    switch (klt::InfoRequested({argv + 1, argv + argc})) {
    case klt::InfoRequest::Help:
        std::cout << klt::WindowHelpText("klt");
        return 0;
    case klt::InfoRequest::Version:
        std::cout << "klt " << KLT_VERSION << '\n';
        return 0;
    case klt::InfoRequest::None:
        break;
    }
    QApplication application(argc, argv);
    QApplication::setWindowIcon(QIcon(":/icons/klt.png"));
    QGuiApplication::setDesktopFileName("klt");
    // Before anything shows a text: the window speaks the system's language when it has it, else English.
    klt::InstallWindowLanguage(application, QLocale::system());
    klt::DesktopProgram program;

    // The switches are the whole command line after the program's name, as one text.
    QStringList words = QCoreApplication::arguments();
    words.removeFirst();
    const klt::Switches switches = klt::ParseSwitches(words.join(' ').toStdString());

    klt::MainWindow window(program.ctx, program.desktop.services(), switches);
    program.ui.setParent(&window); // message boxes over the window
    if (!window.started()) {
        return 0;
    }
    window.show();
    return QApplication::exec();
}
