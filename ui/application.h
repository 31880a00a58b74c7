// The application object: its notify() is the last safety net that keeps an
// exception from ever crossing the event loop.
#pragma once

#include <QApplication>

namespace vintorp::ui {

class Application : public QApplication {
public:
    Application(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

// Fonts, translations and the application's names; called once at start.
void setUpApplication(QApplication& app);

// Reads the command line: --help and --version answer and exit; returns the
// design file named, or an empty string.
QString designFromCommandLine(const QApplication& app);

}  // namespace vintorp::ui
