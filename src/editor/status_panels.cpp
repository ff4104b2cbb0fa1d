#include "editor/status_panels.h"

#include "editor/control_hints.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>

namespace klt {

StatusPanels::StatusPanels(QMainWindow *window)
    : QObject(window), window_(window), hint_(new QLabel(window)), model_(new QLabel(window)) {
    window->statusBar()->setObjectName("sbStatusBar");
    hint_->setObjectName("sbPanel1");
    auto *middle = new QLabel(window);
    middle->setObjectName("sbPanel2");
    model_->setObjectName("sbPanel3");
    window->statusBar()->addWidget(hint_, 1);
    window->statusBar()->addWidget(middle);
    window->statusBar()->addPermanentWidget(model_);
    focusWatch_ = connect(qApp, &QApplication::focusChanged, this,
                          [this](QWidget *, QWidget *now) { showHintOf(now); });
}

StatusPanels::~StatusPanels() {
    disconnect(focusWatch_);
}

void StatusPanels::showHint(const QString &hint) {
    hint_->setText(hint);
}

void StatusPanels::clearHint() {
    hint_->clear();
}

void StatusPanels::showModel(const QString &name) {
    model_->setText(name);
}

void StatusPanels::showHintOf(QWidget *control) {
    for (QWidget *widget = control; widget != nullptr && widget != window_; widget = widget->parentWidget()) {
        if (const QString hint = HintOf(widget); !hint.isEmpty()) {
            hint_->setText(hint);
            return;
        }
    }
}

} // namespace klt
