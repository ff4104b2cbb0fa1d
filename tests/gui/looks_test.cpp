// The window looks like what it is: read-only fields unlike inputs, a toolbar of icons with Undo and
// Redo, a print preview, and pictures that stay visible on a dark desktop.

#include "editor/toolbar_icons.h"
#include "editor/transfer_pictures.h"
#include "gui_fixture.h"

#include <QCheckBox>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QToolBar>

#include <gtest/gtest.h>

namespace klt {
namespace {

QPalette DarkPalette() {
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(0x2b, 0x2b, 0x2b));
    dark.setColor(QPalette::WindowText, QColor(0xee, 0xee, 0xee));
    dark.setColor(QPalette::Base, QColor(0x1e, 0x1e, 0x1e));
    dark.setColor(QPalette::Text, QColor(0xee, 0xee, 0xee));
    dark.setColor(QPalette::Button, QColor(0x35, 0x35, 0x35));
    dark.setColor(QPalette::ButtonText, QColor(0xee, 0xee, 0xee));
    dark.setColor(QPalette::Highlight, QColor(0x3d, 0x8e, 0xd6));
    return dark;
}

// The application's palette for one test, as a dark desktop sets it.
class DarkDesktop {
public:
    DarkDesktop() : before_(QApplication::palette()) { QApplication::setPalette(DarkPalette()); }
    ~DarkDesktop() { QApplication::setPalette(before_); }
    DarkDesktop(const DarkDesktop &) = delete;
    DarkDesktop &operator=(const DarkDesktop &) = delete;

private:
    QPalette before_;
};

bool LooksReadOnly(const QLineEdit *field) {
    return field->palette().color(QPalette::Base) == field->palette().color(QPalette::Window);
}

TEST(Looks, ReadOnlyFieldsLookUnlikeInputsOnALightAndADarkDesktop) {
    Gui gui;
    const auto field = [&gui](const char *name) { return gui.find<QLineEdit>(name); };
    gui.select("PU 32"); // CH16: its frequencies are the group's
    EXPECT_TRUE(field("txtCRF")->isReadOnly());
    EXPECT_TRUE(LooksReadOnly(field("txtCRF")));
    EXPECT_FALSE(LooksReadOnly(field("txtCTag")));
    gui.select("E 1"); // an EXP channel's frequencies are typed in
    gui.find<QCheckBox>("chkCEnable")->click();
    ASSERT_TRUE(field("txtCRF")->isEnabled());
    EXPECT_FALSE(field("txtCRF")->isReadOnly());
    EXPECT_FALSE(LooksReadOnly(field("txtCRF")));
    gui.find<QCheckBox>("chkCEnable")->click(); // without frequencies it may not be left enabled
    ASSERT_TRUE(gui.select("PU 32"));
    {
        DarkDesktop dark;
        QApplication::processEvents(); // the desktop's palette reaches the widgets
        EXPECT_TRUE(LooksReadOnly(field("txtCRF")));
        EXPECT_EQ(field("txtCRF")->palette().color(QPalette::Base), DarkPalette().color(QPalette::Window));
        EXPECT_EQ(field("txtCTag")->palette().color(QPalette::Base), DarkPalette().color(QPalette::Base));
    }
    gui.select("DSCSetting");
    EXPECT_TRUE(LooksReadOnly(gui.find<QLineEdit>("txtFCount")));
}

// How much of the image is drawn in a colour near the given one.
int PixelsNear(const QImage &image, const QColor &colour) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            count += pixel.alpha() > 200 && std::abs(pixel.lightness() - colour.lightness()) < 40;
        }
    }
    return count;
}

TEST(Looks, TheToolbarHasAnIconForEachCommandAndUndoRedo) {
    Gui gui;
    std::vector<QString> shown;
    for (QAction *action : gui.find<QToolBar>("tbToolBar")->actions()) {
        if (action->isSeparator()) {
            continue;
        }
        shown.push_back(action->objectName());
        EXPECT_FALSE(action->icon().pixmap(24).isNull()) << action->objectName().toStdString();
    }
    EXPECT_EQ(shown,
              (std::vector<QString>{"mnuFileNew", "mnuFileOpen", "mnuFileSave", "mnuFilePrint",
                                    "mnuTransferProgram", "mnuTransferRead", "mnuEditUndo", "mnuEditRedo"}));
    EXPECT_FALSE(gui.find("mnuEditUndo")->isEnabled()); // nothing to undo yet
    // The program's own icons are drawn in the palette's text colour: seen on a dark desktop too.
    for (const ToolIcon icon : {ToolIcon::New, ToolIcon::Open, ToolIcon::Save, ToolIcon::Print,
                                ToolIcon::Undo, ToolIcon::Redo, ToolIcon::Program, ToolIcon::Read}) {
        const QImage light = DrawnToolbarIcon(icon).pixmap(48).toImage();
        EXPECT_GT(PixelsNear(light, Qt::black) +
                      PixelsNear(light, QApplication::palette().color(QPalette::Highlight)),
                  40);
        DarkDesktop dark;
        const QImage onDark = DrawnToolbarIcon(icon).pixmap(48).toImage();
        EXPECT_GT(PixelsNear(onDark, DarkPalette().color(QPalette::WindowText)) +
                      PixelsNear(onDark, DarkPalette().color(QPalette::Highlight)),
                  40);
    }
}

TEST(Looks, PrintPreviewShowsTheReportsPages) {
    Gui gui;
    int pages = -1;
    QTimer::singleShot(0, [&pages] {
        auto *preview = qobject_cast<QPrintPreviewDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(preview, nullptr);
        pages = preview->findChild<QPrintPreviewWidget *>()->pageCount();
        preview->reject();
    });
    gui.find("mnuFilePrintPreview")->trigger();
    EXPECT_GE(pages, 2);
}

TEST(Looks, TheTransferPicturesCableShowsOnADarkDesktop) {
    const auto cableLightness = [] {
        TransferPicture direction(TransferPicture::Kind::Direction, true, nullptr);
        QImage image(direction.size(), QImage::Format_ARGB32);
        image.fill(direction.palette().color(QPalette::Window));
        direction.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
        return image.pixelColor(direction.width() / 2, direction.height() - 20).lightness();
    };
    EXPECT_LT(cableLightness(), 100);
    DarkDesktop dark;
    EXPECT_GT(cableLightness(), 160);
}

} // namespace
} // namespace klt
