// The cut template as the maker gets it: the SVG read back and measured and
// rendered by an independent renderer, the PDF rendered at 254 dpi and each
// part measured on the page, a core that needs tiling, and every failure.
#include "headless.h"
#include <QApplication>
#include "template/pages/layout.h"
#include "template/pages/svg.h"
#include "template/pages/cuttemplate.h"
#include "template/command/templatecommand.h"
#include "print/errors/printerror.h"
#include "template/pages/templateerror.h"
#include "lang/messages.h"
#include "smalldisk.h"
#include "templatetesting.h"

#include <QFile>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

#include <algorithm>
#include <functional>
#include <numeric>
#include <map>

using namespace vintorp;
using namespace vintorp::cut;
using namespace vintorp::print;
using namespace vintorp::cut::testing;

namespace {

constexpr double kPixelsPerMm = 10;  // 254 dpi
constexpr double kEdgeTolerance = 0.05;  // a cut line in a file
constexpr double kInkTolerance = 0.15;  // a part measured on a rendered page

// The bounding box of a path's end points (arcs here are quarter circles
// between their end points, so these bound them too).
QRectF pathBox(const QString& d)
{
    static const QRegularExpression token(QStringLiteral("([MLAZ])|(-?[0-9.]+)"));
    QList<double> numbers;
    QChar command;
    double minX = 1e9, minY = 1e9, maxX = -1e9, maxY = -1e9;
    const auto flush = [&] {
        if (numbers.size() >= 2 && command != u'Z') {
            const double x = numbers[numbers.size() - 2], y = numbers.back();
            minX = std::min(minX, x), maxX = std::max(maxX, x), minY = std::min(minY, y),
            maxY = std::max(maxY, y);
        }
        numbers.clear();
    };
    for (auto it = token.globalMatch(d); it.hasNext();) {
        const auto m = it.next();
        if (m.hasCaptured(1)) {
            flush();
            command = m.captured(1).at(0);
        } else {
            numbers << m.captured(2).toDouble();
        }
    }
    flush();
    return QRectF(QPointF(minX, minY), QPointF(maxX, maxY));
}

struct SvgGroup {
    QString cutStroke, holeStroke, labelFill;
    QList<QRectF> cutBoxes;
    QList<int> cutOrder, holeOrder;  // each cut's and hole's place in the file
    QRectF rulerBox;  // all lines of the calibration layer
    QList<QSizeF> frames;  // rectangles
    int holes = 0;
    QStringList texts;
};

struct SvgDocument {
    QString width, height, viewBox;
    std::map<QString, SvgGroup> groups;  // by the owner's name: "cheek-1", "scale-check" …
    QStringList layers;  // the top-level layers, in order
    std::map<QString, QSet<QString>> strokes;  // by layer: each line's colour and dashes
    int rects = 0;  // outside the scale check
    int uncoloured = 0;  // elements without their own colour
    int unstyled = 0;  // elements without it as a style too
};

// A part's outer outline: the box around all its cuts.
QRectF outerBox(const SvgGroup& group)
{
    return std::accumulate(group.cutBoxes.begin(), group.cutBoxes.end(), QRectF(),
                           std::mem_fn(&QRectF::united));
}

SvgDocument readSvg(const QByteArray& data)
{
    SvgDocument doc;
    QXmlStreamReader xml(data);
    QString layer, group;
    int depth = 0, elements = 0;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            ++depth;
            const auto a = xml.attributes();
            const QStringView name = xml.name();
            const QString stroke = a.value("stroke").toString();
            const bool shape = name == u"path" || name == u"circle" || name == u"rect";
            if (name == u"svg") {
                doc.width = a.value("width").toString();
                doc.height = a.value("height").toString();
                doc.viewBox = a.value("viewBox").toString();
            } else if (name == u"g" && depth == 2) {
                layer = a.value("inkscape:groupmode") == u"layer" ? a.value("inkscape:label").toString()
                                                                  : QStringLiteral("(not a layer)");
                doc.layers << layer;
            } else if (name == u"g" && depth == 3) {
                group = a.value("class").toString();
                doc.groups[group];
            } else if (shape && depth == 4) {
                ++elements;
                if (stroke.isEmpty())
                    ++doc.uncoloured;
                if (!a.value("style").contains(QStringLiteral("stroke:") + stroke))
                    ++doc.unstyled;
                doc.strokes[layer] << stroke + u' ' + a.value("stroke-dasharray").toString();
            }
            SvgGroup& g = doc.groups[group];
            if (name == u"path" && layer == u"cut") {
                g.cutBoxes << pathBox(a.value("d").toString());
                g.cutOrder << elements;
                g.cutStroke = stroke;
            } else if (name == u"path" && layer == u"calibration") {
                g.rulerBox = g.rulerBox.united(pathBox(a.value("d").toString()));
            } else if (name == u"circle" && layer == u"holes") {
                ++g.holes;
                g.holeOrder << elements;
                g.holeStroke = stroke;
            } else if (name == u"rect" && depth == 4) {
                g.frames << QSizeF(a.value("width").toDouble(), a.value("height").toDouble());
                if (group != u"scale-check")
                    ++doc.rects;
            } else if (name == u"text") {
                if (a.value("fill").isEmpty())
                    ++doc.uncoloured;
                if (!a.value("style").contains(QStringLiteral("fill:") + a.value("fill").toString()))
                    ++doc.unstyled;
                if (layer == u"labels")
                    g.labelFill = a.value("fill").toString();
                g.texts << xml.readElementText();
                --depth;
            }
        } else if (xml.isEndElement()) {
            --depth;
        }
    }
    if (xml.hasError())
        qWarning() << "SVG does not parse:" << xml.errorString();
    return doc;
}

QImage renderPdfPage(const QString& pdf, int page)
{
    const QString base = pdf + QStringLiteral("-page");
    const ToolRun run
        = runTool(QStringLiteral("pdftoppm"), {"-r", "254", "-png", "-f", QString::number(page), "-l",
                                               QString::number(page), "-singlefile", pdf, base});
    if (run.exitCode != 0)
        return {};
    return QImage(base + QStringLiteral(".png"));
}

QString pdfInfo(const QString& pdf, const QString& key)
{
    const ToolRun run = runTool(QStringLiteral("pdfinfo"), {pdf});
    for (const QString& line : QString::fromUtf8(run.out).split(u'\n')) {
        if (line.startsWith(key + u':'))
            return line.mid(key.size() + 1).trimmed();
    }
    return {};
}

// The content streams of a PDF, inflated.
QList<QByteArray> pdfStreams(const QString& pdf)
{
    QFile file(pdf);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray data = file.readAll();
    QList<QByteArray> streams;
    for (qsizetype at = 0; (at = data.indexOf("stream", at)) >= 0;) {
        const qsizetype begin = data.indexOf('\n', at) + 1;
        const qsizetype end = data.indexOf("endstream", begin);
        if (begin <= 0 || end < 0)
            break;
        // qUncompress wants the zlib data behind a big-endian size hint.
        const QByteArray inflated
            = qUncompress(QByteArray("\x00\x10\x00\x00", 4) + data.mid(begin, end - begin));
        if (!inflated.isEmpty())
            streams << inflated;
        at = end + 9;
    }
    return streams;
}

// The cut lines as the PDF draws them: the bounding box, in millimetres on
// the page, of every path stroked in black. The painter draws in a
// millimetre frame ("s 0 0 s x y cm" at 1200 dpi).
QList<QRectF> pdfCutPaths(const QByteArray& content)
{
    constexpr double kDotsPerMm = 1200 / 25.4;
    static const QRegularExpression frame(QStringLiteral("^([0-9.]+) 0 0 \\1 ([-0-9.]+) ([-0-9.]+) cm$"));
    QList<QRectF> paths;
    QPointF shift;
    bool millimetres = false;
    bool black = false;
    double minX = 1e9, minY = 1e9, maxX = -1e9, maxY = -1e9;
    for (const QByteArray& line : content.split('\n')) {
        const QList<QByteArray> words = line.split(' ');
        if (const auto m = frame.match(QString::fromLatin1(line)); m.hasMatch()) {
            millimetres = qAbs(m.captured(1).toDouble() - kDotsPerMm) <= 1e-3;
            shift = QPointF(m.captured(2).toDouble(), m.captured(3).toDouble()) / kDotsPerMm;
        } else if (words.endsWith("SCN")) {
            black = words.size() == 4 && words[0].toDouble() == 0 && words[1].toDouble() == 0
                    && words[2].toDouble() == 0;
        } else if (words.endsWith("m") || words.endsWith("l") || words.endsWith("c")) {
            for (qsizetype k = 0; k + 2 < words.size(); k += 2) {
                minX = std::min(minX, words[k].toDouble()), maxX = std::max(maxX, words[k].toDouble());
                minY = std::min(minY, words[k + 1].toDouble()),
                maxY = std::max(maxY, words[k + 1].toDouble());
            }
        } else if (line == "S" || line == "h" || line == "f" || line == "n" || line == "B") {
            if (millimetres && black && minX <= maxX)
                paths << QRectF(QPointF(minX, minY), QPointF(maxX, maxY)).translated(shift);
            minX = minY = 1e9, maxX = maxY = -1e9;
        }
    }
    return paths;
}

// The area a piece's part takes on the page, with a millimetre round it.
QRectF pieceRegion(const PlacedPiece& piece)
{
    return QRectF(piece.origin, piece.footprint()).adjusted(-1, -1, 1, 1);
}

}  // namespace

class TestCutTemplate : public QObject {
    Q_OBJECT

private slots:
    void svgReadBack_data();
    void svgReadBack();
    void svgOpensInAnotherRenderer_data();
    void svgOpensInAnotherRenderer();
    void pdfPartsMeasured_data();
    void pdfPartsMeasured();
    void printerPrintsAtTrueSize();
    void noPrinterIsAnError();
    void unwritableFileIsAPrintError();
    void packedApart();
    void largeCoreIsTiled();
    void wallsTurnToSaveASheet();
    void assemblyFitsItsBlock();
    void cutterSheetsHoldThePartsOnly_data();
    void cutterSheetsHoldThePartsOnly();
    void badValuesGiveAMessage_data();
    void badValuesGiveAMessage();
    void failuresLeaveNoFile_data();
    void failuresLeaveNoFile();
    void paperTooSmall();
    void fullDiskKeepsTheOldFile_data();
    void fullDiskKeepsTheOldFile();
    void cutterSheetsSavedAllOrNone();
    void svgHoldsOnlyXmlCharacters_data();
    void svgHoldsOnlyXmlCharacters();

private:
    QTemporaryDir dir_;
};

void TestCutTemplate::svgReadBack_data()
{
    QTest::addColumn<bool>("uType");
    QTest::addColumn<int>("bobbins");
    QTest::newRow("E-type") << false << 1;
    QTest::newRow("U-type, K 2") << true << 2;
}

void TestCutTemplate::svgReadBack()
{
    QFETCH(bool, uType);
    QFETCH(int, bobbins);
    const cut::CutSet set
        = makeTemplateParts(calc::readDrawingNumbers(uType ? workedUTexts() : workedETexts(), ","), bobbins);
    const SvgDocument doc = readSvg(templateSvgFiles(set).front());

    // Sizes in millimetres, the view box in the same units.
    QVERIFY(doc.width.endsWith(u"mm"));
    QVERIFY(doc.height.endsWith(u"mm"));
    QCOMPARE(doc.viewBox, QStringLiteral("0 0 %1 %2").arg(doc.width.chopped(2), doc.height.chopped(2)));
    QCOMPARE(doc.rects, 0);  // no page frame
    // The scale check: 100 mm from the first tick to the last, the square 10 mm.
    const SvgGroup& scale = doc.groups.at(QStringLiteral("scale-check"));
    QVERIFY2(qAbs(scale.rulerBox.width() - 100) <= kEdgeTolerance,
             qPrintable(QString::number(scale.rulerBox.width())));
    QCOMPARE(scale.frames.size(), 1);
    QVERIFY(qAbs(scale.frames.front().width() - 10) <= kEdgeTolerance);
    QVERIFY(qAbs(scale.frames.front().height() - 10) <= kEdgeTolerance);

    // One group per part, each measured against the value the drawing shows.
    const std::map<QString, QSizeF> sizes = uType ? std::map<QString, QSizeF>{{"cheek", {29.5, 33}},
                                                                              {"tabbed-wall", {24.5, 38}},
                                                                              {"plain-wall", {27.5, 29.5}}}
                                                  : std::map<QString, QSizeF>{{"cheek", {39.5, 44}},
                                                                              {"tabbed-wall", {22.5, 38}},
                                                                              {"plain-wall", {27.5, 29.5}}};
    int parts = 0;
    QSet<QString> cut, holes, words;
    for (const auto& [id, group] : doc.groups) {
        const QString kind = id.section(u'-', 0, -2);
        if (!sizes.count(kind))
            continue;
        ++parts;
        QVERIFY2(!group.cutBoxes.isEmpty(), qPrintable(id));
        const QSizeF size = outerBox(group).size();
        // Its holes and window before its outer outline, which is cut last.
        const int outerAt = int(group.cutBoxes.indexOf(outerBox(group)));
        QVERIFY2(outerAt >= 0, qPrintable(id));
        for (const int at : group.cutOrder + group.holeOrder)
            QVERIFY2(at <= group.cutOrder[outerAt], qPrintable(id));
        QVERIFY2(qAbs(size.width() - sizes.at(kind).width()) <= kEdgeTolerance, qPrintable(id));
        QVERIFY2(qAbs(size.height() - sizes.at(kind).height()) <= kEdgeTolerance, qPrintable(id));
        cut << group.cutStroke;
        words << group.labelFill;
        if (!group.holeStroke.isEmpty())
            holes << group.holeStroke;
        QVERIFY2(group.texts.join(u' ').contains(QStringLiteral("материал 1 мм")), qPrintable(id));
        if (kind == u"cheek") {
            QCOMPARE(group.cutBoxes.size(), 2);  // the contour and the window
            QCOMPARE(group.holes, uType ? 0 : 8);
        }
    }
    QCOMPARE(parts, 6 * bobbins);
    // Every element has its own colour, and each job one of its own: a
    // cutter's program sorts them apart by it, and so apart from the cuts.
    QCOMPARE(doc.uncoloured, 0);
    QCOMPARE(doc.unstyled, 0);
    QCOMPARE(cut.size(), 1);
    QCOMPARE(words.size(), 1);
    QVERIFY(!cut.intersects(words));
    QCOMPARE(holes.size(), uType ? 0 : 1);
    QVERIFY(!cut.intersects(holes));
    // The legend's sample of a hole is there whether the cheeks have holes or not.
    const QStringList layers{"holes",   "cut",   "fold",        "reference",
                             "centres", "waste", "calibration", "labels"};
    QCOMPARE(doc.layers, layers);
    // No two layers of one colour, the labels' included.
    QSet<QString> colours{*words.begin()};
    for (const auto& [job, strokes] : doc.strokes) {
        QSet<QString> own;
        for (const QString& s : strokes)
            own << s.section(u' ', 0, 0);
        QCOMPARE(own.size(), 1);
        QVERIFY2(!colours.contains(*own.begin()), qPrintable(job));
        colours << *own.begin();
    }
}

void TestCutTemplate::svgOpensInAnotherRenderer_data()
{
    QTest::addColumn<bool>("cutter");
    QTest::newRow("one canvas") << false;
    QTest::newRow("a cutter's sheets, kerf 0.2") << true;
}

void TestCutTemplate::svgOpensInAnotherRenderer()
{
    QFETCH(bool, cutter);
    const cut::CutSet set
        = cut::makeCutSet(calc::readDrawingNumbers(workedETexts(), ","), 1, {0, cutter ? 0.2 : 0});
    const std::optional<CutterSetup> sheets
        = cutter ? std::optional(CutterSetup{QSizeF(200, 150), 2, true}) : std::nullopt;
    const QString svg = dir_.filePath("template.svg");
    saveTemplate(svg, set, sheets);
    const QString png = dir_.filePath("template-svg.png");
    const ToolRun run = runTool("rsvg-convert", {"-d", "254", "-p", "254", "-b", "white", "-o", png, svg});
    QCOMPARE(run.exitCode, 0);
    const QImage image(png);
    QVERIFY(!image.isNull());
    // Each part where the layout put it, at true size (with the kerf, either way round).
    const TemplateLayout layout
        = layOutTemplate(set, sheets ? cutterSheets(sheets->sheet, sheets->gap, sheets->labels) : svgCanvas());
    QCOMPARE(layout.pageCount, 1);  // a cutter's one sheet: the file named
    QCOMPARE(image.width(), qRound(layout.paper.width() * kPixelsPerMm));
    for (const PlacedPiece& piece : layout.pieces) {
        const QRectF ink = inkBox(image, pieceRegion(piece), kPixelsPerMm);
        QVERIFY(qAbs(ink.width() - 0.1 - piece.footprint().width()) <= kInkTolerance);
        QVERIFY(qAbs(ink.height() - 0.1 - piece.footprint().height()) <= kInkTolerance);
    }
}

void TestCutTemplate::pdfPartsMeasured_data()
{
    svgReadBack_data();
}

void TestCutTemplate::pdfPartsMeasured()
{
    QFETCH(bool, uType);
    QFETCH(int, bobbins);
    const cut::CutSet set
        = makeTemplateParts(calc::readDrawingNumbers(uType ? workedUTexts() : workedETexts(), ","), bobbins);
    const QString pdf = dir_.filePath(uType ? "u.pdf" : "e.pdf");
    saveTemplate(pdf, set);

    QCOMPARE(pdfInfo(pdf, "Title"), QStringLiteral("Шаблон каркаса катушки"));
    QVERIFY2(pdfInfo(pdf, "Page size").endsWith(u"(A4)"), qPrintable(pdfInfo(pdf, "Page size")));
    const TemplateLayout layout = layOutTemplate(set, a4Sheets());
    QCOMPARE(layout.pageCount, 1);
    QCOMPARE(pdfInfo(pdf, "Pages"), QStringLiteral("1"));
    // Vector only, fonts embedded.
    const QStringList images
        = QString::fromUtf8(runTool("pdfimages", {"-list", pdf}).out).split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(images.size(), 2);  // the header lines only
    const QStringList fonts
        = QString::fromUtf8(runTool("pdffonts", {pdf}).out).split(u'\n', Qt::SkipEmptyParts);
    QVERIFY(fonts.size() > 2);
    for (const QString& font : fonts.mid(2))
        QVERIFY2(font.contains(
                     QRegularExpression(QStringLiteral("\\byes\\s+(yes|no)\\s+(yes|no)\\s+\\d+\\s+\\d+$"))),
                 qPrintable(font));

    // The cut lines as the file holds them: each part's outline where the
    // layout puts it, each edge within 0.05 mm, and no other cut line but the
    // legend's sample of one.
    QList<QRectF> cuts;
    for (const QByteArray& content : pdfStreams(pdf))
        cuts << pdfCutPaths(content);
    qsizetype outlines = 0;
    for (const PlacedPiece& piece : layout.pieces) {
        const cut::CutPart& part = set.parts[std::size_t(piece.part)];
        outlines += qsizetype(part.cuts.size());
        const QRectF expected(piece.origin, QSizeF(part.width, part.height));
        const bool found = std::any_of(cuts.begin(), cuts.end(), [&](const QRectF& c) {
            return qAbs(c.left() - expected.left()) <= kEdgeTolerance
                   && qAbs(c.top() - expected.top()) <= kEdgeTolerance
                   && qAbs(c.right() - expected.right()) <= kEdgeTolerance
                   && qAbs(c.bottom() - expected.bottom()) <= kEdgeTolerance;
        });
        QVERIFY2(found, qPrintable(QStringLiteral("part %1").arg(piece.part)));
    }
    QCOMPARE(cuts.size(), outlines + layout.pageCount);

    const QImage page = renderPdfPage(pdf, 1);
    QVERIFY(!page.isNull());
    QCOMPARE(page.width(), qRound(210 * kPixelsPerMm));
    for (const PlacedPiece& piece : layout.pieces) {
        const cut::CutPart& part = set.parts[std::size_t(piece.part)];
        const QRectF ink = inkBox(page, pieceRegion(piece), kPixelsPerMm);
        const QString where
            = QStringLiteral("part %1 at %2, %3").arg(piece.part).arg(piece.origin.x()).arg(piece.origin.y());
        QVERIFY2(qAbs(ink.width() - 0.1 - part.width) <= kInkTolerance, qPrintable(where));
        QVERIFY2(qAbs(ink.height() - 0.1 - part.height) <= kInkTolerance, qPrintable(where));
        QVERIFY2(qAbs(ink.left() + 0.05 - piece.origin.x()) <= kInkTolerance, qPrintable(where));
        QVERIFY2(qAbs(ink.top() + 0.05 - piece.origin.y()) <= kInkTolerance, qPrintable(where));
    }
    // The ruler, in the calibration's olive: 100 mm between its end ticks.
    const QRectF ruler
        = inkBox(page, QRectF(kFileMargin - 1, 297 - kFileMargin - 5.5, 102, 1), kPixelsPerMm, Ink::Calibration);
    QVERIFY(qAbs(ruler.width() - 0.1 - 100) <= kInkTolerance);
}

void TestCutTemplate::printerPrintsAtTrueSize()
{
    // The printer path, printing to a PDF file on A5 paper: never fitted.
    const cut::CutSet set = makeTemplateParts(calc::readDrawingNumbers(workedETexts(), ","), 1);
    const QString pdf = dir_.filePath("printed.pdf");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    printer.setPageSize(QPageSize(QPageSize::A5));
    printTemplate(printer, set);
    QVERIFY2(pdfInfo(pdf, "Page size").endsWith(u"(A5)"), qPrintable(pdfInfo(pdf, "Page size")));
    const int pages = pdfInfo(pdf, "Pages").toInt();
    QVERIFY(pages >= 1);
    const QImage page = renderPdfPage(pdf, 1);
    QVERIFY(!page.isNull());
    const QSizeF a5 = QPageSize(QPageSize::A5).size(QPageSize::Millimeter);
    const TemplateLayout layout = layOutTemplate(set, {a5, templatePrintableArea(printer), Paging::Sheets});
    QCOMPARE(pages, layout.pageCount);
    for (const PlacedPiece& piece : layout.pieces) {
        if (piece.page != 0)
            continue;
        const cut::CutPart& part = set.parts[std::size_t(piece.part)];
        const QRectF ink = inkBox(page, pieceRegion(piece), kPixelsPerMm);
        QVERIFY2(qAbs(ink.width() - 0.1 - part.width) <= kInkTolerance,
                 qPrintable(QString::number(ink.width())));
        QVERIFY2(qAbs(ink.height() - 0.1 - part.height) <= kInkTolerance,
                 qPrintable(QString::number(ink.height())));
    }
}

void TestCutTemplate::noPrinterIsAnError()
{
    // Neither a file nor a printer. A printer without a file name goes to
    // the system's default printer if there is one; the PDF format comes
    // last, so that this printer can reach no real printer whatever
    // printTemplate does with it.
    QPrinter printer;
    printer.setOutputFileName({});
    printer.setPrinterName({});
    printer.setOutputFormat(QPrinter::PdfFormat);
    QVERIFY_THROWS_EXCEPTION(
        PrintError,
        printTemplate(printer, makeTemplateParts(calc::readDrawingNumbers(workedETexts(), ","), 1)));
}

// The printout's output fails as the drawing's does, in the same words.
void TestCutTemplate::unwritableFileIsAPrintError()
{
    const QString pdf = dir_.filePath("missing/printed.pdf");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    try {
        printTemplate(printer, makeTemplateParts(calc::readDrawingNumbers(workedETexts(), ","), 1));
        QFAIL("reported as printed");
    } catch (const PrintError& e) {
        QCOMPARE(e.failure().kind, PrintErrorKind::OutputFailed);
        QCOMPARE(QString::fromStdString(e.failure().argument),
                 QStringLiteral("Не удалось записать файл %1: No such file or directory").arg(pdf));
    }
}

void TestCutTemplate::packedApart()
{
    for (int bobbins = 1; bobbins <= cut::kMaxBobbins; ++bobbins) {
        const cut::CutSet set = makeTemplateParts(calc::readDrawingNumbers(workedETexts(), ","), bobbins);
        const TemplateLayout layout = layOutTemplate(set, a4Sheets());
        QCOMPARE(int(layout.pieces.size()), 6 * bobbins);
        // The assembly block goes below the parts of the first page, or on a
        // page of its own after them.
        const bool ownPage = layout.assembly.page == layout.pageCount - 1 && layout.assembly.page > 0;
        QVERIFY(layout.assembly.page == 0 || ownPage);
        QVERIFY(layout.pageCount - (ownPage ? 1 : 0) <= (bobbins + 1) / 2);
        QVERIFY(layout.area.contains(layout.assembly.rect));
        for (const PlacedPiece& a : layout.pieces) {
            const QRectF boxA(a.origin, a.clip.size());
            QVERIFY(layout.area.contains(boxA));
            if (a.page == layout.assembly.page) {
                const QRectF withLabel = boxA.adjusted(0, 0, 0, kLabelGap + kLabelLine * double(a.label.size()));
                QVERIFY(!withLabel.intersects(layout.assembly.rect));
            }
            for (const PlacedPiece& b : layout.pieces) {
                if (&a == &b || a.page != b.page)
                    continue;
                // Parts keep at least 3 mm apart.
                const QRectF grown
                    = boxA.adjusted(-kPartGap + 1e-9, -kPartGap + 1e-9, kPartGap - 1e-9, kPartGap - 1e-9);
                QVERIFY(!grown.intersects(QRectF(b.origin, b.footprint())));
            }
        }
    }
}

void TestCutTemplate::largeCoreIsTiled()
{
    const cut::CutSet set = makeTemplateParts(calc::readDrawingNumbers(largeCoreTexts(), ","), 1);
    const TemplateLayout layout = layOutTemplate(set, a4Sheets());
    QVERIFY(layout.pageCount > 1);
    std::map<int, QList<PlacedPiece>> byPart;
    for (const PlacedPiece& piece : layout.pieces) {
        QVERIFY(layout.area.contains(QRectF(piece.origin, piece.footprint())));
        byPart[piece.part] << piece;
    }
    QCOMPARE(int(byPart.size()), 6);
    const auto& cheekTiles = byPart.at(0);
    QCOMPARE(cheekTiles.size(), cheekTiles.front().columns * cheekTiles.front().rows);
    QVERIFY(cheekTiles.size() > 1);
    for (const auto& [index, tiles] : byPart) {
        const cut::CutPart& part = set.parts[std::size_t(index)];
        QRectF covered;
        for (const PlacedPiece& tile : tiles) {
            covered = covered.united(tile.clip);
            QVERIFY(tile.label.join(u' ').contains(QStringLiteral("часть")) == tile.tiled());
            for (const PlacedPiece& other : tiles) {
                // Neighbours overlap by 10 mm and share their alignment marks.
                const bool right = other.row == tile.row && other.column == tile.column + 1;
                const bool below = other.column == tile.column && other.row == tile.row + 1;
                if (!right && !below)
                    continue;
                const QRectF overlap = tile.clip.intersected(other.clip);
                QCOMPARE(right ? overlap.width() : overlap.height(), kTileOverlap);
                int shared = 0;
                const std::vector<QPointF> theirs = alignmentMarks(other);
                for (const QPointF& m : alignmentMarks(tile)) {
                    if (overlap.contains(m) && std::find(theirs.begin(), theirs.end(), m) != theirs.end())
                        ++shared;
                }
                QCOMPARE(shared, 2);
            }
        }
        QCOMPARE(covered, QRectF(0, 0, part.width, part.height));
    }
    // At each seam, the sheet the neighbouring tile is on.
    const TemplateDrawing drawing = drawTemplate(set, layout);
    static const QRegularExpression note(QStringLiteral("^[←↑↓]? ?лист (\\d+)(?: →)?$"));
    for (int page = 0; page < layout.pageCount; ++page) {
        QList<int> expected, found;
        for (const PlacedPiece& piece : layout.pieces) {
            if (piece.page != page)
                continue;
            for (const PlacedPiece& other : byPart.at(piece.part)) {
                if (qAbs(other.row - piece.row) + qAbs(other.column - piece.column) == 1)
                    expected << other.page + 1;
            }
        }
        for (const Group& group : drawing.pages[std::size_t(page)].groups)
            for (const Layer& layer : group.layers)
                for (const Words& words : layer.words)
                    if (const auto m = note.match(words.text); m.hasMatch())
                        found << m.captured(1).toInt();
        std::sort(expected.begin(), expected.end());
        std::sort(found.begin(), found.end());
        QCOMPARE(found, expected);
    }
    // The PDF has every sheet.
    const QString pdf = dir_.filePath("large.pdf");
    saveTemplate(pdf, set);
    QCOMPARE(pdfInfo(pdf, "Pages").toInt(), layout.pageCount);

}

void TestCutTemplate::wallsTurnToSaveASheet()
{
    // Unturned, the last two of six sheets hold one plain wall each; turned
    // a quarter, both fit on one. A turned wall is drawn across at true size.
    const cut::CutSet set = makeTemplateParts(calc::readDrawingNumbers(turnedWallsTexts(), ","), 1);
    const TemplateLayout layout = layOutTemplate(set, a4Sheets());
    QSet<int> pages;
    for (const PlacedPiece& piece : layout.pieces)
        pages << piece.page;
    QCOMPARE(pages.size(), 5);
    const QString pdf = dir_.filePath("turned.pdf");
    saveTemplate(pdf, set);
    int turned = 0;
    for (const PlacedPiece& piece : layout.pieces) {
        QVERIFY(layout.area.contains(QRectF(piece.origin, piece.footprint())));
        if (!piece.turned)
            continue;
        ++turned;
        QVERIFY(!piece.tiled());
        const cut::CutPart& part = set.parts[std::size_t(piece.part)];
        const QImage page = renderPdfPage(pdf, piece.page + 1);
        const QRectF ink = inkBox(page, pieceRegion(piece), kPixelsPerMm);
        QVERIFY2(qAbs(ink.width() - 0.1 - part.height) <= kInkTolerance, qPrintable(QString::number(ink.width())));
        QVERIFY2(qAbs(ink.height() - 0.1 - part.width) <= kInkTolerance, qPrintable(QString::number(ink.height())));
    }
    QVERIFY(turned >= 2);
    // The one canvas of the SVG has room for everything as it is.
    for (const PlacedPiece& piece : layOutTemplate(set, svgCanvas()).pieces)
        QVERIFY(!piece.turned);
}

// Whatever the core's size, the assembly block's drawings and steps stay
// inside it, on the page the layout gave it, once. A block that misses the
// first sheet by a little is made that much lower rather than take a sheet
// of its own: U-type, A 25, B 25, C 10, H 30, K 2, T 1.5, two bobbins (by
// 1.3 mm). From the front the plain walls (2, 4) span the window's height,
// the tabbed walls (1, 3) their narrow width between them.
void TestCutTemplate::assemblyFitsItsBlock()
{
    calc::DrawingTexts nearMiss = workedUTexts();
    for (const auto& [field, text] : {std::pair{"Edit2", "28,5"},
                                      {"Edit15", "1,5"},
                                      {"Edit16", "28,5"},
                                      {"Edit8", "42"},
                                      {"Edit3", "38"},
                                      {"Edit4", "34,5"},
                                      {"Edit9", "27,5"},
                                      {"Edit10", "30,5"},
                                      {"Edit5", "30,5"}})
        nearMiss[field] = text;
    const struct {
        calc::DrawingTexts texts;
        int bobbins;
    } cases[] = {{workedETexts(), 1},
                 {workedUTexts(), 1},
                 {turnedWallsTexts(), 1},
                 {largeCoreTexts(), 1},
                 {nearMiss, 2}};
    for (const auto& [texts, bobbins] : cases) {
        const cut::CutSet set = makeTemplateParts(calc::readDrawingNumbers(texts, ","), bobbins);
        const TemplateLayout layout = layOutTemplate(set, a4Sheets());
        if (bobbins == 2) {
            QCOMPARE(layout.pageCount, 1);
            const double height = layout.assembly.rect.height();
            QVERIFY2(height < kAssemblyHeight && height >= kAssemblyHeight - kAssemblySlack,
                     qPrintable(QString::number(height)));
        }
        const TemplateDrawing drawing = drawTemplate(set, layout);
        int blocks = 0;
        for (int page = 0; page < layout.pageCount; ++page) {
            for (const Group& group : drawing.pages[std::size_t(page)].groups) {
                if (group.id != u"assembly")
                    continue;
                ++blocks;
                QCOMPARE(page, layout.assembly.page);
                const QRectF block = layout.assembly.rect.adjusted(-1e-6, -1e-6, 1e-6, 1e-6);
                int steps = 0;
                for (const Layer& layer : group.layers) {
                    for (const Shape& shape : layer.shapes)
                        QVERIFY2(block.contains(std::get<Frame>(shape).rect), texts.at("Edit3").c_str());
                    for (const Words& words : layer.words) {
                        QVERIFY2(block.contains(words.at), qPrintable(words.text));
                        steps += words.text.startsWith(QStringLiteral("%1. ").arg(steps + 1)) ? 1 : 0;
                    }
                }
                QCOMPARE(steps, 5);
                const auto& frames = group.layers.front().shapes;  // the cheek, its window, walls 1 to 4, …
                const QRectF window = std::get<Frame>(frames[1]).rect,
                             wall1 = std::get<Frame>(frames[2]).rect, wall2 = std::get<Frame>(frames[3]).rect;
                QCOMPARE(wall2.height(), window.height());
                if (&texts == &cases[0].texts)  // the wall drawn as thick as it is
                    QVERIFY(std::abs(wall1.width() / window.width() - 20.5 / 22.5) < 1e-9);
            }
        }
        QCOMPARE(blocks, 1);
    }
}

void TestCutTemplate::cutterSheetsHoldThePartsOnly_data()
{
    QTest::addColumn<QSizeF>("sheet");
    QTest::addColumn<double>("gap");
    QTest::addColumn<bool>("labels");
    QTest::addColumn<double>("kerf");
    QTest::addColumn<bool>("cutOnly");
    QTest::newRow("300 x 200, labels") << QSizeF(300, 200) << 2.0 << true << 0.0 << false;
    QTest::newRow("100 x 60, no labels, kerf") << QSizeF(100, 60) << 3.0 << false << 0.2 << false;
    QTest::newRow("100 x 60, cut only, kerf") << QSizeF(100, 60) << 3.0 << true << 0.2 << true;
    // The walls and cheeks with their labels fit 48 mm only turned.
    QTest::newRow("100 x 52, parts that fit only turned") << QSizeF(100, 52) << 2.0 << true << 0.0 << false;
}

// For a cutter: the parts alone, nested on sheets of the material's size
// with the gap between them and the calibration square on its own layer, a
// file per sheet with the sheet at the origin; no header, ruler or legend;
// cut only, not even the sheet's outline. The outlines allow for the kerf,
// which the file records.
void TestCutTemplate::cutterSheetsHoldThePartsOnly()
{
    QFETCH(QSizeF, sheet);
    QFETCH(double, gap);
    QFETCH(bool, labels);
    QFETCH(double, kerf);
    QFETCH(bool, cutOnly);
    const cut::CutSet drawn = makeTemplateParts(calc::readDrawingNumbers(workedUTexts(), ","), 2);
    const cut::CutSet set = cut::makeCutSet(drawn.numbers, 2, {0, kerf});
    const std::vector<QByteArray> files = templateSvgFiles(set, CutterSetup{sheet, gap, labels, cutOnly});
    int parts = 0, squares = 0;
    for (const QByteArray& svg : files) {
        SvgDocument doc = readSvg(svg);
        QCOMPARE(doc.uncoloured, 0);
        QCOMPARE(doc.width + u' ' + doc.height,
                 QStringLiteral("%1mm %2mm").arg(sheet.width()).arg(sheet.height()));
        QVERIFY(!doc.groups.count(QStringLiteral("header")) && !doc.groups.count(QStringLiteral("legend")));
        QCOMPARE(doc.layers.contains(u"labels"), labels && !cutOnly);
        if (cutOnly) {
            for (const QString& layer : doc.layers)
                QVERIFY2(QStringList({"holes", "cut", "calibration"}).contains(layer), qPrintable(layer));
        }
        // The sheet's outline, unless cut only, and the square on one sheet.
        const SvgGroup& frames = doc.groups[QStringLiteral("sheet")];
        QCOMPARE(frames.frames.count(sheet), cutOnly ? 0 : 1);
        squares += int(frames.frames.count(QSizeF(10, 10)));
        QList<QRectF> boxes;
        for (const auto& [id, group] : doc.groups) {
            if (group.cutBoxes.isEmpty())
                continue;
            const QRectF box = outerBox(group);
            const QSizeF drawnSize = id.startsWith(u"cheek")    ? QSizeF(29.5, 33)
                                     : id.startsWith(u"tabbed") ? QSizeF(24.5, 38)
                                                                : QSizeF(27.5, 29.5);
            const QSizeF expected = drawnSize + QSizeF(kerf, kerf);
            QVERIFY2((qAbs(box.width() - expected.width()) <= kEdgeTolerance
                      && qAbs(box.height() - expected.height()) <= kEdgeTolerance)
                         || (qAbs(box.width() - expected.height()) <= kEdgeTolerance
                             && qAbs(box.height() - expected.width()) <= kEdgeTolerance),
                     qPrintable(id));
            QVERIFY2(QRectF(QPointF(0, 0), sheet).adjusted(-1e-6, -1e-6, 1e-6, 1e-6).contains(box),
                     qPrintable(id));
            for (const QRectF& other : boxes)
                QVERIFY2(!box.adjusted(-gap + 1e-6, -gap + 1e-6, gap - 1e-6, gap - 1e-6).intersects(other),
                         qPrintable(id));
            boxes << box;
        }
        QVERIFY(!boxes.isEmpty());  // no sheet left empty
        parts += int(boxes.size());
    }
    QCOMPARE(parts, 12);
    QCOMPARE(squares, 1);
    const QByteArray& svg = files.front();
    QVERIFY(svg.contains(QStringLiteral("Ширина реза: %1 мм").arg(QString::number(kerf).replace(u'.', u',')).toUtf8()));

    // A part no sheet can hold, and a PDF with a kerf, are refused: no file.
    const QString path = dir_.filePath("cutter.svg");
    QVERIFY_THROWS_EXCEPTION(TemplateError, saveTemplate(path, set, CutterSetup{{30, 30}, gap, labels}));
    QVERIFY(!QFile::exists(path));
    if (kerf > 0) {
        QVERIFY_THROWS_EXCEPTION(TemplateError, saveTemplate(dir_.filePath("kerf.pdf"), set));
        QVERIFY(!QFile::exists(dir_.filePath("kerf.pdf")));
    }
}

void TestCutTemplate::badValuesGiveAMessage_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("bobbins");
    QTest::addColumn<QString>("says");
    // Each names the dimension and the value, never the control.
    QTest::newRow("zero") << "Edit4"
                          << "0" << 1 << "ширина щеки 0 мм — не больше нуля";
    QTest::newRow("negative") << "Edit15"
                              << "-1" << 1 << "толщина материала -1 мм";
    QTest::newRow("exponent") << "Edit3"
                              << "1E15" << 1 << "высота щеки 1E15 — число с порядком";
    QTest::newRow("not a number") << "Edit16"
                                  << "x" << 1 << "ширина верхней и нижней частей гладкой стенки — не число («x»)";
    QTest::newRow("over 2 m") << "Edit3"
                              << "2772" << 1 << "высота щеки 2772 мм больше 2 м";
    QTest::newRow("window") << "Edit5"
                            << "40" << 1 << "окно щеки 40 × 27,5 мм не меньше самой щеки 39,5 × 44 мм";
    QTest::newRow("no tabs") << "Edit7"
                             << "38" << 1 << "расстояние между линиями выступов 38 мм не меньше высоты стенки с выступами 38 мм";
    QTest::newRow("plain middle") << "Edit11"
                                  << "30" << 1 << "средней части гладкой стенки 30 мм не меньше высоты самой стенки 29,5 мм";
    QTest::newRow("bobbins") << ""
                             << "" << 5 << "от 1 до 4";
}

void TestCutTemplate::badValuesGiveAMessage()
{
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(int, bobbins);
    QFETCH(QString, says);
    calc::DrawingTexts texts = workedETexts();
    if (!field.isEmpty())
        texts[field.toStdString()] = text.toStdString();
    try {
        makeTemplateParts(calc::readDrawingNumbers(texts, ","), bobbins);
        QFAIL("accepted");
    } catch (const TemplateError& e) {
        QVERIFY2(vintorp::lang::messageText(e.failure()).contains(says),
                 qPrintable(vintorp::lang::messageText(e.failure())));
        QVERIFY2(!vintorp::lang::messageText(e.failure()).contains(u"Edit"),
                 qPrintable(vintorp::lang::messageText(e.failure())));
    }
}

void TestCutTemplate::failuresLeaveNoFile_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("tooManySheets");
    QTest::addColumn<QString>("says");
    QTest::newRow("no such folder") << "missing/t.pdf" << false << "Не удалось записать файл";
    QTest::newRow("wrong suffix") << "t.png" << false << ".pdf, .svg или .dxf";
    QTest::newRow("more than 50 sheets, PDF") << "many.pdf" << true << "больше 50 листов";
    QTest::newRow("existing file kept") << "kept.pdf" << true << "больше 50 листов";
}

void TestCutTemplate::failuresLeaveNoFile()
{
    QFETCH(QString, name);
    QFETCH(bool, tooManySheets);
    QFETCH(QString, says);
    const QString path = dir_.filePath(name);
    const bool existed = name.startsWith(u"kept");
    if (existed) {
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("old");
    }
    calc::DrawingTexts texts = workedETexts();
    if (tooManySheets) {
        // Parts just under 2 m: hundreds of A4 sheets.
        texts["Edit4"] = "1990";
        texts["Edit3"] = "1990";
    }
    try {
        saveTemplate(path, makeTemplateParts(calc::readDrawingNumbers(texts, ","), 4));
        QFAIL("written");
    } catch (const TemplateError& e) {
        QVERIFY2(vintorp::lang::messageText(e.failure()).contains(says),
                 qPrintable(vintorp::lang::messageText(e.failure())));
    }
    QCOMPARE(QFile::exists(path), existed);
    if (existed) {
        QFile old(path);
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("old"));
    }
}

void TestCutTemplate::paperTooSmall()
{
    const cut::CutSet set = makeTemplateParts(calc::readDrawingNumbers(workedETexts(), ","), 1);
    const QSizeF a6 = QPageSize(QPageSize::A6).size(QPageSize::Millimeter);
    QVERIFY_THROWS_EXCEPTION(
        TemplateError, layOutTemplate(set, {a6, QRectF(QPointF(5, 5), a6 - QSizeF(10, 10)), Paging::Sheets}));
}

void TestCutTemplate::fullDiskKeepsTheOldFile_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("printed");  // through the print dialog's PDF file
    QTest::newRow("saved PDF") << "existing.pdf" << false;
    QTest::newRow("saved SVG") << "existing.svg" << false;
    QTest::newRow("saved DXF") << "existing.dxf" << false;
    QTest::newRow("printed to a PDF file") << "existing.pdf" << true;
}

void TestCutTemplate::fullDiskKeepsTheOldFile()
{
    QFETCH(QString, name);
    QFETCH(bool, printed);
    const vintorp::testing::SmallDisk disk(12);
    if (!disk.mounted())
        QSKIP(disk.why().c_str());
    const QString path = QString::fromStdString(disk.file(name.toStdString()));
    const QByteArray old(6000, 'o');
    {
        QFile existing(path);
        QVERIFY(existing.open(QIODevice::WriteOnly));
        QCOMPARE(existing.write(old), old.size());
    }
    const cut::CutSet set = makeTemplateParts(calc::readDrawingNumbers(workedETexts(), ","), 1);
    try {
        if (printed) {
            QPrinter printer(QPrinter::HighResolution);
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(path);
            printTemplate(printer, set);
        } else {
            saveTemplate(path, set);
        }
        QFAIL("reported as written");
    } catch (const TemplateError& e) {
        QVERIFY(!printed);
        QVERIFY2(vintorp::lang::messageText(e.failure()).contains(u"No space left on device"),
                 qPrintable(vintorp::lang::messageText(e.failure())));
    } catch (const PrintError& e) {
        QVERIFY(printed);
        QCOMPARE(e.failure().kind, PrintErrorKind::OutputFailed);
        QVERIFY2(QString::fromStdString(e.failure().argument).contains(u"No space left on device"), e.what());
    }
    QFile existing(path);
    QVERIFY(existing.open(QIODevice::ReadOnly));
    QCOMPARE(existing.readAll(), old);
    QCOMPARE(QDir(QString::fromStdString(disk.folder()))
                 .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{name});
}

// A cutter's job of three sheets: a file each, numbered before the suffix;
// on a disk that holds the first only, none.
void TestCutTemplate::cutterSheetsSavedAllOrNone()
{
    const cut::CutSet set = makeTemplateParts(calc::readDrawingNumbers(workedETexts(), ","), 2);
    const CutterSetup sheets{QSizeF(100, 100), 2, true};
    const QString path = dir_.filePath("bobbin.dxf");
    const QStringList numbered{dir_.filePath("bobbin-1.dxf"), dir_.filePath("bobbin-2.dxf"),
                               dir_.filePath("bobbin-3.dxf")};
    QCOMPARE(saveTemplate(path, set, sheets), numbered);
    QVERIFY(!QFile::exists(path));
    QVERIFY(QFile::exists(numbered[2]));
    const std::vector<QByteArray> files = templateDxfFiles(set, sheets);

    const vintorp::testing::SmallDisk disk(int(files[0].size() / 4096 + 2) * 4);
    if (!disk.mounted())
        QSKIP(disk.why().c_str());
    try {
        saveTemplate(QString::fromStdString(disk.file("bobbin.dxf")), set, sheets);
        QFAIL("reported as written");
    } catch (const TemplateError& e) {
        // The first sheet was written, a later one was not.
        const QString message = vintorp::lang::messageText(e.failure());
        QVERIFY2(!message.contains(u"bobbin-1.dxf") && message.contains(u"No space left on device"),
                 qPrintable(message));
    }
    QCOMPARE(QDir(QString::fromStdString(disk.folder()))
                 .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList());
}

void TestCutTemplate::svgHoldsOnlyXmlCharacters_data()
{
    QTest::addColumn<QString>("sep");
    QTest::addColumn<QString>("refused");  // the character named in the message; empty: written
    QTest::newRow("comma") << "," << QString();
    QTest::newRow("middle dot") << "·" << QString();
    QTest::newRow("ampersand") << "&" << QString();
    QTest::newRow("less-than") << "<" << QString();
    QTest::newRow("NUL") << QString(QChar(0)) << "U+0000";
    QTest::newRow("U+0001") << QString(QChar(1)) << "U+0001";
    QTest::newRow("escape") << QString(QChar(0x1b)) << "U+001B";
    QTest::newRow("U+FFFE") << QString(QChar(0xfffe)) << "U+FFFE";
}

void TestCutTemplate::svgHoldsOnlyXmlCharacters()
{
    QFETCH(QString, sep);
    QFETCH(QString, refused);
    calc::DrawingTexts texts = workedETexts();
    for (auto& [field, text] : texts)
        text = QString::fromStdString(text).replace(u',', sep).toStdString();
    const QString path = dir_.filePath(QStringLiteral("sep-%1.svg").arg(QTest::currentDataTag()));
    try {
        saveTemplate(path, makeTemplateParts(calc::readDrawingNumbers(texts, sep.toStdString()), 1));
        QVERIFY2(refused.isEmpty(), "written");
    } catch (const TemplateError& e) {
        QVERIFY2(!refused.isEmpty() && vintorp::lang::messageText(e.failure()).contains(refused),
                 qPrintable(vintorp::lang::messageText(e.failure())));
        QVERIFY(!QFile::exists(path));
        return;
    }
    QFile svg(path);
    QVERIFY(svg.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&svg);
    // The separator reaches the labels as it is, escaped or not.
    const QRegularExpression size(QStringLiteral("[0-9]%1[0-9]").arg(QRegularExpression::escape(sep)));
    int labelsWithSep = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::Characters && size.match(xml.text()).hasMatch())
            ++labelsWithSep;
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QVERIFY(labelsWithSep > 0);
}

VINTORP_TEST_MAIN(TestCutTemplate, QApplication)
#include "tst_cuttemplate.moc"
