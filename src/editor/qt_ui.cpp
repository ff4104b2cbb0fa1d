#include "editor/qt_ui.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QGridLayout>
#include <QMessageBox>
#include <QThread>
#include <QWidget>

#include <algorithm>

namespace klt {

namespace {

QMessageBox::Icon IconOf(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Error:
        return QMessageBox::Critical;
    case MessageIcon::Warning:
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Question:
        return QMessageBox::Question;
    default:
        return QMessageBox::NoIcon;
    }
}

QString Text(const std::string &text) {
    // Message texts are UTF-8 (file names, and the radio's texts turned into it where they are put in),
    // with CR LF or CR between lines, as the program always wrote them.
    return QString::fromStdString(text).replace("\r\n", "\n").replace('\r', '\n');
}

// Room the window frame takes beside a title: its icon and its buttons.
constexpr int kTitleFrameRoom = 160;

// A short text makes a narrow box, and the window manager then cuts its title ("Re...io"): the box
// is made at least as wide as its title needs.
void FitTitle(QMessageBox &box) {
    QFont titleFont = QApplication::font();
    titleFont.setBold(true);
    const int width = QFontMetrics(titleFont).horizontalAdvance(box.windowTitle()) + kTitleFrameRoom;
    if (auto *grid = qobject_cast<QGridLayout *>(box.layout())) {
        grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Minimum), grid->rowCount(),
                      0, 1, grid->columnCount());
    }
}

} // namespace

void QtUi::message(MessageIcon icon, const std::string &text, const std::string &title) {
    QMessageBox box(IconOf(icon), Text(title), Text(text), QMessageBox::Ok, boxParent());
    FitTitle(box);
    box.exec();
}

Answer QtUi::question(MessageIcon icon, const std::string &text, const std::string &title, Buttons buttons) {
    QMessageBox box(IconOf(icon), Text(title), Text(text), QMessageBox::NoButton, boxParent());
    FitTitle(box);
    switch (buttons) {
    case Buttons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case Buttons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case Buttons::YesNoDefaultNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::No);
        break;
    case Buttons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    case Buttons::RetryCancel:
        box.setStandardButtons(QMessageBox::Retry | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Cancel);
        break;
    case Buttons::AbortRetryIgnore:
        box.setStandardButtons(QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore);
        break;
    default:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Ok:
        return Answer::Ok;
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Retry:
        return Answer::Retry;
    case QMessageBox::Abort:
        return Answer::Abort;
    case QMessageBox::Ignore:
        return Answer::Ignore;
    default:
        return Answer::Cancel;
    }
}

QWidget *QtUi::boxParent() const {
    // A box raised while a dialog is up (the transfer's "Complete!!") belongs over that dialog.
    if (QWidget *modal = QApplication::activeModalWidget()) {
        return modal;
    }
    return parent_;
}

void QtUi::setBusyPointer(bool busy) {
    if (busy) {
        ++busyDepth_;
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else if (busyDepth_ > 0) {
        --busyDepth_;
        QApplication::restoreOverrideCursor();
    }
}

void QtUi::sleep(int milliseconds) {
    wait(milliseconds);
}

void QtUi::pause(int milliseconds) {
    // A pause is for the person watching the window: before it is shown (while it loads its model
    // file at start) nobody is.
    if (parent_ != nullptr && parent_->isVisible()) {
        wait(milliseconds);
    }
}

void QtUi::wait(int milliseconds) {
    // The whole time is kept, and the window stays live through it: a Cancel is seen at once.
    QElapsedTimer timer;
    timer.start();
    for (qint64 left = milliseconds; left > 0; left = milliseconds - timer.elapsed()) {
        QApplication::processEvents(QEventLoop::AllEvents, static_cast<int>(std::min<qint64>(left, 5)));
        QThread::msleep(static_cast<unsigned long>(std::min<qint64>(left, 5)));
    }
}

} // namespace klt
