#include "print/printcommand.h"

#include "print/errors/printerror.h"
#include "print/printeroutput.h"

#include <QPainter>
#include <QPrintEngine>
#include <QPrinter>
#include <QStringList>

#include <optional>

namespace vintorp::print {
namespace {

// Marks the command busy for its lifetime.
class BusyScope {
public:
    explicit BusyScope(bool& busy) : busy_(busy) { busy_ = true; }
    ~BusyScope() { busy_ = false; }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    bool& busy_;
};

// Names the printout for the time of the command. The shared printer gets
// its earlier name back afterwards.
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

// Qt's print engine for the printing system (CUPS) takes further job
// options under this key, as a list of names and values.
constexpr auto kCupsOptions = QPrintEngine::PrintEnginePropertyKey(0xfe00);

// The options of a true-size job: the printing system must not scale the
// pages to fit its paper, or they are no longer true to size.
QStringList withoutScaling(QStringList options)
{
    for (qsizetype i = 0; i + 1 < options.size();) {
        if (options[i] == u"print-scaling")
            options.remove(i, 2);
        else
            i += 2;
    }
    return options << QStringLiteral("print-scaling") << QStringLiteral("none");
}

// A true-size job's settings on the run's printer, set after the dialog
// (which sets the job options anew) and put back when the job is done, so
// that the next print gets none of them.
class TrueSizeJob {
public:
    explicit TrueSizeJob(QPrinter& printer)
        : printer_(printer), fullPage_(printer.fullPage()), options_(engineOptions(printer))
    {
        // Painted from the paper's corner, at the printer's own resolution.
        printer.setFullPage(true);
        setEngineOptions(printer, withoutScaling(options_));
    }

    ~TrueSizeJob()
    {
        setEngineOptions(printer_, options_);
        printer_.setFullPage(fullPage_);
    }

    TrueSizeJob(const TrueSizeJob&) = delete;
    TrueSizeJob& operator=(const TrueSizeJob&) = delete;

private:
    static QStringList engineOptions(const QPrinter& printer)
    {
        return printer.printEngine()->property(kCupsOptions).toStringList();
    }
    static void setEngineOptions(QPrinter& printer, const QStringList& options)
    {
        printer.printEngine()->setProperty(kCupsOptions, options);
    }

    QPrinter& printer_;
    bool fullPage_;
    QStringList options_;
};

}  // namespace

void printOn(QPrinter& printer, Printout& printout)
{
    if (!hasDestination(printer))
        throw PrintError(PrintErrorKind::NoDefaultPrinter);
    const DocNameScope named(printer, printout.docName());
    std::optional<TrueSizeJob> trueSize;
    if (printout.trueSize())
        trueSize.emplace(printer);
    if (printer.pageRect(QPrinter::DevicePixel).toRect().isEmpty())
        throw PrintError(PrintErrorKind::PrinterNotValid);
    printout.layOut(printer);

    PrinterOutput output(printer);
    if (const auto why = output.start())
        throw PrintError(PrintErrorKind::OutputFailed, why->toStdString());
    QPainter painter;
    if (!painter.begin(&printer))
        throw PrintError(PrintErrorKind::PrinterNotValid);
    printout.paint(painter, printer);
    painter.end();
    if (const auto why = output.finish())
        throw PrintError(PrintErrorKind::OutputFailed, why->toStdString());
}

PrintCommand::PrintCommand(SharedPrinter& printer, std::unique_ptr<PrinterChooser> chooser)
    : printer_(printer)
{
    setChooser(std::move(chooser));
}

PrintCommand::~PrintCommand() = default;

void PrintCommand::setChooser(std::unique_ptr<PrinterChooser> chooser)
{
    chooser_ = chooser ? std::move(chooser) : std::make_unique<DialogPrinterChooser>();
}

void PrintCommand::print(QWidget* parent, Printout& printout)
{
    if (printing_)
        throw PrintError(PrintErrorKind::PrintingInProgress);
    const BusyScope busy(printing_);
    QPrinter& target = printer_.get();
    // The dialog sets up a page placed within the printable area; a
    // true-size printout takes the whole paper once it is chosen.
    target.setFullPage(false);
    // Named already in the dialog, which offers the name for a PDF file.
    const DocNameScope named(target, printout.docName());
    if (!chooser_->choose(target, parent))
        return;
    printOn(target, printout);
}

}  // namespace vintorp::print
