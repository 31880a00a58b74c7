// Pixel checks of the bobbin drawing at 96 dpi: the fields of the drawing
// window must sit on their dimension lines, and nothing else may lie under them.
#include "headless.h"
#include <QGuiApplication>
#include "assets/artwork.h"
#include "calc/drawingfields.h"
#include "pixels.h"

#include <QPainter>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <string_view>

namespace field = vintorp::calc::field;
using pixels::darkBox;
using pixels::grey;

namespace {

constexpr int kLineGrey = 140;
constexpr int kArrowThreshold = 130;  // darker than the grey of the lines
// The drawing's pixel (0, 0) lies at client (-1, -2) of the drawing window.
constexpr QPoint kClientToPicture{1, 2};

QRect box(int x0, int y0, int x1, int y1)
{
    return QRect(QPoint(x0, y0), QPoint(x1, y1));
}

// The dimension line under each field of the drawing's field table.
struct Dimension {
    std::string_view field;
    Qt::Orientation orientation;  // of the dimension line
    int lineFrom, lineTo;  // its rows (horizontal) or columns (vertical)
    QRect arrowFirst, arrowSecond;  // left/top and right/bottom arrowhead
    QList<QRect> extensionLines;
};

const QList<Dimension>& dimensions()
{
    static const QList<Dimension> table = {
        {field::CheekWidth,
         Qt::Horizontal,
         23,
         24,
         box(85, 21, 92, 26),
         box(190, 21, 197, 26),
         {box(83, 20, 83, 68), box(199, 20, 200, 71)}},
        {field::CheekWindowWidth,
         Qt::Horizontal,
         39,
         39,
         box(115, 37, 123, 41),
         box(161, 37, 168, 41),
         {box(113, 35, 114, 91), box(170, 35, 170, 91)}},
        {field::CheekHeight,
         Qt::Vertical,
         36,
         36,
         box(33, 61, 38, 68),
         box(33, 195, 38, 203),
         {box(31, 59, 92, 59), box(31, 204, 94, 205)}},
        {field::CheekWindowHeight,
         Qt::Vertical,
         59,
         59,
         box(57, 94, 61, 102),
         box(57, 165, 61, 172),
         {box(54, 92, 113, 93), box(53, 174, 113, 174)}},
        {field::TabbedWallHeight,
         Qt::Vertical,
         36,
         36,
         box(34, 228, 38, 237),
         box(34, 342, 38, 350),
         {box(31, 227, 95, 228), box(31, 351, 94, 352)}},
        {field::TabbedWallBetweenTabs,
         Qt::Vertical,
         59,
         59,
         box(57, 235, 61, 243),
         box(57, 338, 61, 345),
         {box(54, 233, 99, 234), box(54, 347, 93, 347)}},
        {field::TabbedWallMiddleHeight,
         Qt::Vertical,
         77,
         78,
         box(75, 268, 80, 275),
         box(75, 303, 80, 310),
         {box(75, 266, 94, 267), box(75, 312, 93, 312)}},
        {field::PlainWallHeight,
         Qt::Vertical,
         434,
         435,
         box(432, 234, 437, 242),
         box(432, 337, 437, 344),
         {box(409, 232, 438, 233), box(409, 346, 438, 346)}},
        {field::PlainWallMiddleHeight,
         Qt::Vertical,
         421,
         421,
         box(419, 269, 423, 277),
         box(419, 302, 423, 310),
         {box(408, 267, 425, 268), box(406, 311, 425, 312)}},
        {field::TabbedWallNarrowWidth,
         Qt::Horizontal,
         365,
         366,
         box(262, 363, 269, 368),
         box(309, 363, 316, 368),
         {box(260, 353, 260, 373), box(318, 353, 318, 373)}},
        {field::TabbedWallWideWidth,
         Qt::Horizontal,
         385,
         386,
         box(257, 383, 264, 388),
         box(314, 383, 321, 388),
         {box(255, 353, 255, 389), box(323, 353, 323, 388)}},
        {field::PlainWallNarrowWidth,
         Qt::Horizontal,
         365,
         366,
         box(334, 363, 343, 368),
         box(395, 363, 402, 368),
         {box(333, 348, 334, 364), box(404, 348, 404, 369)}},
        {field::PlainWallWideWidth,
         Qt::Horizontal,
         384,
         385,
         box(332, 382, 339, 387),
         box(398, 382, 406, 387),
         {box(330, 348, 330, 389), box(407, 347, 408, 388)}},
    };
    return table;
}

const Dimension* findDimension(std::string_view field)
{
    for (const Dimension& d : dimensions())
        if (field == d.field)
            return &d;
    return nullptr;
}

const Dimension& dimension(const QByteArray& field)
{
    if (const Dimension* d = findDimension(std::string_view(field.constData(), size_t(field.size()))))
        return *d;
    qFatal("no dimension line for %s", field.constData());
}

QByteArray nameOf(const vintorp::calc::DrawingField& field)
{
    return {field.name.data(), qsizetype(field.name.size())};
}

// A field's place in the window, from the drawing's field table.
QRect clientRect(std::string_view field)
{
    const auto& table = vintorp::calc::kDrawingFieldTable;
    const auto f = std::find_if(table.begin(), table.end(),
                                [field](const vintorp::calc::DrawingField& f) { return f.name == field; });
    if (f == table.end())
        qFatal("no drawing field %.*s", int(field.size()), field.data());
    return {f->place.left, f->place.top, f->place.width, f->place.height};
}

QRect onPicture(const QRect& client)
{
    return client.translated(kClientToPicture);
}

QRect fieldOnPicture(const Dimension& d)
{
    return onPicture(clientRect(d.field));
}

// Gap in pixels between a field and an arrowhead box beyond one of its sides.
int gapBetween(const QRect& field, const QRect& arrow, Qt::Orientation orientation, bool first)
{
    if (orientation == Qt::Horizontal)
        return first ? field.left() - arrow.right() - 1 : arrow.left() - field.right() - 1;
    return first ? field.top() - arrow.bottom() - 1 : arrow.top() - field.bottom() - 1;
}

// Lengths of the longest runs of grey and of white pixels along a line,
// ignoring black (edges crossing it), and the share of grey among the rest.
struct DashStats {
    int longestGrey = 0;
    int longestWhite = 0;
    double greyShare = 0;
};

DashStats dashStats(const QImage& image, const QRect& line)
{
    DashStats s;
    int greyRun = 0, whiteRun = 0, greyCount = 0, counted = 0;
    const bool horizontal = line.height() <= line.width();
    const int n = horizontal ? line.width() : line.height();
    for (int i = 0; i < n; ++i) {
        const int v = horizontal ? grey(image, line.left() + i, line.top())
                                 : grey(image, line.left(), line.top() + i);
        if (v < 100) {  // a black edge crossing the line
            greyRun = whiteRun = 0;
            continue;
        }
        ++counted;
        greyRun = v == kLineGrey ? greyRun + 1 : 0;
        whiteRun = v == 255 ? whiteRun + 1 : 0;
        greyCount += v == kLineGrey;
        s.longestGrey = std::max(s.longestGrey, greyRun);
        s.longestWhite = std::max(s.longestWhite, whiteRun);
    }
    s.greyShare = counted ? double(greyCount) / counted : 0;
    return s;
}

enum class Ink { White, LineGrey, Black, Dark };

}  // namespace

Q_DECLARE_METATYPE(Ink)

class TestBobbinDrawing : public QObject {
    Q_OBJECT

    QImage m_image;

    void addFieldRows()
    {
        QTest::addColumn<QByteArray>("field");
        for (const vintorp::calc::DrawingField& f : vintorp::calc::kDrawingFieldTable)
            if (f.onDimensionLine)
                QTest::newRow(nameOf(f).constData()) << nameOf(f);
    }

private slots:
    void initTestCase()
    {
        m_image = vintorp::art::bobbinDrawing();
        QVERIFY(!m_image.isNull());
    }

    // Every field of the table that stands on a dimension line has its line
    // described above, and only those.
    void everyDimensionFieldHasItsLine()
    {
        int onLines = 0;
        for (const vintorp::calc::DrawingField& f : vintorp::calc::kDrawingFieldTable) {
            const QByteArray name = nameOf(f);
            QVERIFY2((findDimension(f.name) != nullptr) == f.onDimensionLine, name.constData());
            onLines += f.onDimensionLine;
        }
        QCOMPARE(int(dimensions().size()), onLines);
    }

    void sizes_data()
    {
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<QSize>("device");
        QTest::addColumn<qreal>("expectedRatio");
        QTest::newRow("1x") << 1.0 << QSize(460, 409) << 1.0;
        QTest::newRow("1.25x") << 1.25 << QSize(575, 512) << 1.25;
        QTest::newRow("1.5x") << 1.5 << QSize(690, 614) << 1.5;
        QTest::newRow("2x") << 2.0 << QSize(920, 818) << 2.0;
        QTest::newRow("zero counts as 1x") << 0.0 << QSize(460, 409) << 1.0;
        QTest::newRow("negative counts as 1x") << -2.0 << QSize(460, 409) << 1.0;
        QTest::newRow("NaN counts as 1x")
            << std::numeric_limits<qreal>::quiet_NaN() << QSize(460, 409) << 1.0;
    }
    void sizes()
    {
        QFETCH(qreal, ratio);
        QFETCH(QSize, device);
        QFETCH(qreal, expectedRatio);
        const QImage image = vintorp::art::bobbinDrawing(ratio);
        QCOMPARE(image.size(), device);
        QCOMPARE(image.devicePixelRatio(), expectedRatio);
        QVERIFY(!image.hasAlphaChannel());
    }

    // Under each field: white, or the grey of its own line and nothing else;
    // the line runs across the whole field.
    void fieldCoversOnlyItsLine_data() { addFieldRows(); }
    void fieldCoversOnlyItsLine()
    {
        QFETCH(QByteArray, field);
        const Dimension& d = dimension(field);
        const QRect f = fieldOnPicture(d);
        for (int y = f.top(); y <= f.bottom(); ++y) {
            for (int x = f.left(); x <= f.right(); ++x) {
                const int across = d.orientation == Qt::Horizontal ? y : x;
                const bool onLine = across >= d.lineFrom && across <= d.lineTo;
                const int v = grey(m_image, x, y);
                if (onLine && v != kLineGrey)
                    QFAIL(qPrintable(QStringLiteral("line broken at (%1, %2): %3").arg(x).arg(y).arg(v)));
                if (!onLine && v != 255)
                    QFAIL(qPrintable(QStringLiteral("stray pixel at (%1, %2): %3").arg(x).arg(y).arg(v)));
            }
        }
    }

    // The line, as found in the image, runs near the field's middle.
    void lineNearFieldMiddle_data() { addFieldRows(); }
    void lineNearFieldMiddle()
    {
        QFETCH(QByteArray, field);
        const Dimension& d = dimension(field);
        const QRect f = fieldOnPicture(d);
        const bool horizontal = d.orientation == Qt::Horizontal;
        // Scan across the field through its centre.
        int first = -1, last = -1;
        const int from = horizontal ? f.top() : f.left();
        const int to = horizontal ? f.bottom() : f.right();
        for (int i = from; i <= to; ++i) {
            const QPoint p = horizontal ? QPoint(f.center().x(), i) : QPoint(i, f.center().y());
            if (grey(m_image, p.x(), p.y()) == kLineGrey) {
                if (first < 0)
                    first = i;
                last = i;
            }
        }
        QCOMPARE(first, d.lineFrom);
        QCOMPARE(last, d.lineTo);
        const double lineMiddle = (first + last) / 2.0;
        const double fieldMiddle = (from + to) / 2.0;
        QVERIFY2(std::abs(lineMiddle - fieldMiddle) <= (horizontal ? 2.0 : 1.0),
                 qPrintable(QStringLiteral("line %1, field middle %2").arg(lineMiddle).arg(fieldMiddle)));
    }

    // Both arrowheads stand where the dimension table puts them, outside the
    // field, at least 2 px away from it.
    void arrowheadsVisible_data() { addFieldRows(); }
    void arrowheadsVisible()
    {
        QFETCH(QByteArray, field);
        const Dimension& d = dimension(field);
        const QRect f = fieldOnPicture(d);
        bool first = true;
        for (const QRect& arrow : {d.arrowFirst, d.arrowSecond}) {
            const QRect found = darkBox(m_image, arrow.adjusted(-2, -2, 2, 2), kArrowThreshold);
            QCOMPARE(found, arrow);
            QVERIFY(!found.intersects(f));
            QVERIFY(gapBetween(f, found, d.orientation, first) >= 2);
            // A solid head: its base is black across the line.
            const QRect base
                = d.orientation == Qt::Horizontal
                      ? QRect(first ? found.right() : found.left(), d.lineFrom, 1, d.lineTo - d.lineFrom + 1)
                      : QRect(d.lineFrom, first ? found.bottom() : found.top(), d.lineTo - d.lineFrom + 1, 1);
            QCOMPARE(pixels::countIf(m_image, base, [](QRgb c) { return qGray(c) < 40; }),
                     base.width() * base.height());
            first = false;
        }
    }

    // The narrowest gaps between a field and an arrowhead.
    void smallestGaps_data()
    {
        QTest::addColumn<QByteArray>("field");
        QTest::addColumn<bool>("firstArrow");
        QTest::addColumn<int>("gap");
        QTest::newRow("Edit12 above its lower arrowhead") << QByteArray("Edit12") << false << 2;
        QTest::newRow("Edit11 above its lower arrowhead") << QByteArray("Edit11") << false << 2;
        QTest::newRow("Edit9 left of its right arrowhead") << QByteArray("Edit9") << false << 2;
        QTest::newRow("Edit5 right of its left arrowhead") << QByteArray("Edit5") << true << 3;
        QTest::newRow("Edit7 above its lower arrowhead") << QByteArray("Edit7") << false << 3;
    }
    void smallestGaps()
    {
        QFETCH(QByteArray, field);
        QFETCH(bool, firstArrow);
        QFETCH(int, gap);
        const Dimension& d = dimension(field);
        const QRect arrow = firstArrow ? d.arrowFirst : d.arrowSecond;
        const QRect found = darkBox(m_image, arrow.adjusted(-2, -2, 2, 2), kArrowThreshold);
        QCOMPARE(gapBetween(fieldOnPicture(d), found, d.orientation, firstArrow), gap);
    }

    void extensionLines_data() { addFieldRows(); }
    void extensionLines()
    {
        QFETCH(QByteArray, field);
        for (const QRect& line : dimension(field).extensionLines) {
            const int greyPixels
                = pixels::countIf(m_image, line, [](QRgb c) { return qGray(c) == kLineGrey; });
            const int all = line.width() * line.height();
            QVERIFY2(greyPixels * 10 >= all * 8,
                     qPrintable(QStringLiteral("%1 of %2 grey").arg(greyPixels).arg(all)));
            // Just beside the line (along its length) the canvas is not grey.
            const bool vertical = line.height() > line.width();
            const QRect beside
                = vertical ? line.translated(line.width(), 0) : line.translated(0, line.height());
            const int besideGrey
                = pixels::countIf(m_image, beside, [](QRgb c) { return qGray(c) == kLineGrey; });
            QVERIFY2(besideGrey * 2 < all,
                     qPrintable(QStringLiteral("line wider than drawn: %1").arg(besideGrey)));
        }
    }

    // The two marks and their arrowheads and letters.
    void marks_data()
    {
        QTest::addColumn<QRect>("expected");
        QTest::addColumn<QRect>("search");
        QTest::addColumn<int>("threshold");
        QTest::newRow("X letter") << box(295, 42, 302, 51) << box(293, 39, 305, 54) << 100;
        QTest::newRow("X arrowhead up") << box(288, 62, 294, 69) << box(286, 62, 296, 71) << kArrowThreshold;
        QTest::newRow("X arrowhead down")
            << box(288, 83, 294, 90) << box(286, 81, 296, 91) << kArrowThreshold;
        QTest::newRow("Z letter") << box(354, 102, 362, 111) << box(351, 99, 365, 114) << 100;
        QTest::newRow("Z arrowhead left")
            << box(320, 115, 327, 120) << box(319, 113, 329, 122) << kArrowThreshold;
        QTest::newRow("Z arrowhead right")
            << box(337, 115, 345, 120) << box(335, 113, 345, 122) << kArrowThreshold;
    }
    void marks()
    {
        QFETCH(QRect, expected);
        QFETCH(QRect, search);
        QFETCH(int, threshold);
        QCOMPARE(darkBox(m_image, search, threshold), expected);
    }

    // Areas for the labels and the thickness field, and the empty strip above
    // the bottom frame line.
    void freeAreas_data()
    {
        QTest::addColumn<QRect>("area");
        QTest::newRow("Label1") << onPicture({328, 14, 117, 13});
        QTest::newRow("Label7") << onPicture({4, 375, 113, 13});
        QTest::newRow("Edit15") << onPicture(clientRect(field::Thickness));
        QTest::newRow("below the lowest extension lines") << box(1, 390, 458, 407);
    }
    void freeAreas()
    {
        QFETCH(QRect, area);
        QCOMPARE(pixels::countIf(m_image, area, [](QRgb c) { return c != qRgb(255, 255, 255); }), 0);
    }

    void frame_data()
    {
        QTest::addColumn<QRect>("edge");
        QTest::addColumn<QRect>("inside");
        QTest::newRow("top") << box(0, 0, 459, 0) << box(1, 1, 458, 1);
        QTest::newRow("left") << box(0, 0, 0, 408) << box(1, 1, 1, 407);
        QTest::newRow("right") << box(459, 0, 459, 408) << box(458, 1, 458, 407);
        // The bottom frame line shows at client row 406 of the drawing window.
        QTest::newRow("bottom") << box(0, 406, 459, 406).translated(0, kClientToPicture.y())
                                << box(1, 407, 458, 407);
    }
    void frame()
    {
        QFETCH(QRect, edge);
        QFETCH(QRect, inside);
        QCOMPARE(
            pixels::countIf(m_image, edge, [](QRgb c) { return c != qRgb(kLineGrey, kLineGrey, kLineGrey); }),
            0);
        QCOMPARE(pixels::countIf(m_image, inside, [](QRgb c) { return c != qRgb(255, 255, 255); }), 0);
    }

    // Hidden lines are dashed: short grey runs with white between them.
    void hiddenLines_data()
    {
        QTest::addColumn<QRect>("line");
        QTest::newRow("cheeks' top edges") << box(192, 60, 239, 60);
        QTest::newRow("windows' top edges") << box(171, 92, 260, 92);
        QTest::newRow("windows' bottom edges") << box(171, 174, 260, 174);
        QTest::newRow("cheeks' bottom edges, upper row") << box(190, 205, 240, 205);
        QTest::newRow("cheeks' bottom edges, lower row") << box(190, 206, 240, 206);
        QTest::newRow("window corner to wall 3, left") << box(262, 175, 262, 226);
        QTest::newRow("window corner to wall 3, right") << box(318, 175, 318, 226);
        QTest::newRow("section, top of upper sections") << box(95, 233, 408, 233);
        QTest::newRow("section, upper to middle, row 266") << box(95, 266, 408, 266);
        QTest::newRow("section, upper to middle, row 267") << box(95, 267, 408, 267);
        QTest::newRow("section, middle to lower") << box(95, 312, 408, 312);
        // (it ends where the extension lines of Edit16 begin)
        QTest::newRow("section, bottom of lower sections") << box(95, 347, 404, 347);
    }
    void hiddenLines()
    {
        QFETCH(QRect, line);
        const DashStats s = dashStats(m_image, line);
        QVERIFY2(s.longestGrey >= 2 && s.longestGrey <= 3, qPrintable(QString::number(s.longestGrey)));
        QVERIFY2(s.greyShare >= 0.3 && s.greyShare <= 0.6, qPrintable(QString::number(s.greyShare)));
        QVERIFY2(s.longestWhite <= 7, qPrintable(QString::number(s.longestWhite)));
    }

    // Outlines, windows, holes and walls at the pixels the drawing fixes.
    void strokes_data()
    {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<Ink>("ink");
        const auto row = [](const char* name, QPoint p, Ink ink) { QTest::newRow(name) << p << ink; };
        row("left cheek, left edge outer", {83, 130}, Ink::Black);
        row("left cheek, left edge inner", {84, 130}, Ink::Black);
        row("left cheek, left of left edge", {82, 130}, Ink::White);
        row("left cheek, right of left edge", {85, 130}, Ink::White);
        row("left cheek, top edge", {140, 59}, Ink::Black);
        row("left cheek, under top edge", {140, 61}, Ink::White);
        row("left cheek, bottom edge", {140, 205}, Ink::Black);
        row("left window, left edge", {114, 130}, Ink::Black);
        row("left window, inside left edge", {115, 130}, Ink::White);
        row("left window, outside left edge", {113, 130}, Ink::White);
        row("left window, top edge", {140, 92}, Ink::Black);
        row("left window, under top edge", {140, 93}, Ink::White);
        row("left window, right edge", {170, 130}, Ink::Black);
        row("left window, outside right edge", {171, 130}, Ink::White);
        row("right cheek, left edge", {230, 130}, Ink::Black);
        row("right cheek, left of left edge", {229, 130}, Ink::White);
        row("right cheek, right edge", {347, 150}, Ink::Black);
        row("right cheek, right of right edge", {348, 150}, Ink::White);
        row("right cheek, bottom edge", {290, 206}, Ink::Black);
        row("right cheek, under bottom edge", {290, 207}, Ink::White);
        row("right cheek, rounded top right corner", {347, 60}, Ink::White);
        row("right cheek, rounded bottom right corner", {347, 206}, Ink::White);
        row("right cheek, top right arc", {344, 63}, Ink::Dark);
        row("right window, left edge", {261, 130}, Ink::Black);
        row("right window, right edge", {318, 130}, Ink::Black);
        row("right window, outside right edge", {319, 130}, Ink::White);
        row("hole, left upper first, centre", {113, 67}, Ink::White);
        row("hole, left upper first, ring top", {113, 64}, Ink::Black);
        row("hole, left upper first, ring left", {110, 67}, Ink::Black);
        row("hole, left upper first, ring right", {116, 67}, Ink::Black);
        row("hole, left upper first, outside ring", {109, 67}, Ink::White);
        row("hole, left upper fourth, centre", {171, 82}, Ink::White);
        row("hole, left upper fourth, ring bottom", {171, 85}, Ink::Black);
        row("hole, left lower fourth, ring top", {171, 194}, Ink::Black);
        row("hole, right upper second, ring left", {279, 72}, Ink::Black);
        row("hole, right upper third, centre", {301, 77}, Ink::White);
        row("hole, right lower fourth, ring bottom", {319, 201}, Ink::Black);
        row("hole, right lower fourth, outside ring", {319, 202}, Ink::White);
        row("wall 1, top tab top edge", {130, 227}, Ink::Black);
        row("wall 1, above top tab", {130, 226}, Ink::White);
        row("wall 1, top tab right edge", {164, 230}, Ink::Black);
        row("wall 1, right of top tab", {165, 230}, Ink::White);
        row("wall 1, upper section left edge", {100, 250}, Ink::Black);
        row("wall 1, left of upper section", {99, 250}, Ink::White);
        row("wall 1, middle section left edge", {95, 290}, Ink::Black);
        row("wall 1, left of middle section", {94, 290}, Ink::White);
        row("wall 1, lower section right edge", {159, 330}, Ink::Black);
        row("wall 1, right of lower section", {160, 330}, Ink::White);
        row("wall 1, bottom tab bottom edge", {130, 352}, Ink::Black);
        row("wall 1, under bottom tab", {130, 353}, Ink::White);
        row("wall 2, top edge", {200, 232}, Ink::Black);
        row("wall 2, above top edge", {200, 231}, Ink::White);
        row("wall 2, upper section left edge", {169, 250}, Ink::Black);
        row("wall 2, left of upper section", {168, 250}, Ink::White);
        row("wall 2, upper section right edge", {248, 250}, Ink::Black);
        row("wall 2, right of upper section", {249, 250}, Ink::White);
        row("wall 2, middle section left edge", {173, 290}, Ink::Black);
        row("wall 2, left of middle section", {172, 290}, Ink::White);
        row("wall 2, bottom edge", {200, 347}, Ink::Black);
        row("wall 2, under bottom edge", {200, 348}, Ink::White);
        row("wall 3, top tab left edge", {255, 230}, Ink::Black);
        row("wall 3, left of top tab", {254, 230}, Ink::White);
        row("wall 3, middle section left edge", {254, 290}, Ink::Black);
        row("wall 3, bottom tab right edge", {323, 350}, Ink::Black);
        row("wall 3, right of bottom tab", {324, 350}, Ink::White);
        row("wall 4, top edge", {370, 232}, Ink::Black);
        row("wall 4, above top edge", {370, 231}, Ink::White);
        row("wall 4, upper section left edge", {329, 250}, Ink::Black);
        row("wall 4, left of upper section", {328, 250}, Ink::White);
        row("wall 4, middle section right edge", {405, 290}, Ink::Black);
        row("wall 4, right of middle section", {406, 290}, Ink::White);
        row("wall 4, bottom edge", {370, 346}, Ink::Black);
        row("wall 4, section line under bottom edge", {371, 347}, Ink::LineGrey);
        row("wall 4, under section line", {370, 348}, Ink::White);
        row("X mark line above the cheek", {291, 50}, Ink::LineGrey);
        row("Z mark line beyond the cheek", {360, 117}, Ink::LineGrey);
    }
    void strokes()
    {
        QFETCH(QPoint, at);
        QFETCH(Ink, ink);
        const int v = grey(m_image, at.x(), at.y());
        switch (ink) {
        case Ink::White: QCOMPARE(v, 255); break;
        case Ink::LineGrey: QCOMPARE(v, kLineGrey); break;
        case Ink::Black: QVERIFY2(v < 40, qPrintable(QString::number(v))); break;
        case Ink::Dark: QVERIFY2(v < 100, qPrintable(QString::number(v))); break;
        }
    }

    // At twice the density a 1 px line is two full device pixels wide with
    // white on both sides: rendered from the vector source, not enlarged.
    void sharpAtTwiceTheDensity_data()
    {
        QTest::addColumn<QPoint>("at");  // logical pixel on the line
        QTest::addColumn<Qt::Orientation>("across");
        QTest::addColumn<int>("width");  // logical width of the line
        QTest::addColumn<int>("ink");
        QTest::newRow("left frame line") << QPoint(0, 200) << Qt::Horizontal << 1 << kLineGrey;
        QTest::newRow("Edit5 line") << QPoint(140, 39) << Qt::Vertical << 1 << kLineGrey;
        QTest::newRow("Edit3 line") << QPoint(36, 150) << Qt::Horizontal << 1 << kLineGrey;
        QTest::newRow("Edit4 line") << QPoint(110, 23) << Qt::Vertical << 2 << kLineGrey;
        QTest::newRow("left window edge") << QPoint(114, 130) << Qt::Horizontal << 1 << 0;
        QTest::newRow("left cheek edge") << QPoint(83, 130) << Qt::Horizontal << 2 << 0;
    }
    void sharpAtTwiceTheDensity()
    {
        QFETCH(QPoint, at);
        QFETCH(Qt::Orientation, across);
        QFETCH(int, width);
        QFETCH(int, ink);
        const QImage image = vintorp::art::bobbinDrawing(2.0);
        QCOMPARE(image.size(), QSize(920, 818));
        const QPoint step = across == Qt::Horizontal ? QPoint(1, 0) : QPoint(0, 1);
        const QPoint start = at * 2;
        for (int i = 0; i < 2 * width; ++i) {
            const QPoint p = start + step * i;
            QCOMPARE(grey(image, p.x(), p.y()), ink);
        }
        const QPoint before = start - step;
        const QPoint after = start + step * (2 * width);
        if (image.rect().contains(before))
            QCOMPARE(grey(image, before.x(), before.y()), 255);
        QCOMPARE(grey(image, after.x(), after.y()), 255);
    }

    // The printing entry point paints the same picture at any resolution.
    void paintedLikeTheImage_data()
    {
        QTest::addColumn<QSize>("canvas");
        QTest::addColumn<QRect>("target");
        QTest::addColumn<qreal>("ratio");
        QTest::newRow("natural size") << QSize(460, 409) << QRect(0, 0, 460, 409) << 1.0;
        QTest::newRow("offset") << QSize(500, 450) << QRect(20, 30, 460, 409) << 1.0;
        QTest::newRow("twice the size") << QSize(920, 818) << QRect(0, 0, 920, 818) << 2.0;
    }
    void paintedLikeTheImage()
    {
        QFETCH(QSize, canvas);
        QFETCH(QRect, target);
        QFETCH(qreal, ratio);
        QImage painted(canvas, QImage::Format_RGB32);
        painted.fill(Qt::red);
        {
            QPainter painter(&painted);
            vintorp::art::paintBobbinDrawing(painter, target);
        }
        QImage expected = vintorp::art::bobbinDrawing(ratio);
        expected.setDevicePixelRatio(1.0);
        QCOMPARE(painted.copy(target), expected);
        if (canvas != target.size())
            QCOMPARE(painted.pixel(0, 0), qRgb(255, 0, 0));
    }

    void emptyTargetPaintsNothing()
    {
        QImage painted(50, 50, QImage::Format_RGB32);
        painted.fill(Qt::red);
        const QImage before = painted;
        {
            QPainter painter(&painted);
            vintorp::art::paintBobbinDrawing(painter, QRectF(10, 10, 0, 30));
        }
        QCOMPARE(painted, before);
    }
};

VINTORP_TEST_MAIN(TestBobbinDrawing, QGuiApplication)
#include "tst_bobbin_drawing.moc"
