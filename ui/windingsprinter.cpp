#include "windingsprinter.h"

#include "windingspage.h"

#include <QPrinter>

namespace vintorp::ui {
namespace {

// The page, filling the printable area.
class WindingsPrintout final : public print::Printout {
public:
    explicit WindingsPrintout(const WindingsPage& page) : page_(page) { }

    // Unnamed: the dialog offers Qt's usual file name, and a PDF has no title.
    QString docName() const override { return {}; }

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
