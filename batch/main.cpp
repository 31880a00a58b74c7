// vintorp-batch: reads cases as JSON Lines on standard input, writes one JSON
// line per input line on standard output. Lines that cannot be read as a case
// are answered with status "invalid", reported on standard error with their
// line number, and make the exit status 1. A case with the key "template"
// also writes the cut template of its result to that .pdf or .svg file.
#include <cstdlib>
#include <iostream>
#include <memory>
#include <string>

#include <QGuiApplication>

#include "batch_case.h"
#include "calc/cutparts.h"
#include "print/cuttemplate.h"
#include "print/templateerror.h"

namespace {

// Writes templates with Qt's painting and fonts, which need a GUI
// application; it is made at the first template, without a screen.
class TemplateWriter {
public:
    std::string operator()(const vintorp::batch::TemplateJob& job)
    {
        if (!app_) {
            // Standard error is for the lines' problems: Qt's own notes stay out of it.
            qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
            qputenv("QT_QPA_PLATFORM", "offscreen");
            app_ = std::make_unique<QGuiApplication>(argc_, argv_);
        }
        try {
            const vintorp::calc::CutSet set
                = vintorp::print::makeTemplateParts(job.fields, QString::fromStdString(job.sep),
                                                    vintorp::calc::defaultBobbinCount(job.core_type));
            vintorp::print::saveTemplate(QString::fromStdString(job.path), set);
            return {};
        } catch (const vintorp::print::TemplateError& e) {
            return e.what();
        }
    }

private:
    int argc_ = 1;
    char name_[14] = "vintorp-batch";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QGuiApplication> app_;
};

}  // namespace

int main()
{
    std::ios::sync_with_stdio(false);
    auto writer = std::make_shared<TemplateWriter>();
    vintorp::batch::RunOptions options;
    options.write_template = [writer](const vintorp::batch::TemplateJob& job) { return (*writer)(job); };
    bool all_valid = true;
    std::string line;
    for (long line_number = 1; std::getline(std::cin, line); ++line_number) {
        const vintorp::batch::LineResult result = vintorp::batch::RunLine(line, options);
        std::cout << result.output << '\n';
        if (!result.valid) {
            all_valid = false;
            std::cerr << "vintorp-batch: line " << line_number << ": " << result.problem << '\n';
        }
    }
    std::cout.flush();
    return all_valid && std::cout ? EXIT_SUCCESS : EXIT_FAILURE;
}
