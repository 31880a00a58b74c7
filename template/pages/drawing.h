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
#include <QStringList>

#include <array>
#include <optional>
#include <variant>
#include <vector>

namespace vintorp::cut {

// What a layer's things are for. The job gives them their colour and their
// place in a file's layers, so that a cutter's program can sort them.
enum class Job {
    Cut,  // outlines to cut along
    Fold,  // where a tab bends
    Reference,  // where a wall changes width, a tiled part's sheet edges and alignment marks
    Holes,  // the lead holes to drill
    Centres,  // the crosses on the holes' centres
    Waste,  // hatching over what is thrown away
    Calibration,  // the ruler and the 10 mm square
    Labels,  // words
};

// Each job's layer: its name, its AutoCAD colour index in a DXF file and its
// colour everywhere else (that index's own, but black for the cuts, whose
// index 7 is black on paper). No two jobs share a colour, so that a cutter's
// program that sorts by colour keeps them apart; the labels are grey, far from
// the cuts' black. `colour` names it for the legend.
struct JobLook {
    Job job;
    const char* name;
    int colourIndex;
    unsigned rgb;
    const char* colour;
};
// In the files' order, which is a cutter's order of work: the lead holes,
// then the outlines (each part's window before its outer contour), then what
// is not cut. kJobs: the same jobs in the same order.
extern const std::array<JobLook, 8> kJobLooks;
extern const std::array<Job, 8> kJobs;
const JobLook& jobLook(Job job);
QColor jobColour(Job job);
// "cut", "fold", "reference", "holes", "centres", "waste", "calibration", "labels"
QString jobName(Job job);
// The colour's name in the user's language: "чёрный".
QString jobColourName(Job job);

inline constexpr double kLineWidth = 0.1;  // mm, every line
inline constexpr double kDash = 1.0;  // mm of dash, and of gap

// A part's outline, moved by `shift` onto the page.
struct Contour {
    Outline outline;
    QPointF shift;
};
enum class Dash {
    None,
    Dashed,  // kDash of line, kDash of gap
    DashDot,  // kLongDash of line, then a dot between two gaps of kDash
};
inline constexpr double kLongDash = 3.0;  // mm
struct Line {
    QPointF from, to;
    Dash dash = Dash::None;
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

// Things of one job: lines, or words.
struct Layer {
    explicit Layer(Job job, std::optional<QRectF> clip = {}) : job(job), clip(clip) { }

    Job job;
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
    QStringList notes = {};  // what a file records about how it was made: the kerf
};

// The id of a part's group: "cheek-1", "tabbed-wall-2", "plain-wall-1" …
QString partId(const CutPart& part);

TemplateDrawing drawTemplate(const CutSet& set, const TemplateLayout& layout);

}  // namespace vintorp::cut
