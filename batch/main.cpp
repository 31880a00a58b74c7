// vintorp-batch: reads cases as JSON Lines on standard input, writes one JSON
// line per input line on standard output. Lines that cannot be read as a case
// are answered with status "invalid", reported on standard error with their
// line number, and make the exit status 1. A case with the key "template"
// also writes the cut template of its result to that .pdf or .svg file.
//
// Options: --lang ru (the default) or --lang en, the language of the message
// of a rejected or failed case, the same text the window shows.
#include <QGuiApplication>
#include <QTranslator>

#include <cstdlib>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "batch/batch_case.h"
#include "calc/cutparts.h"
#include "print/cuttemplate.h"
#include "print/templateerror.h"
#include "ui/language.h"
#include "ui/messages.h"

namespace {

using vintorp::ui::Language;

// Writes templates with Qt's painting and fonts, which need a GUI
// application; it is made at the first template, without a screen.
class TemplateWriter {
public:
    // translator: the template's texts in the language asked for; none for Russian.
    explicit TemplateWriter(QTranslator* translator) : translator_(translator) { }

    std::string operator()(const vintorp::batch::TemplateJob& job)
    {
        if (!app_) {
            // Standard error is for the lines' problems: Qt's own notes stay out of it.
            qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
            qputenv("QT_QPA_PLATFORM", "offscreen");
            app_ = std::make_unique<QGuiApplication>(argc_, argv_);
            if (translator_)
                QCoreApplication::installTranslator(translator_);
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
    QTranslator* translator_;
    std::unique_ptr<QGuiApplication> app_;
};

// The language asked for on the command line; nothing when the arguments are wrong.
std::optional<Language> LanguageOption(int argc, char** argv)
{
    if (argc == 1) {
        return Language::Russian;
    }
    if (argc == 3 && std::string_view(argv[1]) == "--lang") {
        return vintorp::ui::languageNamed(QString::fromLocal8Bit(argv[2]));
    }
    return std::nullopt;
}

}  // namespace

int main(int argc, char** argv)
{
    const std::optional<Language> language = LanguageOption(argc, argv);
    if (!language) {
        std::cerr << "usage: vintorp-batch [--lang ru|en] < cases.jsonl\n";
        return 2;
    }
    // The texts are Russian; only English needs a translator.
    std::optional<QTranslator> translator;
    if (*language == Language::English
        && !vintorp::ui::loadProgramTranslation(translator.emplace(), *language)) {
        std::cerr << "vintorp-batch: the English translation is missing\n";
        return EXIT_FAILURE;
    }

    std::ios::sync_with_stdio(false);
    auto writer = std::make_shared<TemplateWriter>(translator ? &*translator : nullptr);
    vintorp::batch::RunOptions options;
    options.write_template = [writer](const vintorp::batch::TemplateJob& job) { return (*writer)(job); };
    options.translate_message = [&translator](const vintorp::calc::Error& error) {
        return (translator ? vintorp::ui::messageText(error, *translator) : vintorp::ui::messageText(error))
            .toStdString();
    };
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
