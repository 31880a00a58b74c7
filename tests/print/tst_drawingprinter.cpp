// The print command end to end, with a stand-in for the print dialog and a
// PDF file as the printer.
#include "headless.h"
#include "imagecheck.h"
#include "print/drawingprinter.h"
#include "print/errors/printerror.h"
#include "print/printsize.h"
#include "smalldisk.h"
#include "standinwindow.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <optional>
#include <string>
#include <vector>

using namespace vintorp::print;
using namespace vintorp::print::testing;

namespace {

// Plays the user at the print dialog: `answer` sets up the printer and says
// whether the user confirms. Records what the dialog was opened on.
class FakeChooser final : public PrinterChooser {
public:
    struct Opening {
        QPrinter* printer;
        QPrinter::PrinterState state;
        QPageLayout::Orientation orientation;
    };

    std::function<bool(QPrinter&)> answer = [](QPrinter&) { return false; };
    std::vector<Opening> openings;

    bool choose(QPrinter& printer, QWidget*) override
    {
        openings.push_back({&printer, printer.printerState(), printer.pageLayout().orientation()});
        return answer(printer);
    }
};

// The user picks "print to PDF file" with an A4 page.
std::function<bool(QPrinter&)> toPdf(const QString& file,
                                     QPageLayout::Orientation orientation = QPageLayout::Portrait,
                                     const QPageSize& page = QPageSize(QPageSize::A4))
{
    return [=](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
        printer.setPageLayout(
            QPageLayout(page, orientation, QMarginsF(12, 10, 12, 10), QPageLayout::Millimeter));
        return true;
    };
}

struct Fixture {
    SharedPrinter shared;
    FakeChooser* chooser;
    DrawingPrinter printer;
    explicit Fixture(std::unique_ptr<FakeChooser> fake = std::make_unique<FakeChooser>())
        : chooser(fake.get()), printer(shared, std::move(fake))
    {
    }
};

// What the PrintError the command ended with carries, if there was one.
std::optional<PrintFailure> printFailure(DrawingPrinter& printer, StandInWindow& window)
{
    try {
        printer.print(window, StandInWindow::kPictureArea);
    } catch (const PrintError& error) {
        return error.failure();
    }
    return std::nullopt;
}

QString tool(const char* name)
{
    return QStandardPaths::findExecutable(QString::fromLatin1(name));
}

QImage rasterise(const QString& pdf, int dpi, const QString& prefix)
{
    QProcess run;
    run.start(tool("pdftoppm"), {"-r", QString::number(dpi), "-png", "-singlefile", pdf, prefix});
    if (!run.waitForFinished(60000) || run.exitCode() != 0)
        return {};
    return QImage(prefix + ".png");
}

// The text of the page, or of the part of it within `crop` (in points).
QString pdfText(const QString& pdf, const QRectF& crop = {})
{
    QStringList args{"-layout"};
    if (!crop.isNull()) {
        const QRect r = crop.toAlignedRect();
        args << "-r"
             << "72"
             << "-x" << QString::number(r.x()) << "-y" << QString::number(r.y()) << "-W"
             << QString::number(r.width()) << "-H" << QString::number(r.height());
    }
    QProcess run;
    run.start(tool("pdftotext"), args << pdf << "-");
    if (!run.waitForFinished(60000) || run.exitCode() != 0)
        return {};
    return QString::fromUtf8(run.readAllStandardOutput());
}

// Whether `text` holds the whole number `value`. A label may run on under a
// field (the field covers it), so the field's text can stand among the
// label's last letters.
bool holdsNumber(const QString& text, const QString& value)
{
    const QRegularExpression number(
        QStringLiteral("(?<![0-9,.])%1(?![0-9,.])").arg(QRegularExpression::escape(value)));
    return number.match(text).hasMatch();
}

bool fileHasContent(const QString& path)
{
    return QFileInfo(path).size() > 0;
}

}  // namespace

class DrawingPrinterTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void realDialogOpensAndCancels();
    void cancelSendsNothing();
    void pageHoldsThePicture_data();
    void pageHoldsThePicture();
    void printoutIsNamed();
    void printerAndSettingsStay();
    void errorsEndTheCommand_data();
    void errorsEndTheCommand();
    void printWhilePrintingIsRefused();
    void fullDiskKeepsTheOldFile();

private:
    std::optional<QTemporaryDir> dir_;
    QString path(const char* name) const { return dir_->filePath(QString::fromLatin1(name)); }
};

void DrawingPrinterTest::init()
{
    dir_.emplace();
    QVERIFY(dir_->isValid());
}

void DrawingPrinterTest::realDialogOpensAndCancels()
{
    StandInWindow window;
    SharedPrinter shared;
    DrawingPrinter printer(shared);  // Qt's print dialog
    struct Seen {
        QString name;
        QWidget* parent;
        QAbstractPrintDialog::PrintDialogOptions options;
        QAbstractPrintDialog::PrintRange range;
    };
    std::optional<Seen> seen;
    // The user cancels as soon as the dialog is up; should it not be found,
    // a later timer closes whatever modal window is open.
    QTimer::singleShot(0, &window, [&] {
        if (auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget())) {
            seen
                = Seen{dialog->objectName(), dialog->parentWidget(), dialog->options(), dialog->printRange()};
            dialog->reject();
        }
    });
    QTimer::singleShot(5000, &window, [] {
        if (QWidget* modal = QApplication::activeModalWidget())
            modal->close();
    });
    QCOMPARE(printFailure(printer, window), std::nullopt);
    QVERIFY(seen.has_value());
    QCOMPARE(seen->name, QString("PrintDialog1"));
    QCOMPARE(seen->parent, &window);
    // All pages only; the choice of printer, its settings and printing to a file stay.
    QCOMPARE(seen->options
                 & (QAbstractPrintDialog::PrintPageRange | QAbstractPrintDialog::PrintSelection
                    | QAbstractPrintDialog::PrintCurrentPage),
             QAbstractPrintDialog::PrintDialogOptions());
    QVERIFY(seen->options.testFlag(QAbstractPrintDialog::PrintToFile));
    QCOMPARE(seen->range, QAbstractPrintDialog::AllPages);
    QVERIFY(!printer.printing());
}

void DrawingPrinterTest::cancelSendsNothing()
{
    StandInWindow window;
    Fixture f;
    const QString pdf = path("page.pdf");
    f.chooser->answer = [&](QPrinter& printer) {
        toPdf(pdf)(printer);
        return false;
    };
    QCOMPARE(printFailure(f.printer, window), std::nullopt);
    QVERIFY(!QFile::exists(pdf));
    QVERIFY(!f.printer.printing());

    f.chooser->answer = toPdf(pdf);
    QCOMPARE(printFailure(f.printer, window), std::nullopt);
    QVERIFY(fileHasContent(pdf));
    QCOMPARE(f.chooser->openings.size(), size_t(2));
}

void DrawingPrinterTest::pageHoldsThePicture_data()
{
    QTest::addColumn<int>("orientation");
    QTest::addColumn<QSizeF>("pageMm");
    QTest::newRow("portrait A4") << int(QPageLayout::Portrait) << QSizeF(210, 297);
    QTest::newRow("landscape A4") << int(QPageLayout::Landscape) << QSizeF(210, 297);
    QTest::newRow("square page") << int(QPageLayout::Portrait) << QSizeF(150, 150);
    QTest::newRow("narrow landscape") << int(QPageLayout::Landscape) << QSizeF(140, 150);
}

void DrawingPrinterTest::pageHoldsThePicture()
{
    QFETCH(int, orientation);
    QFETCH(QSizeF, pageMm);
    if (tool("pdftoppm").isEmpty() || tool("pdftotext").isEmpty())
        QSKIP("poppler-utils are not installed");

    StandInWindow window;
    Fixture f;
    const QString pdf = path("page.pdf");
    QRect printable;
    int resolution = 0;
    f.chooser->answer = [&](QPrinter& printer) {
        toPdf(pdf, QPageLayout::Orientation(orientation), QPageSize(pageMm, QPageSize::Millimeter))(printer);
        printable = printer.pageRect(QPrinter::DevicePixel).toRect();
        resolution = printer.resolution();
        return true;
    };
    QCOMPARE(printFailure(f.printer, window), std::nullopt);
    QVERIFY(resolution >= 600);

    // Placed at the printable area's top-left corner at the computed size; the
    // page is read back at a lower resolution, so allow one pixel there.
    constexpr int dpi = 150;
    const double perPixel = double(resolution) / dpi;
    const QRect area = StandInWindow::kPictureArea;
    const PrintSize size = printSize(area.width(), area.height(), printable.width(), printable.height());
    QVERIFY(size.width <= printable.width() && size.height <= printable.height());
    const QRectF expected(printable.x() / perPixel, printable.y() / perPixel, size.width / perPixel,
                          size.height / perPixel);
    const QImage page = rasterise(pdf, dpi, path("page"));
    QVERIFY(!page.isNull());
    const QRect ink = inkBounds(page);
    QVERIFY2(
        std::abs(ink.left() - expected.left()) <= 1 && std::abs(ink.top() - expected.top()) <= 1
            && std::abs(ink.right() + 1 - expected.right()) <= 1
            && std::abs(ink.bottom() + 1 - expected.bottom()) <= 1,
        qPrintable(QString("ink %1,%2 %3x%4").arg(ink.x()).arg(ink.y()).arg(ink.width()).arg(ink.height())));

    // Text stays text: every value as the window shows it, the units note and
    // the thickness line; nothing of the notes strip; no raster images.
    const QString text = pdfText(pdf);
    const double toPoints = 72.0 / resolution;
    const double scaleX = double(size.width) / area.width(), scaleY = double(size.height) / area.height();
    for (const vintorp::calc::DrawingField& field : vintorp::calc::kDrawingFieldTable) {
        const QRect r = fieldRect(field);
        const QRectF box((printable.x() + r.x() * scaleX) * toPoints,
                         (printable.y() + r.y() * scaleY) * toPoints, r.width() * scaleX * toPoints,
                         r.height() * scaleY * toPoints);
        const QString shown = pdfText(pdf, box).trimmed();
        QVERIFY2(holdsNumber(shown, standInText(field)), qPrintable(fieldName(field) + ": " + shown));
    }
    QVERIFY(text.contains(QString::fromUtf8(kUnitsNote)));
    QVERIFY(text.contains(QString::fromUtf8(kThicknessLabel)));
    QVERIFY(!text.contains(QString::fromUtf8(kNotesTitle)));
    QVERIFY(!text.contains(QString::fromUtf8(kPrintCaption)));
    QFile file(pdf);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(!file.readAll().contains("/Subtype /Image"));
}

// The dialog shows the printout's name, the PDF takes it as its title, and
// the shared printer keeps its own name for later commands.
void DrawingPrinterTest::printoutIsNamed()
{
    if (tool("pdfinfo").isEmpty())
        QSKIP("poppler-utils are not installed");
    StandInWindow window;
    Fixture f;
    f.shared.get().setDocName(QStringLiteral("earlier"));
    QString shown;
    f.chooser->answer = [&](QPrinter& printer) {
        shown = printer.docName();
        return toPdf(path("named.pdf"))(printer);
    };
    QCOMPARE(printFailure(f.printer, window), std::nullopt);
    QCOMPARE(shown, QStringLiteral("Vintorp — чертёж каркаса"));
    QCOMPARE(f.shared.get().docName(), QStringLiteral("earlier"));
    QProcess info;
    info.start(tool("pdfinfo"), {path("named.pdf")});
    QVERIFY(info.waitForFinished(60000) && info.exitCode() == 0);
    const QRegularExpression title(QStringLiteral("^Title: +(.*)$"), QRegularExpression::MultilineOption);
    QCOMPARE(title.match(QString::fromUtf8(info.readAllStandardOutput())).captured(1), shown);
}

void DrawingPrinterTest::printerAndSettingsStay()
{
    StandInWindow window;
    Fixture f;
    f.chooser->answer = toPdf(path("first.pdf"), QPageLayout::Landscape);
    QCOMPARE(printFailure(f.printer, window), std::nullopt);

    // The second dialog opens on the same printer, as the user left it.
    f.chooser->answer = [&](QPrinter& printer) {
        printer.setOutputFileName(path("second.pdf"));
        return true;
    };
    QCOMPARE(printFailure(f.printer, window), std::nullopt);
    QCOMPARE(f.chooser->openings.size(), size_t(2));
    QCOMPARE(f.chooser->openings[1].printer, f.chooser->openings[0].printer);
    QCOMPARE(f.chooser->openings[1].orientation, QPageLayout::Landscape);
    QCOMPARE(f.chooser->openings[1].state, QPrinter::Idle);
    QVERIFY(fileHasContent(path("first.pdf")));
    QVERIFY(fileHasContent(path("second.pdf")));
}

// How the user leaves the dialog in errorsEndTheCommand. A printer without
// a file name goes to the system's default printer if there is one, so each
// answer ends on the PDF format: no step may reach a real printer.
enum class Answer { FileCleared, PrinterCleared, FileUnwritable };

void DrawingPrinterTest::errorsEndTheCommand_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("message");  // the argument
    QTest::newRow("PDF without a file")
        << int(Answer::FileCleared) << int(PrintErrorKind::NoDefaultPrinter) << QString();
    QTest::newRow("no printer, no file")
        << int(Answer::PrinterCleared) << int(PrintErrorKind::NoDefaultPrinter) << QString();
    QTest::newRow("file cannot be written")
        << int(Answer::FileUnwritable) << int(PrintErrorKind::OutputFailed)
        << QStringLiteral("Не удалось записать файл %1: No such file or directory");
}

void DrawingPrinterTest::errorsEndTheCommand()
{
    QFETCH(int, answer);
    QFETCH(int, kind);
    QFETCH(QString, message);

    StandInWindow window;
    Fixture f;
    const QString target
        = Answer(answer) == Answer::FileUnwritable ? path("missing/dir/page.pdf") : QString();
    f.chooser->answer = [&](QPrinter& printer) {
        toPdf(path("unused.pdf"))(printer);
        switch (Answer(answer)) {
        case Answer::FileCleared:
            printer.setOutputFileName(QString());
            printer.setOutputFormat(QPrinter::PdfFormat);
            break;
        case Answer::PrinterCleared:
            printer.setOutputFileName(QString());
            printer.setPrinterName(QString());
            break;
        case Answer::FileUnwritable: printer.setOutputFileName(target); break;
        }
        // Cancelled rather than printed, should Qt have chosen a printer (the
        // command then ends without the error the row expects).
        return printer.outputFormat() == QPrinter::PdfFormat;
    };
    const std::optional<PrintFailure> failure = printFailure(f.printer, window);
    QVERIFY(failure.has_value());
    QCOMPARE(int(failure->kind), kind);
    QCOMPARE(QString::fromStdString(failure->argument),
             message.contains(u"%1") ? message.arg(target) : message);
    QVERIFY(!f.printer.printing());
    QVERIFY(!QFile::exists(path("unused.pdf")));

    // Nothing stays held: the next print works on the same printer.
    f.chooser->answer = toPdf(path("next.pdf"));
    QCOMPARE(printFailure(f.printer, window), std::nullopt);
    QVERIFY(fileHasContent(path("next.pdf")));
    QVERIFY(f.chooser->openings.back().state != QPrinter::Active);
}

void DrawingPrinterTest::printWhilePrintingIsRefused()
{
    StandInWindow window;
    Fixture f;
    std::vector<std::optional<PrintFailure>> inner;
    bool printingSeen = false;
    f.chooser->answer = [&](QPrinter& printer) {
        // Once the page is being drawn, the drawing tries to print again.
        window.onDrawingPaint = [&] {
            printingSeen = f.printer.printing();
            inner.push_back(printFailure(f.printer, window));
        };
        return toPdf(path("page.pdf"))(printer);
    };
    QCOMPARE(printFailure(f.printer, window), std::nullopt);
    window.onDrawingPaint = nullptr;

    QVERIFY(printingSeen);
    QVERIFY(!inner.empty());
    for (const auto& failure : inner)
        QCOMPARE(failure, std::optional<PrintFailure>(PrintFailure{PrintErrorKind::PrintingInProgress, {}}));
    QCOMPARE(f.chooser->openings.size(), size_t(1));
    QVERIFY(fileHasContent(path("page.pdf")));
    QVERIFY(!f.printer.printing());

    f.chooser->answer = toPdf(path("again.pdf"));
    QCOMPARE(printFailure(f.printer, window), std::nullopt);
    QVERIFY(fileHasContent(path("again.pdf")));
}

void DrawingPrinterTest::fullDiskKeepsTheOldFile()
{
    const vintorp::testing::SmallDisk disk(12);
    if (!disk.mounted())
        QSKIP(disk.why().c_str());
    const QString file = QString::fromStdString(disk.file("drawing.pdf"));
    const QByteArray old(6000, 'o');
    {
        QFile existing(file);
        QVERIFY(existing.open(QIODevice::WriteOnly));
        QCOMPARE(existing.write(old), old.size());
    }
    StandInWindow window;
    Fixture f;
    f.chooser->answer = toPdf(file);
    const std::optional<PrintFailure> failure = printFailure(f.printer, window);
    QVERIFY(failure.has_value());
    QCOMPARE(failure->kind, PrintErrorKind::OutputFailed);
    QVERIFY2(QString::fromStdString(failure->argument).endsWith(u": No space left on device"),
             failure->argument.c_str());
    // The next dialog offers the same file again.
    QCOMPARE(f.chooser->openings.front().printer->outputFileName(), file);
    QFile existing(file);
    QVERIFY(existing.open(QIODevice::ReadOnly));
    QCOMPARE(existing.readAll(), old);
}

VINTORP_TEST_MAIN(DrawingPrinterTest, QApplication)
#include "tst_drawingprinter.moc"
