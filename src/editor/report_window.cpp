#include "editor/report_window.h"

#include "app/report_file.h"
#include "editor/file_chooser.h"
#include "print/report_painting.h"
#include "report/report_text.h"

#include <QFontDatabase>
#include <QLocale>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace klt {

namespace {

// A translation keeps the "|" and the patterns: every second part is the pattern of the name before it.
const char *const kTextFilter =
    QT_TRANSLATE_NOOP("klt::ReportWindow", "Text files(*.txt)|*.txt|All files(*.*)|*.*");
constexpr int kComposeDelayMs = 10;

QFont ReportFont() {
    QFont font("Courier New");
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    return font;
}

} // namespace

ReportWindow::ReportWindow(AppContext &ctx, GuiServices &services, QWidget *parent)
    : QDialog(parent), ctx_(ctx), services_(services) {
    setObjectName("frmPrn");
    setWindowTitle(tr("Print to File"));
    resize(558, 409);
    auto *menu = new QMenuBar(this);
    QMenu *file = menu->addMenu(tr("&File"));
    QAction *save = file->addAction(tr("&Save As..."));
    save->setObjectName("mnuFileSave");
    QAction *exit = file->addAction(tr("&Exit"));
    exit->setObjectName("mnuFileExit");
    text_ = new QPlainTextEdit(tr("Now, making text image. Please wait..."), this);
    text_->setObjectName("txtPrn");
    text_->setFont(ReportFont());
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    auto *ok = new QPushButton(tr("OK"), this);
    ok->setObjectName("cmdOK");
    ok->setAutoDefault(false);
    auto *layout = new QVBoxLayout(this);
    layout->setMenuBar(menu);
    layout->addWidget(text_, 1);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
    connect(save, &QAction::triggered, this, &ReportWindow::saveAs);
    connect(exit, &QAction::triggered, this, &QDialog::accept);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    // The window is drawn before the work starts.
    QTimer::singleShot(kComposeDelayMs, this, &ReportWindow::compose);
}

QString ReportWindow::text() const {
    return text_->toPlainText();
}

void ReportWindow::compose() {
    ctx_.ui.setBusyPointer(true);
    setEnabled(false);
    // The report is the core's, in English as the printed report and the saved file are.
    text_->setPlainText(QString::fromLatin1(CurrentReportText(ctx_).c_str()).replace("\r\n", "\n"));
    ctx_.ui.pause(500);
    setEnabled(true);
    ctx_.ui.setBusyPointer(false);
}

void ReportWindow::saveAs() {
    const QString path = services_.files.saveFile(this, tr(kTextFilter), QString());
    if (path.isEmpty()) {
        return;
    }
    setEnabled(false);
    const QByteArray bytes = text().replace("\n", "\r\n").toLatin1();
    SaveReportFile(ctx_, path.toStdString(), bytes.toStdString());
    setEnabled(true);
}

bool PrintReport(const AppContext &ctx, QPrinter &printer) {
    return PaintReport(printer, {ctx.Config, ctx.Image, ctx.CurrentModel, ctx.AtisAvailable},
                       ReportPageHeader(ctx.ModelName));
}

std::optional<Fault> ExportReportPdf(const AppContext &ctx, const std::filesystem::path &path) {
    return WriteReportPdf(path, {ctx.Config, ctx.Image, ctx.CurrentModel, ctx.AtisAvailable},
                          ReportPageHeader(ctx.ModelName), ReportPageSize(QLocale::system()));
}

} // namespace klt
