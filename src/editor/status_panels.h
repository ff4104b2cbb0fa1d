#pragma once
// sbStatusBar: the hint of the control that has the focus, and the model's name.

#include <QObject>

class QLabel;
class QMainWindow;
class QWidget;

namespace klt {

class StatusPanels final : public QObject {
    Q_OBJECT
public:
    explicit StatusPanels(QMainWindow *window);
    // The application's focus signal outlives the window: it fires while the children go.
    ~StatusPanels() override;

    void showHint(const QString &hint);
    void clearHint();
    void showModel(const QString &name);

private:
    // The hint of the control, or of the nearest of its parents that has one.
    void showHintOf(QWidget *control);

    QMainWindow *window_;
    QLabel *hint_;
    QLabel *model_;
    QMetaObject::Connection focusWatch_;
};

} // namespace klt
