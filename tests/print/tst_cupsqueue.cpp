// Both print commands on one printer against a real CUPS queue (a private
// scheduler, see privatecups.h), with Qt's own print dialog choosing the
// queue as the user would: the job goes out on the paper the dialog shows
// (the queue's default), after a job on another queue with other paper; a
// paper chosen in Properties stays for the next job on the queue; the
// template's job, and it alone, asks CUPS not to scale its pages. What CUPS
// received is read back from the job's attributes.
#include "print/drawingprinter.h"
#include "print/printerchooser.h"
#include "print/sharedprinter.h"
#include "privatecups.h"
#include "standinwindow.h"
#include "template/command/templatecommand.h"
#include "templatetesting.h"

#include <QApplication>
#include <QComboBox>
#include <QPrintDialog>
#include <QPrintEngine>
#include <QPrinter>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <exception>
#include <memory>
#include <optional>

using namespace vintorp;
using print::testing::PrivateCups;

namespace {

// The queues of the private scheduler, by default paper.
constexpr const char* kLetterQueue = "vintorp-test";
constexpr const char* kA4Queue = "vintorp-test-a4";

// The job options Qt's CUPS engine sends besides its own.
constexpr auto kCupsOptions = QPrintEngine::PrintEnginePropertyKey(0xfe00);

// Qt's print dialog, in which the user picks `queue`, if `paper` is set
// chooses it in Properties, and confirms.
class QueuePicker final : public print::PrinterChooser {
public:
    QString queue;
    QString paper;
    bool picked = false;

    bool choose(QPrinter& printer, QWidget* parent) override
    {
        picked = false;
        QTimer poll;
        poll.callOnTimeout([&] {
            auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            poll.stop();
            QTimer::singleShot(0, dialog, [&, dialog] {
                auto* printers = dialog->findChild<QComboBox*>(QStringLiteral("printers"));
                const int index = printers ? printers->findText(queue) : -1;
                if (index >= 0) {
                    printers->setCurrentIndex(index);
                    picked = true;
                    if (!paper.isEmpty())
                        choosePaper(*dialog);
                    dialog->accept();
                } else {
                    dialog->reject();
                }
            });
        });
        poll.start(5);
        // Should the dialog never be found, whatever is open is closed.
        QTimer guard;
        guard.setSingleShot(true);
        guard.callOnTimeout([] {
            if (QWidget* modal = QApplication::activeModalWidget())
                modal->close();
        });
        guard.start(20000);
        return print::DialogPrinterChooser().choose(printer, parent);
    }

private:
    // Properties opens modal; the paper is chosen in it once it shows.
    void choosePaper(QDialog& dialog) const
    {
        QTimer::singleShot(0, &dialog, [this] {
            auto* properties = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            auto* sizes
                = properties ? properties->findChild<QComboBox*>(QStringLiteral("pageSizeCombo")) : nullptr;
            if (sizes)
                sizes->setCurrentIndex(sizes->findText(paper));
            if (properties)
                properties->accept();
        });
        dialog.findChild<QPushButton*>(QStringLiteral("properties"))->click();
    }
};

// The same user at another command's dialog.
class SameUser final : public print::PrinterChooser {
public:
    explicit SameUser(QueuePicker& picker) : picker_(picker) { }
    bool choose(QPrinter& printer, QWidget* parent) override { return picker_.choose(printer, parent); }

private:
    QueuePicker& picker_;
};

// The template's questions: one bobbin, to the printer, in the dialog above.
class PrinterTemplateDialogs final : public cut::TemplateDialogs {
public:
    explicit PrinterTemplateDialogs(QueuePicker& picker) : picker_(picker) { }
    std::optional<cut::TemplateChoice> chooseOutput(const cut::TemplateChoice&, QWidget*) override
    {
        return cut::TemplateChoice{.output = cut::TemplateChoice::Output::Printer, .bobbins = 1};
    }
    QString chooseFile(QWidget*) override { return {}; }
    bool choosePrinter(QPrinter& printer, QWidget* parent) override
    {
        return picker_.choose(printer, parent);
    }

private:
    QueuePicker& picker_;
};

}  // namespace

class CupsQueueTest : public QObject {
    Q_OBJECT

public:
    explicit CupsQueueTest(PrivateCups& cups) : cups_(cups) { }

private:
    PrivateCups& cups_;

private slots:
    void initTestCase()
    {
        if (!cups_.running())
            QSKIP(qPrintable(QStringLiteral("no private CUPS scheduler: ") + cups_.why()));
        for (const auto& [queue, paper] : {std::pair{kLetterQueue, "Letter"}, std::pair{kA4Queue, "A4"}}) {
            const std::optional<QString> failure
                = cups_.addQueue(QString::fromLatin1(queue), QString::fromLatin1(paper));
            QVERIFY2(!failure, qPrintable(failure.value_or(QString())));
        }
    }

    // One run: each step prints with the printer the earlier steps left.
    void jobsCarryTheShownPaper()
    {
        enum class Command { Drawing, Template };
        struct Step {
            const char* what;
            Command command;
            const char* queue;
            const char* media;  // as CUPS holds it for the job
            const char* scaling;  // empty: the job does not ask
            const char* chosenPaper;  // in Properties; empty: none chosen
        };
        const Step steps[] = {
            {"template on the A4 queue", Command::Template, kA4Queue, "A4", "none", ""},
            {"drawing on the Letter queue", Command::Drawing, kLetterQueue, "Letter", "", ""},
            {"template on the Letter queue", Command::Template, kLetterQueue, "Letter", "none", ""},
            {"drawing on the same queue", Command::Drawing, kLetterQueue, "Letter", "", ""},
            {"drawing on the A4 queue", Command::Drawing, kA4Queue, "A4", "", ""},
            {"drawing on A5 chosen in Properties", Command::Drawing, kA4Queue, "A5", "", "A5"},
            {"drawing on the same queue again", Command::Drawing, kA4Queue, "A5", "", ""},
        };

        print::SharedPrinter shared;
        QueuePicker picker;
        print::DrawingPrinter drawing(shared, std::make_unique<SameUser>(picker));
        cut::TemplateCommand templateCommand(shared, std::make_unique<PrinterTemplateDialogs>(picker));
        print::testing::StandInWindow window;
        for (const Step& step : steps) {
            const QString queue = QString::fromLatin1(step.queue);
            const int before = cups_.lastJob(queue);
            picker.queue = queue;
            picker.paper = QString::fromLatin1(step.chosenPaper);
            try {
                if (step.command == Command::Template)
                    templateCommand.run(&window, calc::readDrawingNumbers(cut::testing::workedETexts(), ","),
                                        0);
                else
                    drawing.print(window, print::testing::StandInWindow::kPictureArea);
            } catch (const std::exception& error) {
                QFAIL(qPrintable(QStringLiteral("%1: %2").arg(step.what, error.what())));
            }
            QVERIFY2(picker.picked, step.what);
            const int job = cups_.lastJob(queue);
            QVERIFY2(job > before, step.what);
            const auto attributes
                = cups_.jobAttributes(queue, job, {QStringLiteral("media"), QStringLiteral("print-scaling")});
            QVERIFY2(attributes, step.what);
            const QString media = attributes->value(QStringLiteral("media"));
            const QString scaling = attributes->value(QStringLiteral("print-scaling"));
            QVERIFY2(
                media == step.media && scaling == step.scaling,
                qPrintable(QStringLiteral("%1: media %2, print-scaling %3").arg(step.what, media, scaling)));
            // Nothing of the template's job stays on the printer for the next
            // print (Qt's dialog sets the options again, a later print without
            // it would not).
            const QStringList left = shared.get().printEngine()->property(kCupsOptions).toStringList();
            QVERIFY2(!left.contains(QStringLiteral("print-scaling")), qPrintable(left.join(u' ')));
            QVERIFY(!shared.get().fullPage());
        }
    }
};

int main(int argc, char** argv)
{
    // Before the application: Qt asks CUPS for its printers once, early.
    PrivateCups cups;
    QApplication app(argc, argv);
    CupsQueueTest test(cups);
    return QTest::qExec(&test, argc, argv);
}

#include "tst_cupsqueue.moc"
