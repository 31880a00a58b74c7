// Qt test programs run headless whoever starts them (CTest, a developer by
// hand, a debugger): the offscreen platform and a private runtime folder,
// unless the environment names others.
#pragma once

#include <QFile>
#include <QTemporaryDir>
#include <QtGlobal>

namespace vintorp::testing {

// Made before the application object, kept for the whole run.
class Headless {
public:
    Headless()
    {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") && runtime_.isValid())
            qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime_.path()));
    }

private:
    QTemporaryDir runtime_;  // owner-only, removed at the end
};

}  // namespace vintorp::testing

// QTEST_MAIN, headless: `Application` is QApplication or QGuiApplication.
#define VINTORP_TEST_MAIN(TestClass, Application)                                                            \
    int main(int argc, char** argv)                                                                          \
    {                                                                                                        \
        const vintorp::testing::Headless headless;                                                           \
        Application app(argc, argv);                                                                         \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                             \
        TestClass test;                                                                                      \
        QTEST_SET_MAIN_SOURCE_PATH                                                                           \
        return QTest::qExec(&test, argc, argv);                                                              \
    }
