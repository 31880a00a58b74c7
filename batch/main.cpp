// vintorp-batch: reads cases as JSON Lines on standard input, writes one JSON
// line per input line on standard output. Lines that cannot be read as a case
// are answered with status "invalid", reported on standard error with their
// line number, and make the exit status 1.
//
// Options: --lang ru (the default) or --lang en, the language of the message
// of a rejected or failed case, the same text the window shows.
#include <QTranslator>

#include <cstdlib>
#include <iostream>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>

#include "batch_case.h"
#include "ui/language.h"
#include "ui/messages.h"

namespace {

using vintorp::ui::Language;

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

// The answer line with the message of a rejected or failed case translated.
std::string Translated(const std::string& output, const QTranslator& translator)
{
    auto answer = nlohmann::ordered_json::parse(output);
    const std::string status = answer.value("status", "");
    if (status == "rejected" || status == "error") {
        answer["message"]
            = vintorp::ui::translatedMessage(answer["message"].get<std::string>(), translator).toStdString();
    }
    return answer.dump(-1, ' ', false, nlohmann::detail::error_handler_t::replace);
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
    bool all_valid = true;
    std::string line;
    for (long line_number = 1; std::getline(std::cin, line); ++line_number) {
        const vintorp::batch::LineResult result = vintorp::batch::RunLine(line);
        std::cout << (translator ? Translated(result.output, *translator) : result.output) << '\n';
        if (!result.valid) {
            all_valid = false;
            std::cerr << "vintorp-batch: line " << line_number << ": " << result.problem << '\n';
        }
    }
    std::cout.flush();
    return all_valid && std::cout ? EXIT_SUCCESS : EXIT_FAILURE;
}
