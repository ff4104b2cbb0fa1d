#pragma once
// The transfer dialog's pictures, drawn rather than loaded: the PC with the cable (pictA), the way
// the data goes (pictB), and the radio with the two keys to hold while it is switched on (pictHandy).

#include <QWidget>

namespace klt {

class TransferPicture final : public QWidget {
public:
    enum class Kind { Computer, Direction, Radio };
    // towardsPc: for the Direction picture, whether the data goes from the radio to the PC.
    TransferPicture(Kind kind, bool towardsPc, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Kind kind_;
    bool towardsPc_;
};

} // namespace klt
