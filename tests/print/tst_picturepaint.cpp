// The picture area rendered onto an image: place, size, what is left out.
#include "headless.h"
#include <QApplication>
#include "imagecheck.h"
#include "print/picturepaint.h"
#include "standinwindow.h"

#include <QLineEdit>
#include <QPainter>
#include <QTest>

using namespace vintorp::print;
using namespace vintorp::print::testing;

namespace {

constexpr int kMargin = 30;

// Paints `area` of the window at `size`, kMargin pixels in from the top-left
// corner of a white image with kMargin to spare on every side.
QImage paintOnImage(QWidget& window, const QRect& area, PrintSize size)
{
    QImage image(int(size.width) + 2 * kMargin, int(size.height) + 2 * kMargin, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.translate(kMargin, kMargin);
    paintPicture(painter, window, area, size);
    return image;
}

// The stand-in's picture area, as the drawing window hands it to the printout.
QImage paintOnImage(StandInWindow& window, PrintSize size)
{
    return paintOnImage(window, StandInWindow::kPictureArea, size);
}

// Where a rectangle of the window lands in the image for a given size.
QRect onImage(const QRect& r, PrintSize size)
{
    const QRect area = StandInWindow::kPictureArea;
    const double sx = double(size.width) / area.width(), sy = double(size.height) / area.height();
    return QRectF(kMargin + r.x() * sx, kMargin + r.y() * sy, r.width() * sx, r.height() * sy)
        .toAlignedRect();
}

// A white window with one horizontal line across it at y = 20, drawn with
// the given pen under the given painter scale.
class LineWindow : public QWidget {
public:
    LineWindow(QPen pen, qreal scale) : pen_(pen), scale_(scale) { resize(100, 40); }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        painter.scale(scale_, scale_);
        painter.setPen(pen_);
        painter.drawLine(QPointF(0, 20.5 / scale_), QPointF(100 / scale_, 20.5 / scale_));
    }

private:
    QPen pen_;
    qreal scale_;
};

}  // namespace

class PicturePaintTest : public QObject {
    Q_OBJECT

private slots:
    void fillsExactlyTheSize_data();
    void fillsExactlyTheSize();
    void showsEveryFieldText();
    void sameAsTheWindowAtScreenSize();
    void coveringWindowIsNotPrinted();
    void offScreenWindowPrintsWhole();
    void windowIsLeftAsItWas();
    void linesKeepTheirScreenWidth_data();
    void linesKeepTheirScreenWidth();
};

void PicturePaintTest::fillsExactlyTheSize_data()
{
    QTest::addColumn<qint64>("width");
    QTest::addColumn<qint64>("height");
    QTest::newRow("screen size") << qint64(457) << qint64(400);
    QTest::newRow("portrait page") << qint64(2000) << qint64(1751);
    QTest::newRow("landscape page") << qint64(1371) << qint64(1200);
    QTest::newRow("uneven scale") << qint64(700) << qint64(1300);
    QTest::newRow("smaller than screen") << qint64(229) << qint64(200);
}

void PicturePaintTest::fillsExactlyTheSize()
{
    QFETCH(qint64, width);
    QFETCH(qint64, height);
    StandInWindow window;
    const PrintSize size{width, height};
    const QImage image = paintOnImage(window, size);

    // The drawing reaches past the picture area on every side but the right;
    // exactly the picture area shows, down to the pixel.
    QCOMPARE(inkBounds(image), QRect(kMargin, kMargin, int(width), int(height)));
    QCOMPARE(QColor(image.pixel(kMargin, kMargin)), kDrawingFill);
    QCOMPARE(QColor(image.pixel(kMargin + int(width) - 1, kMargin + int(height) - 1)), kDrawingFill);
}

void PicturePaintTest::showsEveryFieldText()
{
    StandInWindow window;
    const PrintSize size{1828, 1600};
    const QImage image = paintOnImage(window, size);
    for (const vintorp::calc::DrawingField& field : vintorp::calc::kDrawingFieldTable) {
        const QRect box = onImage(fieldRect(field), size);
        const QByteArray name = fieldName(field).toLatin1();
        // Text on a white field, not the drawing's colour.
        QVERIFY2(countDark(image, box) > 20, name.constData());
        QVERIFY2(countNear(image, box.adjusted(4, 4, -4, -4), kDrawingFill) == 0, name.constData());
    }
    // The button sits in the notes strip: no trace of its face anywhere.
    QCOMPARE(inkBounds(image).bottom(), kMargin + 1600 - 1);
}

void PicturePaintTest::sameAsTheWindowAtScreenSize()
{
    StandInWindow window;
    const QRect area = StandInWindow::kPictureArea;
    const QImage printed
        = paintOnImage(window, {area.width(), area.height()}).copy(area.translated(kMargin, kMargin));
    const QImage shown = window.grab(area).toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(printed.size(), shown.size());
    int differing = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            if (printed.pixel(x, y) != shown.pixel(x, y))
                ++differing;
    QCOMPARE(differing, 0);
}

void PicturePaintTest::coveringWindowIsNotPrinted()
{
    StandInWindow window;
    window.move(100, 100);
    window.show();
    QWidget cover;
    cover.setWindowFlag(Qt::WindowStaysOnTopHint);
    cover.setAutoFillBackground(true);
    QPalette palette = cover.palette();
    palette.setColor(QPalette::Window, Qt::red);
    cover.setPalette(palette);
    cover.setGeometry(window.geometry());
    cover.show();
    cover.raise();
    QVERIFY(QTest::qWaitForWindowExposed(&cover));

    const QImage image = paintOnImage(window, {914, 800});
    QCOMPARE(countNear(image, image.rect(), Qt::red), 0);
    QVERIFY(countNear(image, image.rect(), kDrawingFill) > 914 * 800 / 2);
}

void PicturePaintTest::offScreenWindowPrintsWhole()
{
    StandInWindow shown;
    shown.move(100, 100);
    shown.show();
    StandInWindow moved;
    moved.move(-400, -300);
    moved.show();
    QVERIFY(QTest::qWaitForWindowExposed(&shown));
    QCOMPARE(paintOnImage(moved, {914, 800}), paintOnImage(shown, {914, 800}));
}

void PicturePaintTest::windowIsLeftAsItWas()
{
    StandInWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto* field = window.findChild<QLineEdit*>("Edit7");
    QVERIFY(field);
    field->setFocus();
    field->selectAll();
    const QImage before = window.grab().toImage();
    paintOnImage(window, {1371, 1200});
    QCOMPARE(window.grab().toImage(), before);
    QCOMPARE(field->selectedText(), field->text());
}

void PicturePaintTest::linesKeepTheirScreenWidth_data()
{
    QTest::addColumn<QPen>("pen");
    QTest::addColumn<qreal>("scale");
    QTest::addColumn<int>("screenWidth");
    QTest::newRow("hairline") << QPen(Qt::black, 0) << qreal(1) << 1;
    QTest::newRow("one pixel") << QPen(Qt::black, 1) << qreal(1) << 1;
    QTest::newRow("three pixels") << QPen(Qt::black, 3) << qreal(1) << 3;
    QPen cosmetic(Qt::black, 2);
    cosmetic.setCosmetic(true);
    QTest::newRow("cosmetic two pixels") << cosmetic << qreal(1) << 2;
    QTest::newRow("cosmetic two pixels, scaled painter") << cosmetic << qreal(2) << 2;
    QTest::newRow("two units, scaled painter") << QPen(Qt::black, 1) << qreal(2) << 2;
}

void PicturePaintTest::linesKeepTheirScreenWidth()
{
    QFETCH(QPen, pen);
    QFETCH(qreal, scale);
    QFETCH(int, screenWidth);
    LineWindow window(pen, scale);
    constexpr int zoom = 8;
    const QImage image = paintOnImage(window, window.rect(), {100 * zoom, 40 * zoom});
    const int dark = countDark(image, QRect(kMargin + 50 * zoom, 0, 1, image.height()));
    QVERIFY2(std::abs(dark - screenWidth * zoom) <= 1, qPrintable(QString::number(dark)));
}

VINTORP_TEST_MAIN(PicturePaintTest, QApplication)
#include "tst_picturepaint.moc"
