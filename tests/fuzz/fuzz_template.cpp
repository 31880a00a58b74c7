// Fuzz target for the cut template: the parts from the drawing's field texts
// (makeTemplateParts), their layout on A4 sheets and on one canvas, and the
// writers, SVG (templateSvgFiles), DXF (templateDxfFiles) and PDF
// (writeTemplatePdf), into memory.
//
// Qt's PDF engine takes nine tenths of the time of an input that makes parts
// (it compresses every page). So every input's pages are painted into a
// QPicture, which runs all of our painting code, and one input in
// VINTORP_PDF_SAMPLE, chosen by the input's bytes so that a crash replays,
// is written as a PDF as well. The replay program over the stored corpus
// writes every input's PDF.
//
// Input: the decimal separator as one character, then a core type byte, a
// bobbin count byte and an environment byte, then the fourteen field texts,
// one a line, in the drawing window's tab order (kDrawingFieldTable). A line
// break right after the header bytes is skipped. Fewer lines leave the last
// fields out. In the texts '#' stands for the separator, so that a number
// stays a number whatever separator the input chooses. A fifteenth line, if
// any, chooses the file's settings, a byte each from '0': the kerf and the
// window's clearance (kAllowances), a cutter's sheet (kSheets; 0 none), its
// gap (kGaps) and its labels (odd: off).
//
// The separator is read as UTF-8 without its checks, so every code point can
// be chosen: a lead byte gives the length, each following byte its low six
// bits (surrogates, U+FFFE and overlong forms included, beyond U+10FFFF
// wrapped); a byte that cannot lead stands for itself (U+0080 to U+00BF,
// U+00F8 to U+00FF). So "," is a comma, a NUL byte U+0000.
//
// The header bytes are read relative to '0':
// - core type: 0 E-type, 1 U-type, 2 neither (-1), then round again;
// - bobbins: 0 the default for the core type, 1 to 4 that many, others a
//   count out of range (0, 5, -1, the largest and the smallest int);
// - environment: the caller's, see fuzz_support.h.
// So ",000\n27#5\n44\n..." is the worked example with a comma.
//
// Properties:
// - a TemplateError is a normal end and says something; any other exception
//   or a sanitizer report is a fault;
// - parts are made only for 1 to kMaxBobbins bobbins, six per bobbin;
// - making the parts, laying them out and writing both files keep the
//   caller's environment (fuzz_support.h). The calculation sets its own and
//   puts the caller's back; the layout and the writers run in the caller's
//   and, with Qt's painting, leave it as they found it. When that breaks in
//   the writers, look first at whether Qt raised the flag;
// - in both layouts every piece lies inside the part area of its page, shows
//   a part of its part, and every part has a piece;
// - the SVG is well-formed XML, read to its end;
// - the DXF is pairs of lines ending in CR LF, each pair's first a group
//   code, no other control character in any line, and EOF last;
// - the PDF is not empty and begins with "%PDF-".
#include <QBuffer>
#include <QByteArray>
#include <QGuiApplication>
#include <QPainter>
#include <QPicture>
#include <QString>
#include <QXmlStreamReader>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <functional>
#include <iterator>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/bobbin.h"
#include "calc/drawingfields.h"
#include "calc/drawingnumbers.h"
#include "fuzz_support.h"
#include "template/pages/cuttemplate.h"
#include "template/pages/drawing.h"
#include "template/pages/layout.h"
#include "template/pages/paint.h"
#include "template/pages/templateerror.h"
#include "template/parts/cutparts.h"

namespace {

using vintorp::cut::CutSet;
using vintorp::cut::PlacedPiece;
using vintorp::cut::TemplateError;
using vintorp::cut::TemplateLayout;
using vintorp::fuzz::Require;

// The fonts and the paint engines need a GUI application, made once, on the
// offscreen platform.
void EnsureApplication()
{
    static int argc = 1;
    static char name[] = "fuzz_template";
    static char* argv[] = {name, nullptr};
    static const bool offscreen = qputenv("QT_QPA_PLATFORM", "offscreen");
    static const QGuiApplication application(argc, argv);
    (void)offscreen;
}

std::uint8_t FromDigitZero(std::uint8_t byte)
{
    return static_cast<std::uint8_t>(byte - '0');
}

// One character of the separator, see above; consumes its bytes.
char32_t TakeCodePoint(std::string_view& in)
{
    const auto lead = static_cast<std::uint8_t>(in.front());
    std::size_t length = 1;
    char32_t cp = lead;
    if (lead >= 0xC0 && lead < 0xE0) {
        length = 2;
        cp = lead & 0x1FU;
    } else if (lead >= 0xE0 && lead < 0xF0) {
        length = 3;
        cp = lead & 0x0FU;
    } else if (lead >= 0xF0 && lead < 0xF8) {
        length = 4;
        cp = lead & 0x07U;
    }
    length = std::min(length, in.size());
    for (std::size_t i = 1; i < length; ++i) {
        cp = (cp << 6) | (static_cast<std::uint8_t>(in[i]) & 0x3FU);
    }
    in.remove_prefix(length);
    return cp % 0x110000;
}

// The code point as a QString, a lone surrogate kept as it is.
QString SeparatorText(char32_t cp)
{
    if (QChar::requiresSurrogates(cp)) {
        const QChar pair[2] = {QChar(QChar::highSurrogate(cp)), QChar(QChar::lowSurrogate(cp))};
        return QString(pair, 2);
    }
    return QString(QChar(static_cast<char16_t>(cp)));
}

int CoreType(std::uint8_t byte)
{
    constexpr int kTypes[] = {vintorp::calc::ETypeCore, vintorp::calc::UTypeCore, -1};
    return kTypes[FromDigitZero(byte) % 3];
}

int Bobbins(std::uint8_t byte, int coreType)
{
    const std::uint8_t choice = FromDigitZero(byte);
    if (choice == 0) {
        return vintorp::cut::defaultBobbinCount(coreType);
    }
    if (choice <= vintorp::cut::kMaxBobbins) {
        return choice;
    }
    constexpr int kOutOfRange[] = {0, vintorp::cut::kMaxBobbins + 1, -1, INT_MAX, INT_MIN};
    return kOutOfRange[choice % std::size(kOutOfRange)];
}

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kAllowances[] = {0, 0.05, 0.2, 0.5, 1, -0.1, 1.5, kNaN, 1e-300};
constexpr QSizeF kSheets[] = {{0, 0},      {300, 200}, {100, 60}, {30, 30},
                              {10, 10},    {3000, 3000}, {5, 5},  {kNaN, 100}};
constexpr double kGaps[] = {2, 0, 50, 51, -1, kNaN};

struct Settings {
    vintorp::cut::CutAllowances allowances;
    std::optional<vintorp::cut::CutterSetup> cutter;
};

Settings ReadSettings(std::string_view line)
{
    const auto pick = [&line](std::size_t i, const auto& table) {
        const std::uint8_t byte = i < line.size() ? FromDigitZero(static_cast<std::uint8_t>(line[i])) : 0;
        return table[byte % std::size(table)];
    };
    Settings s;
    s.allowances = {pick(1, kAllowances), pick(0, kAllowances)};
    const QSizeF sheet = pick(2, kSheets);
    if (!sheet.isNull())
        s.cutter = vintorp::cut::CutterSetup{sheet, pick(3, kGaps), !(line.size() > 4 && line[4] % 2)};
    return s;
}

// The field texts, '#' replaced by the separator as the parts read it; `in`
// keeps what follows them.
vintorp::calc::DrawingTexts ReadFieldTexts(std::string_view& in, const std::string& sep)
{
    vintorp::calc::DrawingTexts texts;
    for (const vintorp::calc::DrawingField& field : vintorp::calc::kDrawingFieldTable) {
        if (in.empty()) {
            break;
        }
        const std::size_t end = std::min(in.find('\n'), in.size());
        std::string text;
        for (const char c : in.substr(0, end)) {
            if (c == '#') {
                text += sep;
            } else {
                text += c;
            }
        }
        texts.emplace(field.name, std::move(text));
        in.remove_prefix(std::min(end + 1, in.size()));
    }
    return texts;
}

// Whether `inner` lies within `outer`, to a millionth of a millimetre.
bool Within(const QRectF& inner, const QRectF& outer)
{
    constexpr double kSlack = 1e-6;
    return inner.left() >= outer.left() - kSlack && inner.top() >= outer.top() - kSlack
           && inner.right() <= outer.right() + kSlack && inner.bottom() <= outer.bottom() + kSlack;
}

void CheckLayout(const CutSet& set, const TemplateLayout& layout)
{
    Require(Within(layout.printable, QRectF(QPointF(0, 0), layout.paper)),
            "the printable area is on the paper");
    Require(Within(layout.area, layout.printable), "the parts' area is in the printable area");
    std::vector<bool> placed(set.parts.size(), false);
    for (const PlacedPiece& piece : layout.pieces) {
        Require(piece.part >= 0 && piece.part < int(set.parts.size()), "a piece is of one of the parts");
        Require(piece.page >= 0 && piece.page < layout.pageCount, "a piece is on one of the pages");
        const vintorp::cut::CutPart& part = set.parts[std::size_t(piece.part)];
        Require(!piece.clip.isEmpty() && Within(piece.clip, QRectF(0, 0, part.width, part.height)),
                "a piece shows a part of its part");
        Require(Within(QRectF(piece.origin, piece.footprint()), layout.area),
                "every piece lies inside its page");
        placed[std::size_t(piece.part)] = true;
    }
    Require(std::all_of(placed.begin(), placed.end(), [](bool p) { return p; }), "every part is laid out");
}

// On a cutter's sheets every piece lies within its sheet, clear of its edges
// by the gap, and so does the calibration square.
void CheckCutterSheets(const TemplateLayout& layout, const vintorp::cut::CutterSetup& cutter)
{
    const auto onASheet = [&](const QRectF& r) {
        return Within(
            r,
            QRectF(QPointF(0, 0), cutter.sheet).adjusted(cutter.gap, cutter.gap, -cutter.gap, -cutter.gap));
    };
    for (const PlacedPiece& piece : layout.pieces)
        Require(!piece.tiled() && onASheet(QRectF(piece.origin, piece.footprint())), "every part lies on a sheet");
    Require(onASheet(layout.testSquare), "the calibration square lies on a sheet");
}

void CheckSvg(const CutSet& set, const std::optional<vintorp::cut::CutterSetup>& cutter)
{
    if (cutter) {
        const TemplateLayout layout = vintorp::cut::layOutTemplate(
            set, vintorp::cut::cutterSheets(cutter->sheet, cutter->gap, cutter->labels));
        CheckLayout(set, layout);
        CheckCutterSheets(layout, *cutter);
    } else {
        CheckLayout(set, vintorp::cut::layOutTemplate(set, vintorp::cut::svgCanvas()));
    }
    for (const QByteArray& svg : vintorp::cut::templateSvgFiles(set, cutter)) {
        QXmlStreamReader xml(svg);
        while (!xml.atEnd()) {
            xml.readNext();
        }
        Require(!xml.hasError(), "the SVG is well-formed XML");
    }
}

void CheckDxf(const CutSet& set, const std::optional<vintorp::cut::CutterSetup>& cutter)
{
    for (const QByteArray& dxf : vintorp::cut::templateDxfFiles(set, cutter)) {
        Require(dxf.endsWith("\r\n  0\r\nEOF\r\n"), "the DXF ends with EOF");
        const QList<QByteArray> lines = dxf.chopped(2).split('\n');
        Require(lines.size() % 2 == 0, "the DXF is pairs of lines");
        for (qsizetype i = 0; i < lines.size(); ++i) {
            const QByteArray& line = lines[i];
            Require(line.endsWith('\r') || i + 1 == lines.size(), "a DXF line ends in CR LF");
            Require(std::none_of(line.begin(), line.end() - (i + 1 < lines.size()),
                                 [](char c) { return static_cast<unsigned char>(c) < 0x20; }),
                    "no control character in a DXF line");
            bool code = true;
            if (i % 2 == 0) {
                line.trimmed().toInt(&code);
            }
            Require(code, "a DXF pair begins with its group code");
        }
    }
}

#ifndef VINTORP_PDF_SAMPLE
#define VINTORP_PDF_SAMPLE 1
#endif

// Whether this input also goes through the PDF engine, see above.
bool WritesPdf(std::string_view input)
{
    return std::hash<std::string_view>{}(input) % VINTORP_PDF_SAMPLE == 0;
}

void CheckPaint(const CutSet& set, bool pdf)
{
    const TemplateLayout layout = vintorp::cut::layOutTemplate(set, vintorp::cut::a4Sheets());
    CheckLayout(set, layout);
    const vintorp::cut::TemplateDrawing drawing = vintorp::cut::drawTemplate(set, layout);
    for (const vintorp::cut::PageDrawing& page : drawing.pages) {
        QPicture picture;
        QPainter painter(&picture);
        vintorp::cut::paintTemplatePage(painter, page);
    }
    if (!pdf) {
        return;
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    vintorp::cut::writeTemplatePdf(buffer, drawing);
    buffer.close();
    Require(bytes.startsWith("%PDF-"), "the PDF begins with %PDF-");
}

// Runs one stage; its TemplateError ends the stage and must say something.
template <typename Stage>
void Refusable(Stage&& stage)
{
    try {
        stage();
    } catch (const TemplateError& e) {
        Require(*e.what() != '\0', "a TemplateError says what is wrong");
    }
}

}  // namespace

// Qt's font fallback leaks fontconfig's match patterns (libQt6Gui and
// libfontconfig, not built with the sanitizers); the leak checker is told to
// pass over allocations made inside fontconfig, and only those.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig.so\n";
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string_view in(reinterpret_cast<const char*>(data), size);
    const bool pdf = WritesPdf(in);
    if (in.empty()) {
        return 0;
    }
    const QString sep = SeparatorText(TakeCodePoint(in));
    if (in.size() < 3) {
        return 0;
    }
    const int coreType = CoreType(static_cast<std::uint8_t>(in[0]));
    const int bobbins = Bobbins(static_cast<std::uint8_t>(in[1]), coreType);
    const vintorp::fuzz::FpState caller = vintorp::fuzz::CallerEnvironment(FromDigitZero(in[2]));
    in.remove_prefix(3);
    if (in.starts_with('\n')) {
        in.remove_prefix(1);
    }
    const vintorp::calc::DrawingTexts texts = ReadFieldTexts(in, sep.toStdString());
    const Settings settings = ReadSettings(in.substr(0, std::min(in.find('\n'), in.size())));

    EnsureApplication();
    const vintorp::fuzz::FpState start = vintorp::fuzz::FpState::Read();
    CutSet set;
    bool made = false;
    vintorp::fuzz::KeepsEnvironment(caller, "reading and making the parts keep the environment", [&] {
        Refusable([&] {
            const auto numbers = vintorp::calc::readDrawingNumbers(texts, sep.toStdString());
            set = vintorp::cut::makeTemplateParts(numbers, bobbins, settings.allowances);
            made = true;
        });
    });
    start.Load();
    if (!made) {
        return 0;
    }
    Require(bobbins >= 1 && bobbins <= vintorp::cut::kMaxBobbins, "parts only for 1 to 4 bobbins");
    const auto inRange = [](double v) { return v >= 0 && v <= vintorp::cut::kMaxAllowance; };
    Require(inRange(settings.allowances.kerf) && inRange(settings.allowances.windowClearance),
            "parts only with a kerf and a clearance of 0 to 1 mm");
    Require(set.parts.size() == 6 * std::size_t(bobbins), "six parts a bobbin");
    vintorp::fuzz::KeepsEnvironment(caller, "the SVG keeps the environment",
                                    [&] { Refusable([&] { CheckSvg(set, settings.cutter); }); });
    vintorp::fuzz::KeepsEnvironment(caller, "the DXF keeps the environment",
                                    [&] { Refusable([&] { CheckDxf(set, settings.cutter); }); });
    vintorp::fuzz::KeepsEnvironment(caller, "painting and the PDF keep the environment",
                                    [&] { Refusable([&] { CheckPaint(set, pdf); }); });
    start.Load();
    return 0;
}
