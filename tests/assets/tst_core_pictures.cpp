// Checks of the two core pictures of the input window.
#include "headless.h"
#include <QGuiApplication>
#include "assets/artwork.h"
#include "pixels.h"

#include <QPainter>
#include <QResource>
#include <QSvgRenderer>
#include <QTest>

using pixels::grey;

namespace {

enum class Core { E, U };

QImage picture(Core core, qreal ratio = 1.0)
{
    return core == Core::E ? vintorp::art::eCorePicture(ratio) : vintorp::art::uCorePicture(ratio);
}

QRect box(int x0, int y0, int x1, int y1)
{
    return QRect(QPoint(x0, y0), QPoint(x1, y1));
}

struct Range {
    int low, high;
};

}  // namespace

Q_DECLARE_METATYPE(Core)
Q_DECLARE_METATYPE(Range)

class TestCorePictures : public QObject {
    Q_OBJECT

private slots:
    void sizes_data()
    {
        QTest::addColumn<Core>("core");
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<QSize>("device");
        QTest::newRow("E 1x") << Core::E << 1.0 << QSize(150, 133);
        QTest::newRow("E 2x") << Core::E << 2.0 << QSize(300, 266);
        QTest::newRow("E 1.5x") << Core::E << 1.5 << QSize(225, 200);
        QTest::newRow("U 1x") << Core::U << 1.0 << QSize(150, 135);
        QTest::newRow("U 2x") << Core::U << 2.0 << QSize(300, 270);
        QTest::newRow("U 1.5x") << Core::U << 1.5 << QSize(225, 203);
    }
    void sizes()
    {
        QFETCH(Core, core);
        QFETCH(qreal, ratio);
        QFETCH(QSize, device);
        const QImage image = picture(core, ratio);
        QCOMPARE(image.size(), device);
        QCOMPARE(image.devicePixelRatio(), ratio);
        QVERIFY(!image.hasAlphaChannel());
    }

    // Centred in the 151 x 137 picture box: the picture's rows and columns,
    // and the box's background around them.
    void placementInBox_data()
    {
        QTest::addColumn<Core>("core");
        QTest::addColumn<QPoint>("offset");
        QTest::addColumn<QRect>("pictureArea");
        QTest::newRow("E") << Core::E << QPoint(0, 2) << box(0, 2, 149, 134);
        QTest::newRow("U") << Core::U << QPoint(0, 1) << box(0, 1, 149, 135);
    }
    void placementInBox()
    {
        QFETCH(Core, core);
        QFETCH(QPoint, offset);
        QFETCH(QRect, pictureArea);
        const QImage image = picture(core);
        QCOMPARE(vintorp::art::centredOffset(vintorp::art::kCorePictureBoxSize, image.size()), offset);

        const QRgb background = qRgb(212, 208, 200);
        QImage boxImage(vintorp::art::kCorePictureBoxSize, QImage::Format_RGB32);
        boxImage.fill(background);
        {
            QPainter painter(&boxImage);
            painter.drawImage(offset, image);
        }
        for (int y = 0; y < boxImage.height(); ++y) {
            for (int x = 0; x < boxImage.width(); ++x) {
                const QRgb expected
                    = pictureArea.contains(x, y) ? image.pixel(x - offset.x(), y - offset.y()) : background;
                if (boxImage.pixel(x, y) != expected)
                    QFAIL(qPrintable(QStringLiteral("box pixel (%1, %2)").arg(x).arg(y)));
            }
        }
    }

    void centredOffset_data()
    {
        QTest::addColumn<QSize>("boxSize");
        QTest::addColumn<QSize>("pictureSize");
        QTest::addColumn<QPoint>("offset");
        QTest::newRow("same size") << QSize(10, 10) << QSize(10, 10) << QPoint(0, 0);
        QTest::newRow("odd spare pixel goes right and down") << QSize(11, 13) << QSize(8, 8) << QPoint(1, 2);
        QTest::newRow("even spare") << QSize(20, 30) << QSize(10, 10) << QPoint(5, 10);
    }
    void centredOffset()
    {
        QFETCH(QSize, boxSize);
        QFETCH(QSize, pictureSize);
        QFETCH(QPoint, offset);
        QCOMPARE(vintorp::art::centredOffset(boxSize, pictureSize), offset);
    }

    // Colours at chosen points: the frame, the grey face, the white windows
    // and strip, the light dimension lines on white and on the face.
    void colours_data()
    {
        QTest::addColumn<Core>("core");
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<int>("tolerance");
        const QColor frameTopLeft(247, 246, 239), frameRight(250, 249, 245), frameBottom(251, 250, 246);
        const QColor face(192, 192, 192), white(255, 255, 255);
        QTest::newRow("E frame top") << Core::E << QPoint(75, 0) << frameTopLeft << 2;
        QTest::newRow("E frame left") << Core::E << QPoint(0, 66) << frameTopLeft << 2;
        QTest::newRow("E frame right") << Core::E << QPoint(149, 66) << frameRight << 2;
        QTest::newRow("E frame bottom") << Core::E << QPoint(75, 132) << frameBottom << 2;
        QTest::newRow("U frame top") << Core::U << QPoint(75, 0) << frameTopLeft << 2;
        QTest::newRow("U frame left") << Core::U << QPoint(0, 66) << frameTopLeft << 2;
        QTest::newRow("U frame right") << Core::U << QPoint(149, 66) << frameRight << 2;
        QTest::newRow("U frame bottom") << Core::U << QPoint(75, 134) << frameBottom << 2;
        QTest::newRow("E face, left band") << Core::E << QPoint(28, 40) << face << 0;
        QTest::newRow("E face, middle limb") << Core::E << QPoint(72, 40) << face << 0;
        QTest::newRow("E face, right band") << Core::E << QPoint(127, 40) << face << 0;
        QTest::newRow("E face, bottom band") << Core::E << QPoint(100, 100) << face << 0;
        QTest::newRow("U face, left limb") << Core::U << QPoint(35, 45) << face << 0;
        QTest::newRow("U face, right limb") << Core::U << QPoint(106, 45) << face << 0;
        QTest::newRow("U face, top band") << Core::U << QPoint(70, 20) << face << 0;
        QTest::newRow("U face, bottom band") << Core::U << QPoint(70, 105) << face << 0;
        QTest::newRow("E left window") << Core::E << QPoint(52, 62) << white << 0;
        QTest::newRow("E right window") << Core::E << QPoint(108, 62) << white << 0;
        QTest::newRow("U window") << Core::U << QPoint(75, 70) << white << 0;
        QTest::newRow("E strip above the front face") << Core::E << QPoint(60, 9) << white << 0;
        QTest::newRow("E strip right of the front face") << Core::E << QPoint(136, 40) << white << 0;
        QTest::newRow("U strip above the front face") << Core::U << QPoint(80, 8) << white << 0;
        QTest::newRow("U strip right of the front face") << Core::U << QPoint(122, 40) << white << 0;
    }
    void colours()
    {
        QFETCH(Core, core);
        QFETCH(QPoint, at);
        QFETCH(QColor, colour);
        QFETCH(int, tolerance);
        const QColor found = picture(core).pixelColor(at);
        QVERIFY2(std::abs(found.red() - colour.red()) <= tolerance
                     && std::abs(found.green() - colour.green()) <= tolerance
                     && std::abs(found.blue() - colour.blue()) <= tolerance,
                 qPrintable(found.name()));
    }

    void greyLevels_data()
    {
        QTest::addColumn<Core>("core");
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<Range>("level");
        const Range onWhite{220, 235}, onFace{150, 182}, outline{40, 150};
        QTest::newRow("E H line") << Core::E << QPoint(12, 60) << onWhite;
        QTest::newRow("E C line") << Core::E << QPoint(50, 116) << onWhite;
        QTest::newRow("E A line") << Core::E << QPoint(78, 116) << onWhite;
        QTest::newRow("E C extension on the face") << Core::E << QPoint(35, 100) << onFace;
        QTest::newRow("E A extension on the face") << Core::E << QPoint(89, 100) << onFace;
        QTest::newRow("E H extension on the face") << Core::E << QPoint(28, 89) << onFace;
        QTest::newRow("U H line") << Core::U << QPoint(16, 60) << onWhite;
        QTest::newRow("U C line") << Core::U << QPoint(70, 122) << onWhite;
        QTest::newRow("U A extension") << Core::U << QPoint(25, 110) << onWhite;
        QTest::newRow("U C extension on the face") << Core::U << QPoint(96, 105) << onFace;
        QTest::newRow("U H extension on the face") << Core::U << QPoint(35, 31) << onFace;
        QTest::newRow("E back face top edge") << Core::E << QPoint(55, 6) << outline;
        QTest::newRow("E back face right edge") << Core::E << QPoint(139, 50) << outline;
        QTest::newRow("E front left edge") << Core::E << QPoint(23, 45) << outline;
        QTest::newRow("E rings' common edge") << Core::E << QPoint(78, 45) << outline;
        QTest::newRow("E joint line, middle limb") << Core::E << QPoint(78, 60) << outline;
        QTest::newRow("E joint line, right band") << Core::E << QPoint(126, 59) << outline;
        QTest::newRow("E inner edge, left window") << Core::E << QPoint(41, 60) << outline;
        QTest::newRow("E inner edge, right window bottom") << Core::E << QPoint(108, 81) << outline;
        QTest::newRow("U back face top edge") << Core::U << QPoint(80, 5) << outline;
        QTest::newRow("U back face right edge") << Core::U << QPoint(127, 50) << Range{150, 180};
        QTest::newRow("U front right edge") << Core::U << QPoint(116, 50) << outline;
        QTest::newRow("U joint line, left limb") << Core::U << QPoint(35, 62) << outline;
        QTest::newRow("U joint line, right limb") << Core::U << QPoint(106, 62) << outline;
        QTest::newRow("U inner edge, window") << Core::U << QPoint(56, 60) << outline;
        QTest::newRow("U inner edge, window bottom") << Core::U << QPoint(75, 86) << outline;
    }
    void greyLevels()
    {
        QFETCH(Core, core);
        QFETCH(QPoint, at);
        QFETCH(Range, level);
        const int v = grey(picture(core), at.x(), at.y());
        QVERIFY2(v >= level.low && v <= level.high, qPrintable(QString::number(v)));
    }

    // Letters and arrowheads: black marks within their places.
    void blackMarks_data()
    {
        QTest::addColumn<Core>("core");
        QTest::addColumn<QRect>("place");
        QTest::addColumn<int>("minimumBlack");
        QTest::addColumn<QRect>("surroundings");  // null: three pixels around the place
        QTest::newRow("E letter H") << Core::E << box(3, 58, 7, 63) << 12 << QRect();
        QTest::newRow("E letter C") << Core::E << box(48, 123, 53, 129) << 12 << QRect();
        QTest::newRow("E letter A") << Core::E << box(73, 123, 78, 129) << 12 << QRect();
        QTest::newRow("E letter B") << Core::E << box(107, 124, 112, 129) << 12 << QRect();
        QTest::newRow("U letter H") << Core::U << box(8, 61, 12, 66) << 12 << QRect();
        QTest::newRow("U letter A") << Core::U << box(31, 124, 37, 131) << 12 << box(30, 121, 38, 134);
        QTest::newRow("U letter C") << Core::U << box(69, 124, 76, 131) << 12 << QRect();
        QTest::newRow("U letter B") << Core::U << box(102, 124, 108, 130) << 12 << QRect();
        QTest::newRow("E H arrowhead top") << Core::E << box(10, 31, 14, 35) << 3 << QRect();
        QTest::newRow("E H arrowhead bottom") << Core::E << box(10, 85, 14, 89) << 3 << QRect();
        QTest::newRow("E C arrowhead left") << Core::E << box(36, 114, 40, 118) << 3 << QRect();
        QTest::newRow("E A arrowhead right") << Core::E << box(84, 114, 88, 118) << 3 << QRect();
        QTest::newRow("E B arrowhead upper") << Core::E << box(140, 96, 143, 100) << 3 << QRect();
        QTest::newRow("E B arrowhead lower") << Core::E << box(128, 110, 132, 114) << 3 << QRect();
        QTest::newRow("U H arrowhead top") << Core::U << box(14, 33, 18, 37) << 3 << QRect();
        QTest::newRow("U A arrowhead left") << Core::U << box(26, 120, 30, 124) << 3 << box(23, 117, 30, 127);
        QTest::newRow("U C arrowhead right") << Core::U << box(91, 120, 95, 124) << 3 << QRect();
        QTest::newRow("U B arrowhead upper") << Core::U << box(123, 108, 127, 111) << 3 << QRect();
        QTest::newRow("U B arrowhead lower")
            << Core::U << box(117, 113, 121, 117) << 3 << box(114, 112, 121, 120);
    }
    void blackMarks()
    {
        QFETCH(Core, core);
        QFETCH(QRect, place);
        QFETCH(int, minimumBlack);
        QFETCH(QRect, surroundings);
        const QImage image = picture(core);
        const int black = pixels::countIf(image, place, [](QRgb c) { return qGray(c) < 80; });
        QVERIFY2(black >= minimumBlack, qPrintable(QString::number(black)));
        // Nothing dark spills more than a pixel beyond the place.
        if (surroundings.isNull())
            surroundings = place.adjusted(-3, -3, 3, 3);
        const QRect dark = pixels::darkBox(image, surroundings, 80);
        QVERIFY2(place.adjusted(-1, -1, 1, 1).contains(dark), qPrintable(QStringLiteral("%1,%2 %3x%4")
                                                                             .arg(dark.x())
                                                                             .arg(dark.y())
                                                                             .arg(dark.width())
                                                                             .arg(dark.height())));
    }

    // The build renders the E core for 1x and 2x screens. What it made is
    // the source drawn now, pixel for pixel, and it is what the program shows.
    void prerenderedECore_data()
    {
        QTest::addColumn<int>("ratio");
        QTest::newRow("1x") << 1;
        QTest::newRow("2x") << 2;
    }
    void prerenderedECore()
    {
        QFETCH(int, ratio);
        const QString file = QStringLiteral(":/vintorp/e-core@%1x.rgb").arg(ratio);
        const QByteArray rows = QResource(file).uncompressedData();
        const QSize device = vintorp::art::kECorePictureSize * ratio;
        QCOMPARE(rows.size(), qsizetype(device.width()) * device.height() * 3);
        const QImage built = QImage(reinterpret_cast<const uchar*>(rows.constData()), device.width(),
                                    device.height(), device.width() * 3, QImage::Format_RGB888)
                                 .convertToFormat(QImage::Format_RGB32);

        QImage drawn(device, QImage::Format_RGB32);
        drawn.fill(Qt::white);
        {
            QPainter painter(&drawn);
            QSvgRenderer(QStringLiteral(":/vintorp/e-core.svg")).render(&painter, QRectF(drawn.rect()));
        }
        QCOMPARE(built, drawn);

        QImage shown = picture(Core::E, ratio);
        QCOMPARE(shown.devicePixelRatio(), qreal(ratio));
        shown.setDevicePixelRatio(1);
        QCOMPARE(shown, drawn);
    }

    // At twice the density the outline is drawn anew, not enlarged: the
    // grey face meets the white window within two device pixels.
    void sharpAtTwiceTheDensity()
    {
        const QImage image = picture(Core::E, 2.0);
        const int y = 2 * 62;
        // Left window's left edge at logical x 34: face left of it, white right of it.
        QCOMPARE(grey(image, 2 * 33, y), 192);
        QCOMPARE(grey(image, 2 * 35 + 1, y), 255);
        QVERIFY(grey(image, 2 * 34, y) < 120);
        QVERIFY(grey(image, 2 * 34 + 1, y) < 120);
    }
};

VINTORP_TEST_MAIN(TestCorePictures, QGuiApplication)
#include "tst_core_pictures.moc"
