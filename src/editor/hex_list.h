#pragma once
// The hex dump's list: read-only, but it scrolls, selects, and copies the selected rows as text.

#include "model/radio_image.h"

#include <QListWidget>

namespace klt {

class HexList final : public QListWidget {
public:
    explicit HexList(QWidget *parent);

    // The dump of the image, or nothing while hidden.
    void showImage(const RadioImage &image, bool visible);
    // The selected rows, top to bottom, one line each.
    QString selectedRowsText() const;

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

} // namespace klt
