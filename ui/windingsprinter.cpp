#include "windingsprinter.h"

#include "windingspage.h"

#include <QCoreApplication>
#include <QPrinter>

namespace vintorp::ui {
namespace {

// The page, filling the printable area.
class WindingsPrintout final : public print::Printout {
public:
    explicit WindingsPrintout(const WindingsPage& page) : page_(page) { }

    // The print job's name and a PDF's title, as the drawing's and the template's are named.
    QString docName() const override
    {
        return QCoreApplication::translate("WindingsPrinter", "Vintorp — обмотки каркаса");
    }

    void paint(QPainter& painter, QPrinter& printer) override
    {
        paintWindingsPage(painter, QRectF(QPointF(0, 0), printer.pageRect(QPrinter::DevicePixel).size()),
                          page_);
    }

private:
    const WindingsPage& page_;
};

}  // namespace

WindingsPrinter::WindingsPrinter(print::SharedPrinter& printer,
                                 std::unique_ptr<print::PrinterChooser> chooser)
    : command_(printer, std::move(chooser))
{
}

void WindingsPrinter::setChooser(std::unique_ptr<print::PrinterChooser> chooser)
{
    command_.setChooser(std::move(chooser));
}

void WindingsPrinter::print(QWidget& parent, const WindingsPage& page)
{
    WindingsPrintout printout(page);
    command_.print(&parent, printout);
}

}  // namespace vintorp::ui
