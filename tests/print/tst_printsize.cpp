// Size of the picture on the page for a given printable area.
#include "print/printsize.h"

#include <QTest>

#include <stdexcept>

using vintorp::print::PrintSize;
using vintorp::print::printSize;

class PrintSizeTest : public QObject {
    Q_OBJECT

private slots:
    void scalesToPage_data();
    void scalesToPage();
    void rejectsEmptySizes_data();
    void rejectsEmptySizes();
};

void PrintSizeTest::scalesToPage_data()
{
    QTest::addColumn<int>("w");
    QTest::addColumn<int>("h");
    QTest::addColumn<int>("pageWidth");
    QTest::addColumn<int>("pageHeight");
    QTest::addColumn<qint64>("width");
    QTest::addColumn<qint64>("height");

    // The drawing's picture area (457 x 400) on common printable areas.
    QTest::newRow("portrait: full width") << 457 << 400 << 4800 << 6600 << qint64(4800) << qint64(4201);
    QTest::newRow("landscape: full height") << 457 << 400 << 6600 << 4800 << qint64(5484) << qint64(4800);
    QTest::newRow("landscape A4 at 600 dpi") << 457 << 400 << 7016 << 4960 << qint64(5667) << qint64(4960);
    QTest::newRow("exact half goes to even 4798")
        << 457 << 400 << 5000 << 4200 << qint64(4798) << qint64(4200);
    QTest::newRow("landscape exactly as wide as needed")
        << 457 << 400 << 4798 << 4200 << qint64(4798) << qint64(4200);

    // Areas narrower than the picture: the whole picture stays on the page.
    QTest::newRow("square area: full width") << 457 << 400 << 4200 << 4200 << qint64(4200) << qint64(3676);
    QTest::newRow("one pixel too narrow") << 457 << 400 << 4797 << 4200 << qint64(4797) << qint64(4199);
    QTest::newRow("narrow landscape") << 457 << 400 << 4500 << 4200 << qint64(4500) << qint64(3939);
    QTest::newRow("tall picture, short portrait area")
        << 400 << 457 << 4800 << 5000 << qint64(4376) << qint64(5000);
    QTest::newRow("tall picture, roomy portrait area")
        << 400 << 457 << 4800 << 6000 << qint64(4800) << qint64(5484);

    // Ties in either direction, and the identity.
    QTest::newRow("2.5 rounds down to 2") << 1 << 2 << 10 << 5 << qint64(2) << qint64(5);
    QTest::newRow("3.5 rounds up to 4") << 1 << 2 << 10 << 7 << qint64(4) << qint64(7);
    QTest::newRow("portrait 4.5 rounds down to 4") << 4 << 3 << 6 << 10 << qint64(6) << qint64(4);
    QTest::newRow("portrait 5.5 rounds up to 6") << 2 << 1 << 11 << 20 << qint64(11) << qint64(6);
    QTest::newRow("screen size stays") << 457 << 400 << 457 << 400 << qint64(457) << qint64(400);
}

void PrintSizeTest::scalesToPage()
{
    QFETCH(int, w);
    QFETCH(int, h);
    QFETCH(int, pageWidth);
    QFETCH(int, pageHeight);
    QFETCH(qint64, width);
    QFETCH(qint64, height);

    const PrintSize size = printSize(w, h, pageWidth, pageHeight);
    QCOMPARE(size.width, width);
    QCOMPARE(size.height, height);
    QVERIFY(size.width <= pageWidth);
    QVERIFY(size.height <= pageHeight);
}

void PrintSizeTest::rejectsEmptySizes_data()
{
    QTest::addColumn<int>("w");
    QTest::addColumn<int>("h");
    QTest::addColumn<int>("pageWidth");
    QTest::addColumn<int>("pageHeight");

    QTest::newRow("no picture width") << 0 << 400 << 4800 << 6600;
    QTest::newRow("no picture height") << 457 << 0 << 6600 << 4800;
    QTest::newRow("negative picture height") << 457 << -5 << 4800 << 6600;
    QTest::newRow("no page width") << 457 << 400 << 0 << 6600;
    QTest::newRow("no page height") << 457 << 400 << 6600 << 0;
}

void PrintSizeTest::rejectsEmptySizes()
{
    QFETCH(int, w);
    QFETCH(int, h);
    QFETCH(int, pageWidth);
    QFETCH(int, pageHeight);

    bool thrown = false;
    try {
        printSize(w, h, pageWidth, pageHeight);
    } catch (const std::invalid_argument&) {
        thrown = true;
    }
    QVERIFY(thrown);
}

QTEST_APPLESS_MAIN(PrintSizeTest)
#include "tst_printsize.moc"
