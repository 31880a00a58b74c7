// vintorp-batch: reads cases as JSON Lines on standard input, writes one JSON
// line per input line on standard output; or, given design files, reads each
// whole as the window opens it and answers one line each, a file the window
// refuses with the window's message. Lines that cannot be read as a case
// are answered with status "invalid", reported on standard error with their
// line number, and make the exit status 1. A case with the key "template"
// also writes the cut template of its result to that .pdf, .svg or .dxf file.
// Standard input that cannot be read, or standard output that cannot be
// written, ends the run with a note on standard error and the exit status 3;
// each answer is written as soon as its line is done.
//
// Options: --lang ru (the default) or --lang en, the language of the message
// of a rejected or failed case, the same text the window shows. Any other
// argument is a design file (after "--", also one that starts with "-").
#include <QFile>
#include <QGuiApplication>
#include <QTranslator>

#include <sys/mman.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <iostream>
#include <memory>
#include <new>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "batch/batch_case.h"
#include "batch/lineio.h"
#include "template/parts/cutparts.h"
#include "template/pages/cuttemplate.h"
#include "template/pages/templateerror.h"
#include "lang/batchwords.h"
#include "lang/language.h"
#include "lang/designfile.h"
#include "lang/messages.h"

namespace {

using vintorp::lang::Language;

// The exit status when standard input cannot be read or standard output
// cannot be written (1: some line was invalid; 2: wrong arguments).
constexpr int kExitInputOutput = 3;

// The address space a template takes for a moment beyond the tool's own: a
// PDF about 34 MB (its page stream compressed, its fonts embedded), an SVG or
// a DXF about 2 MB, and making the GUI application at the first template 1 MB;
// each with room to spare.
constexpr std::size_t kPdfRoom = std::size_t(40) << 20;
constexpr std::size_t kDrawingRoom = std::size_t(8) << 20;

// Throws std::bad_alloc unless `bytes` more of address space can be had now.
// Qt does not survive every failed allocation of its own (it ends the program
// when the platform plugin cannot be loaded, and writes a PDF's fonts into
// memory it does not check), so a template is not begun without its room.
void needRoom(std::size_t bytes)
{
    void* room = mmap(nullptr, bytes, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
    if (room == MAP_FAILED)
        throw std::bad_alloc();
    munmap(room, bytes);
}

// Writes templates with Qt's painting and fonts, which need a GUI
// application; it is made at the first template, without a screen.
class TemplateWriter {
public:
    // translator: the template's texts in the language asked for; none for Russian.
    explicit TemplateWriter(QTranslator* translator) : translator_(translator) { }

    vintorp::batch::TemplateWritten operator()(const vintorp::batch::TemplateJob& job)
    {
        const QString path = QString::fromStdString(job.path);
        needRoom(vintorp::cut::templateFormatFor(path) == vintorp::cut::TemplateFormat::Pdf ? kPdfRoom
                                                                                            : kDrawingRoom);
        if (!app_) {
            // Standard error is for the lines' problems: Qt's own notes stay out of it.
            qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
            qputenv("QT_QPA_PLATFORM", "offscreen");
            app_ = std::make_unique<QGuiApplication>(argc_, argv_);
            if (translator_)
                QCoreApplication::installTranslator(translator_);
        }
        try {
            using Settings = vintorp::design::TemplateSettings;
            const Settings& s = job.settings;
            const int bobbins = s.bobbins.value_or(vintorp::cut::defaultBobbinCount(job.core_type));
            const vintorp::cut::CutSet set = vintorp::cut::makeTemplateParts(
                job.numbers, bobbins,
                {s.clearance.value_or(0), s.kerf.value_or(0), s.hole.value_or(Settings::kHole)});
            std::optional<vintorp::cut::CutterSetup> cutter;
            if (s.cutter.value_or(false))
                cutter = vintorp::cut::CutterSetup{QSizeF(s.sheetWidth.value_or(Settings::kSheetWidth),
                                                          s.sheetHeight.value_or(Settings::kSheetHeight)),
                                                   s.gap.value_or(Settings::kGap), s.labels.value_or(true),
                                                   s.cutOnly.value_or(false)};
            vintorp::batch::TemplateWritten written;
            for (const QString& file : vintorp::cut::saveTemplate(path, set, cutter))
                written.paths.push_back(file.toStdString());
            return written;
        } catch (const vintorp::cut::TemplateError& e) {
            // A setting is named by its key, as the line gives it.
            const QString words = vintorp::lang::settingWords(e.failure(), translator_);
            return {{}, (words.isEmpty() ? vintorp::lang::messageText(e.failure()) : words).toStdString()};
        }
    }

private:
    int argc_ = 1;
    char name_[14] = "vintorp-batch";
    char* argv_[2] = {name_, nullptr};
    QTranslator* translator_;
    std::unique_ptr<QGuiApplication> app_;
};

struct Arguments {
    Language language = Language::Russian;
    std::vector<QString> files;  // design files; none: standard input
};

// The arguments; nothing when they are wrong.
std::optional<Arguments> parseArguments(int argc, char** argv)
{
    Arguments arguments;
    bool options = true;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (options && arg == "--lang" && i + 1 < argc) {
            const std::optional<Language> language
                = vintorp::lang::languageNamed(QString::fromLocal8Bit(argv[++i]));
            if (!language) {
                return std::nullopt;
            }
            arguments.language = *language;
        } else if (options && arg == "--") {
            options = false;
        } else if (options && arg.starts_with('-')) {
            return std::nullopt;
        } else {
            arguments.files.push_back(QFile::decodeName(argv[i]));
        }
    }
    return arguments;
}

}  // namespace

int main(int argc, char** argv)
{
    const std::optional<Arguments> arguments = parseArguments(argc, argv);
    if (!arguments) {
        std::cerr << "usage: vintorp-batch [--lang ru|en] < cases.jsonl\n"
                     "       vintorp-batch [--lang ru|en] [--] FILE.vintorp...\n";
        return 2;
    }
    const Language language = arguments->language;
    // The texts are Russian; only English needs a translator.
    std::optional<QTranslator> translator;
    if (language == Language::English
        && !vintorp::lang::loadProgramTranslation(translator.emplace(), language)) {
        std::cerr << "vintorp-batch: the English translation is missing\n";
        return EXIT_FAILURE;
    }

    auto writer = std::make_shared<TemplateWriter>(translator ? &*translator : nullptr);
    vintorp::batch::RunOptions options;
    options.write_template = [writer](const vintorp::batch::TemplateJob& job) { return (*writer)(job); };
    options.translate_message = [&translator](const vintorp::calc::Error& error) {
        return (translator ? vintorp::lang::messageText(error, *translator)
                           : vintorp::lang::messageText(error))
            .toStdString();
    };
    options.word_refusal = [&translator](vintorp::batch::TemplateRefusal refusal, std::string_view key) {
        return vintorp::lang::refusalWords(refusal, key, translator ? &*translator : nullptr).toStdString();
    };
    options.word_windings
        = [&translator](vintorp::batch::WindingsFault fault, int winding, std::string_view name) {
              return vintorp::lang::windingsWords(fault, winding, name, translator ? &*translator : nullptr)
                  .toStdString();
          };
    options.word_transformer = [&translator](const vintorp::batch::TransformerIssue& issue) {
        return vintorp::lang::transformerWords(issue, translator ? &*translator : nullptr).toStdString();
    };
    options.word_no_room = [&translator](std::string_view length, std::string_view depth) {
        return vintorp::lang::noRoomWords(length, depth, translator ? &*translator : nullptr).toStdString();
    };
    const QTranslator* words = translator ? &*translator : nullptr;
    bool all_valid = true;
    // One answer, and its problem on standard error after `where` (a file's
    // message names its file); false when it cannot be written.
    const auto answer = [&all_valid](vintorp::batch::LineResult result, const std::string& where) {
        // The line's end written on its own: a huge answer is not copied for it.
        int error = vintorp::batch::writeAll(STDOUT_FILENO, result.output);
        if (error == 0) {
            error = vintorp::batch::writeAll(STDOUT_FILENO, "\n");
        }
        if (error != 0) {
            std::cerr << "vintorp-batch: cannot write standard output: " << std::strerror(error) << '\n';
            return false;
        }
        if (!result.valid) {
            all_valid = false;
            std::cerr << "vintorp-batch: " << where << (where.empty() ? "" : ": ") << result.problem << '\n';
        }
        return true;
    };
    for (const QString& path : arguments->files) {
        const auto bytes = vintorp::lang::readDesignBytes(path, words);
        vintorp::batch::LineResult result;
        if (const auto* why = std::get_if<QString>(&bytes)) {
            result = vintorp::batch::invalidAnswer(
                vintorp::lang::designOpenFailure(path, *why, words).toStdString());
        } else {
            const QByteArray& file = std::get<QByteArray>(bytes);
            options.word_read_error = [&path, words](const vintorp::design::ReadError& error) {
                return vintorp::lang::designOpenFailure(path, vintorp::lang::designReadReason(error, words),
                                                        words)
                    .toStdString();
            };
            result = vintorp::batch::runLine(std::string_view(file.constData(), std::size_t(file.size())),
                                             options, vintorp::design::Source::DesignFile);
        }
        if (!answer(std::move(result), {})) {
            return kExitInputOutput;
        }
    }
    if (!arguments->files.empty()) {
        return all_valid ? EXIT_SUCCESS : EXIT_FAILURE;
    }
    options.word_read_error = nullptr;
    using Status = vintorp::batch::LineReader::Status;
    vintorp::batch::LineReader input(STDIN_FILENO);
    std::string line;
    for (long line_number = 1;; ++line_number) {
        const Status status = input.next(line);
        if (status == Status::End) {
            break;
        }
        if (status == Status::Failed) {
            std::cerr << "vintorp-batch: cannot read standard input: " << std::strerror(input.error())
                      << '\n';
            return kExitInputOutput;
        }
        vintorp::batch::LineResult result = status == Status::OutOfMemory
                                                ? vintorp::batch::lineOutOfMemory()
                                                : vintorp::batch::runLine(line, options);
        if (!answer(std::move(result), "line " + std::to_string(line_number))) {
            return kExitInputOutput;
        }
    }
    return all_valid ? EXIT_SUCCESS : EXIT_FAILURE;
}
