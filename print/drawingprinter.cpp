#include "print/drawingprinter.h"

#include "print/picturepaint.h"
#include "print/printsize.h"

#include <QCoreApplication>
#include <QPrinter>
#include <QWidget>

namespace vintorp::print {
namespace {

// The picture area as one page, at the top-left corner of the printable
// area, scaled by printSize().
class DrawingPrintout final : public Printout {
public:
    DrawingPrintout(QWidget& window, const QRect& area) : window_(window), area_(area) { }

    QString docName() const override { return drawingDocName(); }

    void layOut(const QPrinter& printer) override
    {
        const QRect page = printer.pageRect(QPrinter::DevicePixel).toRect();
        size_ = printSize(area_.width(), area_.height(), page.width(), page.height());
    }

    void paint(QPainter& painter, QPrinter&) override { paintPicture(painter, window_, area_, size_); }

private:
    QWidget& window_;
    QRect area_;
    PrintSize size_;
};

}  // namespace

QString drawingDocName()
{
    return QCoreApplication::translate("DrawingPrinter", "Vintorp — чертёж каркаса");
}

DrawingPrinter::DrawingPrinter(SharedPrinter& printer, std::unique_ptr<PrinterChooser> chooser)
    : command_(printer, std::move(chooser))
{
}

DrawingPrinter::~DrawingPrinter() = default;

void DrawingPrinter::print(QWidget& window, const QRect& area)
{
    // Nothing to print, nothing asked; a print while one runs is refused
    // all the same.
    if (area.isEmpty() && !printing())
        return;
    DrawingPrintout printout(window, area);
    command_.print(&window, printout);
}

}  // namespace vintorp::print
