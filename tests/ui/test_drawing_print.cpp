// Print from the drawing window as the user does it: calculate, press
// «Печать», choose a PDF file. The page carries the window's values, drawn
// as vectors, and errors reach the general error report.
#include "calc/drawingfields.h"
#include "uitest.h"

#include <QFile>
#include <QLineEdit>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>
#include <memory>

using namespace vintorp::ui;

namespace {

// The user at the print dialog.
class ScriptedChooser final : public vintorp::print::PrinterChooser {
public:
    explicit ScriptedChooser(std::function<bool(QPrinter&)>& answer) : answer_(answer) { }
    bool choose(QPrinter& printer, QWidget*) override { return answer_(printer); }

private:
    std::function<bool(QPrinter&)>& answer_;
};

// Bounding box of the pixels that are not white.
QRect inkBounds(const QImage& page)
{
    const QImage grey = page.convertToFormat(QImage::Format_Grayscale8);
    QRect bounds;
    for (int y = 0; y < grey.height(); ++y) {
        const uchar* line = grey.constScanLine(y);
        for (int x = 0; x < grey.width(); ++x)
            if (line[x] < 255)
                bounds |= QRect(x, y, 1, 1);
    }
    return bounds;
}

QString runTool(const char* name, const QStringList& args)
{
    QProcess process;
    process.start(QStandardPaths::findExecutable(QString::fromLatin1(name)), args);
    process.waitForFinished();
    return QString::fromUtf8(process.readAllStandardOutput());
}

}  // namespace

class TestDrawingPrint : public QObject, ProgramWindowsFixture {
    Q_OBJECT

private:
    std::function<bool(QPrinter&)> answer_;
    QTemporaryDir dir_;

    QString pdf() const { return dir_.filePath(QStringLiteral("drawing.pdf")); }

    void calculateWorkedExample()
    {
        const QList<std::pair<const char*, const char*>> inputs
            = {{"ed_A", "20"}, {"ed_B", "25"}, {"ed_C", "10"}, {"ed_H", "30"}};
        for (const auto& [name, text] : inputs)
            form_->findChild<QLineEdit*>(name)->setText(QString::fromLatin1(text));
        QTest::mouseClick(form_->findChild<QPushButton*>("btShow"), Qt::LeftButton);
        QVERIFY(drawing_->isVisible());
    }

    void pressPrint() { QTest::mouseClick(drawing_->findChild<QPushButton*>("btPrint"), Qt::LeftButton); }

private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()
            || QStandardPaths::findExecutable(QStringLiteral("pdfimages")).isEmpty())
            QSKIP("poppler-utils are not installed");
    }

    void init()
    {
        answer_ = [this](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf());
            printer.setPageSize(QPageSize(QPageSize::A4));
            return true;
        };
        QVERIFY(openWindows(std::make_unique<ScriptedChooser>(answer_)));
        QFile::remove(pdf());
    }

    void cleanup() { closeWindows(); }

    void pageCarriesTheWindowsValuesAsVectors()
    {
        calculateWorkedExample();
        pressPrint();
        QVERIFY(QFile::exists(pdf()));

        // Each field's value as a word of its own on the page.
        const QString text = runTool("pdftotext", {pdf(), QStringLiteral("-")});
        const QStringList words = text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
        for (const vintorp::calc::DrawingField& field : vintorp::calc::kDrawingFieldTable) {
            const QString name = QString::fromLatin1(field.name.data(), qsizetype(field.name.size()));
            const QString value = drawing_->fieldText(name);
            QVERIFY2(value != QStringLiteral("0") && words.contains(value), qPrintable(name + ": " + value));
        }
        QVERIFY(text.contains(QStringLiteral("Все размеры в мм.")));
        QVERIFY(text.contains(QStringLiteral("Толщина материала")));
        QVERIFY(!text.contains(QStringLiteral("Примечание")));
        QVERIFY(!text.contains(QStringLiteral("Печать")));

        // The drawing reaches the page from its vector source, not as a bitmap.
        const QStringList images
            = runTool("pdfimages", {QStringLiteral("-list"), pdf()}).split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(images.size(), 2);  // the table's two header lines, no image rows
    }

    // After Calculate the focus is on «Печать»: Enter presses it, as Space does.
    void keysPressTheFocusedPrintButton_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("Return") << int(Qt::Key_Return) << int(Qt::NoModifier);
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier);
        QTest::newRow("Space") << int(Qt::Key_Space) << int(Qt::NoModifier);
    }

    void keysPressTheFocusedPrintButton()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        calculateWorkedExample();
        auto* print = drawing_->findChild<QPushButton*>("btPrint");
        QTRY_COMPARE(QApplication::focusWidget(), print);
        int asked = 0;
        answer_ = [&asked](QPrinter&) {
            ++asked;
            return false;
        };
        QTest::keyClick(print, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(asked, 1);
        QVERIFY(modals_->seen().isEmpty());
    }

    void cancelPrintsNothingAndTheNextPrintWorks()
    {
        calculateWorkedExample();
        answer_ = [](QPrinter&) { return false; };
        pressPrint();
        QVERIFY(!QFile::exists(pdf()));
        answer_ = [this](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf());
            return true;
        };
        pressPrint();
        QVERIFY(QFile::exists(pdf()));
    }

    // Nothing outside the picture area reaches the page: rendered without
    // anti-aliasing, every pixel column and row just outside the picture is
    // white, while the picture's own frame lines stand just inside.
    void nothingOutsideThePictureReachesThePage()
    {
        constexpr int dpi = 300;
        QRectF picture;  // in rendered pixels
        answer_ = [&](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf());
            printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                              QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
            const QRectF area = printer.pageLayout().paintRectPoints();
            const qreal scale = dpi / 72.0;
            picture = QRectF(area.x() * scale, area.y() * scale, area.width() * scale,
                             area.width() * scale * 400 / 457);
            return true;
        };
        calculateWorkedExample();
        pressPrint();
        QVERIFY(modals_->seen().isEmpty());

        QProcess render;
        render.start(QStandardPaths::findExecutable(QStringLiteral("pdftoppm")),
                     {"-r", QString::number(dpi), "-aa", "no", "-aaVector", "no", "-gray", "-singlefile",
                      pdf(), dir_.filePath(QStringLiteral("page"))});
        QVERIFY(render.waitForFinished(60000) && render.exitCode() == 0);
        const QImage page(dir_.filePath(QStringLiteral("page.pgm")));
        QVERIFY(!page.isNull());
        // Every inked pixel has its centre within the picture.
        const QRectF ink = QRectF(inkBounds(page)).translated(0.5, 0.5).adjusted(0, 0, -1, -1);
        QVERIFY(!ink.isEmpty());
        QVERIFY2(picture.contains(ink), qPrintable(QStringLiteral("ink from (%1, %2) to (%3, %4)")
                                                       .arg(ink.left())
                                                       .arg(ink.top())
                                                       .arg(ink.right())
                                                       .arg(ink.bottom())));
    }

    void printerErrorReachesTheReport()
    {
        calculateWorkedExample();
        answer_ = [](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(QStringLiteral("/nonexistent-folder/drawing.pdf"));
            return true;
        };
        modals_->expectBoxes(1);
        pressPrint();
        QTRY_COMPARE(modals_->seen().size(), 1);
        // The PDF file cannot be written: the report says which and why.
        QCOMPARE(modals_->seen().first().text,
                 QStringLiteral(
                     "Не удалось записать файл /nonexistent-folder/drawing.pdf: No such file or directory."));
        QCOMPARE(modals_->seen().first().icon, QMessageBox::Critical);
        QVERIFY(drawing_->isVisible());
    }
};

VINTORP_UI_TEST_MAIN(TestDrawingPrint)

#include "test_drawing_print.moc"
