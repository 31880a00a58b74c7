// The program's general error report: an error that ends a command is shown
// in a modal box with an error sign, and the program goes on.
#pragma once

#include <QString>

#include <exception>

class QWidget;

namespace vintorp::ui {

inline constexpr char16_t kAppTitle[] = u"Vintorp";

// The report's text: the message, with a full stop added when its last
// character sorts above ".".
QString reportText(const QString& message);

// Shows the report modally over parent (or over the active window).
void reportError(const QString& message, QWidget* parent = nullptr);

// Runs a command; an error that ends it goes to the report.
template <typename Command>
void runReportingErrors(QWidget* parent, Command&& command)
{
    try {
        command();
    } catch (const std::exception& e) {
        reportError(QString::fromUtf8(e.what()), parent);
    }
}

// Shows an information message with one OK button and no icon.
void showPlainMessage(const QString& message, QWidget* parent = nullptr);

}  // namespace vintorp::ui
