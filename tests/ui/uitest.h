// What every window test starts from: the program's two windows as start-up
// makes them, shown, with the decimal separator pinned and every modal box
// answered from a timer (an unexpected one fails the test); and a main() with
// the program's own application.
#pragma once

#include "headless.h"
#include "modalwatcher.h"
#include "print/printerchooser.h"
#include "ui/Unit1.h"
#include "ui/Unit4.h"
#include "ui/application.h"
#include "ui/decimalseparator.h"

#include <QtTest>

#include <memory>

class ProgramWindowsFixture {
protected:
    static void pinSeparator(const QString& separator)
    {
        vintorp::ui::setSeparatorSource([separator] { return separator; });
    }

    // Returns false when the input window never reached the screen.
    [[nodiscard]] bool openWindows(std::unique_ptr<vintorp::print::PrinterChooser> chooser = {})
    {
        pinSeparator(QStringLiteral(","));
        drawing_ = std::make_unique<vintorp::ui::TForm4>(std::move(chooser));
        form_ = std::make_unique<vintorp::ui::TForm1>(*drawing_);
        modals_ = std::make_unique<ModalWatcher>();
        form_->show();
        return QTest::qWaitForWindowExposed(form_.get());
    }

    // Call from cleanup(): fails the test when a modal window came up that
    // it did not expect.
    void closeWindows()
    {
        const QStringList unexpected = modals_ ? modals_->unexpected() : QStringList();
        modals_.reset();
        form_.reset();
        drawing_.reset();
        vintorp::ui::setSeparatorSource(vintorp::ui::systemDecimalSymbol);
        QVERIFY2(unexpected.isEmpty(),
                 qPrintable(QStringLiteral("unexpected: ") + unexpected.join(QStringLiteral("; "))));
    }

    std::unique_ptr<vintorp::ui::TForm4> drawing_;
    std::unique_ptr<vintorp::ui::TForm1> form_;
    std::unique_ptr<ModalWatcher> modals_;
};

#define VINTORP_UI_TEST_MAIN(TestClass)                                                                      \
    int main(int argc, char** argv)                                                                          \
    {                                                                                                        \
        const vintorp::testing::Headless headless;                                                           \
        vintorp::ui::Application app(argc, argv);                                                            \
        vintorp::ui::setUpApplication(app);                                                                  \
        TestClass test;                                                                                      \
        return QTest::qExec(&test, argc, argv);                                                              \
    }
