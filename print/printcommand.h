// The one way every printout of the program goes out: the run's printer is
// chosen in the dialog, checked, the output started, the pages painted and
// the output finished. A printout gives only its name and its pages.
#pragma once

#include "print/printerchooser.h"
#include "print/sharedprinter.h"

#include <QString>

#include <memory>

class QPainter;
class QPrinter;
class QWidget;

namespace vintorp::print {

class Printout {
public:
    virtual ~Printout() = default;

    // The job's name: the print dialog offers it for a PDF file's name, the
    // printing system's queue shows it and a PDF takes it as its title.
    virtual QString docName() const = 0;

    // Whether the pages are painted at true size from the paper's corner,
    // with the printing system asked not to scale them, rather than within
    // the printable area.
    virtual bool trueSize() const { return false; }

    // Lays the pages out on the paper the printer has now, before anything
    // goes out: what this throws ends the command with nothing sent.
    virtual void layOut(const QPrinter& printer) { static_cast<void>(printer); }

    // Paints the pages with `painter`, active on `printer`, starting each
    // page after the first with printer.newPage().
    virtual void paint(QPainter& painter, QPrinter& printer) = 0;
};

// Prints `printout` on `printer` as it is set up. A PDF file is written whole
// or not at all (it then stays as it was); the printer's own settings are as
// they were when it returns. Throws PrintError when the printer has neither
// a file nor a printer to send to, when it cannot be opened or the file not
// be written, and whatever the printout's layOut or paint throws.
void printOn(QPrinter& printer, Printout& printout);

// A print command on the run's one printer, so the printer and the settings
// chosen in the dialog stay for every later print of the same run, whatever
// the command.
class PrintCommand {
public:
    // Asks with Qt's print dialog unless given another chooser.
    explicit PrintCommand(SharedPrinter& printer, std::unique_ptr<PrinterChooser> chooser = {});
    ~PrintCommand();
    PrintCommand(const PrintCommand&) = delete;
    PrintCommand& operator=(const PrintCommand&) = delete;

    void setChooser(std::unique_ptr<PrinterChooser> chooser);

    // Asks for the printer (the dialog opened over `parent`), then prints as
    // printOn() does. Returns without printing when the user cancels; throws
    // as printOn(), and PrintError when called while this command's earlier
    // print is still running.
    void print(QWidget* parent, Printout& printout);

    bool printing() const { return printing_; }

private:
    SharedPrinter& printer_;
    std::unique_ptr<PrinterChooser> chooser_;
    bool printing_ = false;
};

}  // namespace vintorp::print
