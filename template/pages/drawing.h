// A template page as a list of things to draw, made once from the layout: the
// parts with their marks and labels, the header, and the 100 mm ruler with
// its 10 mm square. Every writer (the painter for PDF files and printers, the
// SVG writer) renders these pages as they are and adds nothing of its own, so
// the outputs cannot drift apart. Lengths are millimetres on the paper, y
// downwards.
#pragma once

#include "template/pages/layout.h"
#include "template/parts/cutparts.h"

#include <QColor>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <optional>
#include <variant>
#include <vector>

namespace vintorp::cut {

// The three inks: cut lines; marks (holes, tab and section lines, alignment
// marks); words, with the sheet edges of a tiled part and the ruler.
enum class Ink { Cut, Mark, Words };
QColor inkColour(Ink ink);

inline constexpr double kLineWidth = 0.1;  // mm, every line
inline constexpr double kDash = 1.0;  // mm of dash, and of gap

// A part's outline, moved by `shift` onto the page.
struct Contour {
    Outline outline;
    QPointF shift;
};
struct Line {
    QPointF from, to;
    bool dashed = false;
};
struct Circle {
    QPointF centre;
    double radius = 0;
};
// A rectangle's outline.
struct Frame {
    QRectF rect;
};
using Shape = std::variant<Contour, Line, Circle, Frame>;

// One line of text, `em` millimetres high, its baseline starting at `at`
// (or centred on it).
struct Words {
    QPointF at;
    QString text;
    double em = 0;
    bool centred = false;
};

// Things of one kind in one ink: lines, or words.
struct Layer {
    Layer(QString name, Ink ink, std::optional<QRectF> clip = {})
        : name(std::move(name)), ink(ink), clip(clip)
    {
    }

    QString name;  // "cut", "marks", "label" …
    Ink ink;
    std::vector<Shape> shapes;
    std::vector<Words> words;
    std::optional<QRectF> clip;  // shapes outside it are not drawn
};

// A part's piece ("cheek-1", see partId()), the header or the scale check.
struct Group {
    QString id;
    std::vector<Layer> layers;
};

struct PageDrawing {
    std::vector<Group> groups;
};

struct TemplateDrawing {
    QSizeF paper;
    std::vector<PageDrawing> pages;
};

// The id of a part's group: "cheek-1", "tabbed-wall-2", "plain-wall-1" …
QString partId(const CutPart& part);

TemplateDrawing drawTemplate(const CutSet& set, const TemplateLayout& layout);

}  // namespace vintorp::cut
