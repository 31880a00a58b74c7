// We write the DXF ourselves: R12 is small and has not changed since 1992,
// every cutter's program reads it, and the few hundred lines here cost less
// than pulling in a DXF library, old or GPL-licensed as those for R12 are.
#include "template/pages/dxf.h"

#include "template/pages/layout.h"
#include "template/pages/lettering.h"
#include "template/pages/templateerror.h"
#include "template/pages/texts.h"

#include <array>
#include <cmath>
#include <numbers>
#include <optional>
#include <vector>

namespace vintorp::cut {
namespace {

// Lines end in CR LF, as AutoCAD writes them; readers on every system take them.
constexpr char kLineEnd[] = "\r\n";

const char* linetypeName(Dash dash)
{
    switch (dash) {
    case Dash::None: break;
    case Dash::Dashed: return "DASHED";
    case Dash::DashDot: return "DASHDOT";
    }
    return "CONTINUOUS";
}

// Code page 1251 from 0x80 to 0xBF (0x98 holds nothing); from 0xC0 to 0xFF it
// holds А to я (U+0410 to U+044F) in order, below 0x80 ASCII.
constexpr std::array<char16_t, 64> kCp1251Upper = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409, 0x2039, 0x040A,
    0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x0000, 0x2122,
    0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6,
    0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407, 0x00B0, 0x00B1, 0x0406, 0x0456,
    0x0491, 0x00B5, 0x00B6, 0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,
};

std::optional<char> cp1251(char32_t c)
{
    if (c < 0x80)
        return char(c);
    if (c >= 0x0410 && c <= 0x044F)
        return char(0xC0 + (c - 0x0410));
    for (std::size_t i = 0; i < kCp1251Upper.size(); ++i) {
        if (kCp1251Upper[i] == c)
            return char(0x80 + i);
    }
    return std::nullopt;
}

// A line of words as a DXF text value in code page 1251. A reader of TEXT
// takes "\U+XXXX" for the character XXXX, "^" and the character after it for
// a control character, and "%%" and a letter for a symbol. So: a character
// outside the code page is written "\U+XXXX"; a backslash that would start
// such an escape is one itself; a caret is "^ ", its caret notation. Percent
// signs stay as they are: a lone one is itself, and our words never hold two
// in a row (a number has one separator). Throws TemplateError for a control
// character (a line break would end the value) and for a character beyond
// U+FFFF, which "\U+XXXX" cannot hold.
QByteArray textValue(const QString& text)
{
    const QList<uint> ucs4 = text.toUcs4();
    QByteArray bytes;
    bytes.reserve(ucs4.size());
    const auto escape = [&bytes](char32_t c) {
        bytes += "\\U+" + QByteArray::number(uint(c), 16).toUpper().rightJustified(4, '0');
    };
    for (qsizetype i = 0; i < ucs4.size(); ++i) {
        const char32_t c = ucs4[i];
        if (c < 0x20 || (c >= 0x7F && c <= 0x9F) || c > 0xFFFF)
            throw TemplateError(TemplateErrorKind::DxfCharacter, {std::to_string(c)});
        const auto next = [&](qsizetype k) { return i + k < ucs4.size() ? QChar::toUpper(ucs4[i + k]) : 0U; };
        if (c == u'^') {
            bytes += "^ ";
        } else if (c == u'\\' && (next(1) == u'U' || next(1) == u'M') && next(2) == u'+') {
            escape(c);
        } else if (const std::optional<char> b = cp1251(c)) {
            bytes += *b;
        } else {
            escape(c);
        }
    }
    return bytes;
}

// A number with up to eight decimals and at least one, as AutoCAD writes reals.
QByteArray real(double v)
{
    if (std::abs(v) < 5e-9)
        v = 0;
    QByteArray text = QByteArray::number(v, 'f', 8);
    qsizetype end = text.size();
    while (text[end - 1] == '0' && text[end - 2] != '.')
        --end;
    text.truncate(end);
    return text;
}

// A point of an outline and the bulge of the segment from it to the next.
struct Vertex {
    QPointF at;
    double bulge = 0;
};
using Ring = std::vector<Vertex>;

// A contour's closed rings on the page, one per Move, each without its last
// point when that is its first.
std::vector<Ring> rings(const Contour& contour)
{
    std::vector<Ring> rings;
    for (const PathStep& step : contour.outline) {
        const QPointF to = QPointF(step.to.x, step.to.y) + contour.shift;
        if (step.kind == PathStep::Kind::Move || rings.empty()) {
            rings.push_back({{to}});
            continue;
        }
        // An arc's bulge, on the vertex it starts from, is the tangent of a
        // quarter of its sweep, positive anticlockwise. Flipping y turns the
        // page's anticlockwise (as seen, y down) into DXF's (y up) as seen
        // too, so the sweep keeps its sign.
        if (step.kind == PathStep::Kind::Arc)
            rings.back().back().bulge = std::tan(step.sweepDegrees * std::numbers::pi / 720);
        rings.back().push_back({to});
    }
    for (Ring& ring : rings) {
        const QPointF gap = ring.back().at - ring.front().at;
        if (ring.size() > 1 && std::abs(gap.x()) < 1e-6 && std::abs(gap.y()) < 1e-6)
            ring.pop_back();
    }
    return rings;
}

class DxfWriter {
public:
    explicit DxfWriter(const TemplateDrawing& drawing) : drawing_(drawing) { out_.reserve(1 << 16); }

    QByteArray file()
    {
        // A comment, which readers pass over: for a person opening the file.
        tag(999, "Vintorp cut template, 1 unit = 1 mm");
        // How it was made (the kerf), a comment a line.
        for (const QString& note : drawing_.notes)
            tag(999, textValue(note));
        header();
        tables();
        entities();
        tag(0, "EOF");
        return std::move(out_);
    }

private:
    void tag(int code, QByteArrayView value)
    {
        // Group codes right-aligned in three columns, as AutoCAD writes them.
        if (code < 100)
            out_ += code < 10 ? "  " : " ";
        out_ += QByteArray::number(code);
        out_ += kLineEnd;
        out_ += value;
        out_ += kLineEnd;
    }
    void integer(int code, int value) { tag(code, QByteArray::number(value)); }
    void number(int code, double value) { tag(code, real(value)); }
    // A point in DXF's own frame at `code` (10, 11 …).
    void dxfPoint(double x, double y, int code = 10)
    {
        number(code, x);
        number(code + 10, y);
        number(code + 20, 0);
    }
    // A point of the page, y turned upwards.
    void point(QPointF p, int code = 10) { dxfPoint(p.x(), drawing_.paper.height() - p.y(), code); }
    void variable(const char* name) { tag(9, name); }
    void section(const char* name)
    {
        tag(0, "SECTION");
        tag(2, name);
    }
    void table(const char* name, int entries)
    {
        tag(0, "TABLE");
        tag(2, name);
        integer(70, entries);
    }

    void header()
    {
        section("HEADER");
        variable("$ACADVER");
        tag(1, "AC1009");
        variable("$DWGCODEPAGE");
        tag(3, "ANSI_1251");
        variable("$INSBASE");
        dxfPoint(0, 0);
        // The extents are the paper's: every line and word lies on it.
        variable("$EXTMIN");
        dxfPoint(0, 0);
        variable("$EXTMAX");
        dxfPoint(drawing_.paper.width(), drawing_.paper.height());
        variable("$LTSCALE");
        number(40, 1);
        tag(0, "ENDSEC");
    }

    void linetype(const char* name, const char* looks, std::initializer_list<double> pattern)
    {
        tag(0, "LTYPE");
        tag(2, name);
        integer(70, 0);
        tag(3, looks);
        integer(72, 65);  // 'A', the alignment every linetype has
        integer(73, int(pattern.size()));
        double length = 0;
        for (const double element : pattern)
            length += std::abs(element);
        number(40, length);
        // Dashes positive, gaps negative, a dot of length 0.
        for (const double element : pattern)
            number(49, element);
    }

    void tables()
    {
        section("TABLES");
        table("LTYPE", 3);
        linetype("CONTINUOUS", "Solid line", {});
        linetype("DASHED", "__ __ __ __", {kDash, -kDash});
        linetype("DASHDOT", "___ . ___ .", {kLongDash, -kDash, 0, -kDash});
        tag(0, "ENDTAB");

        // The layers that hold something: a cut-only file names no other.
        std::vector<Job> used;
        for (const Job job : kJobs) {
            bool any = false;
            forEachLayer(job, [&any](const Layer& layer) {
                any = any || !layer.shapes.empty() || !layer.words.empty();
            });
            if (any)
                used.push_back(job);
        }
        table("LAYER", int(used.size()));
        for (const Job job : used) {
            tag(0, "LAYER");
            tag(2, jobName(job).toLatin1());
            integer(70, 0);
            integer(62, jobLook(job).colourIndex);
            tag(6, linetypeName(layerDash(job)));
        }
        tag(0, "ENDTAB");

        table("STYLE", 1);
        tag(0, "STYLE");
        tag(2, "STANDARD");
        integer(70, 0);
        number(40, 0);
        number(41, 1);
        number(50, 0);
        integer(71, 0);
        number(42, kLabelEm);
        tag(3, "txt");
        tag(0, "ENDTAB");
        tag(0, "ENDSEC");
    }

    // The dash most of a job's lines have (the first of a tie, in the order
    // of Dash): its layer's linetype. A line with another names its own.
    Dash layerDash(Job job) const
    {
        static_assert(int(Dash::None) == 0 && int(Dash::Dashed) == 1 && int(Dash::DashDot) == 2);
        std::array<int, 3> counts{};
        forEachLayer(job, [&counts](const Layer& layer) {
            for (const Shape& shape : layer.shapes) {
                if (const Line* line = std::get_if<Line>(&shape))
                    ++counts[std::size_t(line->dash)];
            }
        });
        return Dash(std::max_element(counts.begin(), counts.end()) - counts.begin());
    }

    template <typename Visit>
    void forEachLayer(Job job, Visit&& visit) const
    {
        for (const PageDrawing& page : drawing_.pages) {
            for (const Group& group : page.groups) {
                for (const Layer& layer : group.layers) {
                    if (layer.job == job)
                        visit(layer);
                }
            }
        }
    }

    void entity(const char* type, Dash dash = Dash::None)
    {
        tag(0, type);
        tag(8, layerName_);
        if (dash != layerDash_)
            tag(6, linetypeName(dash));
    }

    void polyline(const Ring& ring)
    {
        entity("POLYLINE");
        integer(66, 1);  // vertices follow
        dxfPoint(0, 0);  // always there, and always 0
        integer(70, 1);  // closed
        for (const Vertex& v : ring) {
            tag(0, "VERTEX");
            tag(8, layerName_);
            point(v.at);
            if (v.bulge != 0)
                number(42, v.bulge);
        }
        tag(0, "SEQEND");
        tag(8, layerName_);
    }

    void shape(const Shape& s)
    {
        std::visit(
            [this](const auto& s) {
                using S = std::decay_t<decltype(s)>;
                if constexpr (std::is_same_v<S, Contour>) {
                    for (const Ring& ring : rings(s)) {
                        if (ring.size() > 1)
                            polyline(ring);
                    }
                } else if constexpr (std::is_same_v<S, Line>) {
                    entity("LINE", s.dash);
                    point(s.from);
                    point(s.to, 11);
                } else if constexpr (std::is_same_v<S, Circle>) {
                    entity("CIRCLE");
                    point(s.centre);
                    number(40, s.radius);
                } else {
                    const QRectF& r = s.rect;
                    polyline({{r.topLeft()}, {r.topRight()}, {r.bottomRight()}, {r.bottomLeft()}});
                }
            },
            s);
    }

    void words(const Words& w)
    {
        entity("TEXT");
        point(w.at);
        // A TEXT's height is that of its capitals, as cutters' and drawing
        // programs read it; the em would make the labels look 1.45 times as
        // large as on the PDF and SVG.
        number(40, w.em * capPerEm_);
        tag(1, textValue(w.text));
        if (w.centred) {
            // Centred on the baseline: the second point is the one that counts.
            integer(72, 1);
            point(w.at, 11);
        }
    }

    // Layer by layer, as a drawing program lists them, in the order of
    // kJobLooks (a cutter's order of work); in each the things of every part,
    // header and scale check.
    void entities()
    {
        section("ENTITIES");
        for (const Job job : kJobs) {
            layerName_ = jobName(job).toLatin1();
            layerDash_ = layerDash(job);
            forEachLayer(job, [this](const Layer& layer) {
                Q_ASSERT(!layer.clip);  // one canvas: nothing is tiled
                // In the drawing's order: a part's window before its outline.
                for (const Shape& s : layer.shapes)
                    shape(s);
                for (const Words& w : layer.words)
                    words(w);
            });
        }
        tag(0, "ENDSEC");
    }

    const TemplateDrawing& drawing_;
    const double capPerEm_ = labelCapHeight() / kLabelEm;
    QByteArray out_;
    QByteArray layerName_;
    Dash layerDash_ = Dash::None;
};

}  // namespace

QByteArray templateDxf(const TemplateDrawing& drawing)
{
    return DxfWriter(drawing).file();
}

}  // namespace vintorp::cut
