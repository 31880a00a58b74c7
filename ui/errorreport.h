// The program's general error report: an error that ends a command is shown
// in a modal box with an error sign, and the program goes on.
#pragma once

#include <QString>

class QWidget;

namespace vintorp::ui {

inline constexpr char16_t kAppTitle[] = u"Vintorp";

// The report's text: the message, with a full stop added when its last
// character sorts above ".".
QString reportText(const QString& message);

// Shows the report modally over parent (or over the active window).
void reportError(const QString& message, QWidget* parent = nullptr);

// The message of the exception being handled; call only inside a catch
// block. An error of the calculation or the printout is worded by its kind in
// the interface language (messages.h); any other standard exception gives its
// what(), or its type when that is empty; an exception of any other type says
// that it is unknown and its type.
QString currentErrorMessage();

// Runs a command; an error that ends it, of whatever type, goes to the report.
template <typename Command>
void runReportingErrors(QWidget* parent, Command&& command)
{
    try {
        command();
    } catch (...) {
        reportError(currentErrorMessage(), parent);
    }
}

// Shows an information message with one OK button and no icon.
void showPlainMessage(const QString& message, QWidget* parent = nullptr);

}  // namespace vintorp::ui
