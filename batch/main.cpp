// vintorp-batch: reads cases as JSON Lines on standard input, writes one JSON
// line per input line on standard output. Lines that cannot be read as a case
// are answered with status "invalid", reported on standard error with their
// line number, and make the exit status 1.
#include <cstdlib>
#include <iostream>
#include <string>

#include "batch/batch_case.h"

int main()
{
    std::ios::sync_with_stdio(false);
    bool all_valid = true;
    std::string line;
    for (long line_number = 1; std::getline(std::cin, line); ++line_number) {
        const vintorp::batch::LineResult result = vintorp::batch::RunLine(line);
        std::cout << result.output << '\n';
        if (!result.valid) {
            all_valid = false;
            std::cerr << "vintorp-batch: line " << line_number << ": " << result.problem << '\n';
        }
    }
    std::cout.flush();
    return all_valid && std::cout ? EXIT_SUCCESS : EXIT_FAILURE;
}
