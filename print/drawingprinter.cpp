#include "print/drawingprinter.h"

#include "print/picturepaint.h"
#include "print/printeroutput.h"
#include "print/errors/printerror.h"
#include "print/printsize.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPrinter>
#include <QWidget>

namespace vintorp::print {
namespace {

// Marks the printer busy for the lifetime of the command.
class BusyScope {
public:
    explicit BusyScope(bool& busy) : busy_(busy) { busy_ = true; }
    ~BusyScope() { busy_ = false; }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    bool& busy_;
};

// Names the printout for the time of the command: the print dialog and the
// queue show the name, and a PDF takes it as its title. The shared printer
// gets its earlier name back afterwards.
class DocNameScope {
public:
    DocNameScope(QPrinter& printer, const QString& name) : printer_(printer), earlier_(printer.docName())
    {
        printer_.setDocName(name);
    }
    ~DocNameScope() { printer_.setDocName(earlier_); }
    DocNameScope(const DocNameScope&) = delete;
    DocNameScope& operator=(const DocNameScope&) = delete;

private:
    QPrinter& printer_;
    QString earlier_;
};

}  // namespace

QString drawingDocName()
{
    return QCoreApplication::translate("DrawingPrinter", "Vintorp — чертёж каркаса");
}

DrawingPrinter::DrawingPrinter(SharedPrinter& printer, std::unique_ptr<PrinterChooser> chooser)
    : printer_(printer), chooser_(chooser ? std::move(chooser) : std::make_unique<DialogPrinterChooser>())
{
}

DrawingPrinter::~DrawingPrinter() = default;

void DrawingPrinter::print(QWidget& window, const QRect& area)
{
    if (printing_)
        throw PrintError(PrintErrorKind::PrintingInProgress);
    const BusyScope busy(printing_);
    if (area.isEmpty())
        return;

    QPrinter& target = printer_.get();
    // The drawing is placed within the printable area.
    target.setFullPage(false);
    const DocNameScope named(target, drawingDocName());
    if (!chooser_->choose(target, &window))
        return;
    if (!hasDestination(target))
        throw PrintError(PrintErrorKind::NoDefaultPrinter);

    const QRect page = target.pageRect(QPrinter::DevicePixel).toRect();
    if (page.isEmpty())
        throw PrintError(PrintErrorKind::PrinterNotValid);
    const PrintSize size = printSize(area.width(), area.height(), page.width(), page.height());

    PrinterOutput output(target);
    if (const auto why = output.start())
        throw PrintError(PrintErrorKind::OutputFailed, why->toStdString());
    QPainter painter;
    if (!painter.begin(&target))
        throw PrintError(PrintErrorKind::PrinterNotValid);
    paintPicture(painter, window, area, size);
    painter.end();
    if (const auto why = output.finish())
        throw PrintError(PrintErrorKind::OutputFailed, why->toStdString());
}

}  // namespace vintorp::print
