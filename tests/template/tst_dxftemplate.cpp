// The DXF as a cutter's program gets it, read back by an independent reader
// (Debian's python3-ezdxf, through dxf_read.py): its version, layers and
// linetypes, each part's outlines where the layout put them with the size and
// area Qt's painter gives them, the holes, the words in Russian, and the
// characters no DXF text can hold.
#include "headless.h"
#include "template/pages/cuttemplate.h"
#include "template/pages/dxf.h"
#include "template/pages/templateerror.h"
#include "lang/messages.h"
#include "templatetesting.h"

#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainterPath>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <cmath>

using namespace vintorp::cut;
using namespace vintorp::cut::testing;

namespace {

constexpr double kTolerance = 0.01;  // mm, and mm² for areas

// What dxf_read.py finds in `dxf`; an empty object when ezdxf cannot read it.
QJsonObject readDxf(const QByteArray& dxf, const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(dxf) != dxf.size())
        return {};
    file.close();
    const ToolRun run = runTool(QStringLiteral("/usr/bin/python3"), {QStringLiteral(VINTORP_DXF_READ), path});
    return run.exitCode == 0 ? QJsonDocument::fromJson(run.out).object() : QJsonObject();
}

// An outline's bounding box and area on the page as Qt's painter draws it
// (and so the PDF), its curves flattened to a thousandth of a millimetre.
std::pair<QRectF, double> painted(const Outline& outline, QPointF shift)
{
    QPainterPath path;
    for (const PathStep& s : outline) {
        if (s.kind == PathStep::Kind::Move)
            path.moveTo(s.to.x, s.to.y);
        else if (s.kind == PathStep::Kind::Line)
            path.lineTo(s.to.x, s.to.y);
        else
            path.arcTo(QRectF(s.centre.x - s.radius, s.centre.y - s.radius, 2 * s.radius, 2 * s.radius),
                       s.startDegrees, s.sweepDegrees);
    }
    path.closeSubpath();
    const QPolygonF p = QTransform::fromScale(1000, 1000).map(path).toFillPolygon();
    double twice = 0;
    for (qsizetype i = 0; i < p.size(); ++i)
        twice += p[i].x() * p[(i + 1) % p.size()].y() - p[(i + 1) % p.size()].x() * p[i].y();
    return {path.boundingRect().translated(shift), std::abs(twice) / 2e6};
}

bool near(const QJsonArray& found, std::initializer_list<double> expected)
{
    return found.size() == qsizetype(expected.size())
           && std::equal(expected.begin(), expected.end(), found.begin(), [](double e, const QJsonValue& f) {
                  return std::abs(f.toDouble() - e) <= kTolerance;
              });
}

QJsonArray entities(const QJsonObject& doc, Job job, const char* kind)
{
    return doc["layers"][jobName(job)][QLatin1String(kind)].toArray();
}

}  // namespace

class TestDxfTemplate : public QObject {
    Q_OBJECT

private slots:
    void readBack_data();
    void readBack();
    void textsReadBack_data();
    void textsReadBack();
    void cutterSheetsReadBack_data();
    void cutterSheetsReadBack();

private:
    QTemporaryDir dir_;
};

void TestDxfTemplate::readBack_data()
{
    QTest::addColumn<bool>("uType");
    QTest::addColumn<int>("bobbins");
    QTest::addColumn<double>("diameter");
    QTest::newRow("E-type, holes of 2.5 mm") << false << 1 << 2.5;
    QTest::newRow("U-type, 2 bobbins") << true << 2 << kLeadHoleDiameter;
}

void TestDxfTemplate::readBack()
{
    QFETCH(bool, uType);
    QFETCH(int, bobbins);
    QFETCH(double, diameter);
    const CutSet set
        = makeTemplateParts(vintorp::calc::readDrawingNumbers(uType ? workedUTexts() : workedETexts(), ","),
                            bobbins, {0, 0, diameter});
    const TemplateLayout layout = layOutTemplate(set, svgCanvas());
    const QByteArray dxf = templateDxfFiles(set).front();
    QVERIFY(dxf.startsWith("999\r\n") && dxf.left(dxf.indexOf("  0\r\n")).contains("1 unit = 1 mm"));
    const QJsonObject doc = readDxf(dxf, dir_.filePath(QTest::currentDataTag() + QStringLiteral(".dxf")));
    QCOMPARE(doc["version"].toString(), QStringLiteral("AC1009"));
    QCOMPARE(doc["codepage"].toString(), QStringLiteral("ANSI_1251"));
    QVERIFY2(doc["audit"].toArray().isEmpty(), QJsonDocument(doc["audit"].toArray()).toJson());
    const double h = layout.paper.height();
    QVERIFY(near(doc["extents"].toArray(), {0, 0, layout.paper.width(), h}));

    // A layer per job in a colour near the job's (7: black on paper), no two
    // jobs of one colour, the labels far from the cuts' black; the fold and
    // reference lines' dashes.
    std::map<int, QColor> colours;
    QSet<QRgb> rgbs;
    for (const Job job : kJobs) {
        const QJsonObject layer = doc["layers"][jobName(job)].toObject();
        if (uType && (job == Job::Holes || job == Job::Centres))
            continue;  // a U-type core's flanges have no lead holes: no layer
        QVERIFY2(!layer.isEmpty(), qPrintable(jobName(job)));
        const int index = layer["colour"].toInt();
        const QJsonArray rgb = layer["rgb"].toArray();
        const QColor c = jobColour(job);
        const QColor aci
            = index == 7 ? QColor(Qt::black) : QColor(rgb[0].toInt(), rgb[1].toInt(), rgb[2].toInt());
        const int off = std::max({std::abs(c.red() - aci.red()), std::abs(c.green() - aci.green()),
                                  std::abs(c.blue() - aci.blue())});
        QVERIFY2(off <= 48, qPrintable(jobName(job)));
        QVERIFY2(colours.emplace(index, c).second && !rgbs.contains(c.rgb()), qPrintable(jobName(job)));
        rgbs << c.rgb();
        if (job == Job::Labels)
            QVERIFY(std::min({c.red(), c.green(), c.blue()}) >= 96);
        QVERIFY(layer["other"].toArray().isEmpty());
        const char* linetype = job == Job::Fold ? "DASHDOT" : job == Job::Reference ? "DASHED" : "CONTINUOUS";
        QCOMPARE(layer["linetype"].toString(), QLatin1String(linetype));
        // Solid marks on the dashed reference layer (the legend's diamond) have their own.
        for (const QJsonValue line : layer["LINE"].toArray())
            QCOMPARE(line["linetype"].toString(),
                     job == Job::Reference && line["linetype"].toString() != u"BYLAYER"
                         ? QStringLiteral("CONTINUOUS")
                         : QStringLiteral("BYLAYER"));
    }
    QVERIFY(near(doc["linetypes"]["DASHED"].toArray(), {2 * kDash, kDash, -kDash}));
    QVERIFY(
        near(doc["linetypes"]["DASHDOT"].toArray(), {kLongDash + 2 * kDash, kLongDash, -kDash, 0, -kDash}));

    // Every outline a closed polyline where the layout put it, y upwards,
    // the outer one as large as its part, each with the area Qt paints.
    const QJsonArray cuts = entities(doc, Job::Cut, "POLYLINE");
    qsizetype outlines = 0;
    for (const PlacedPiece& piece : layout.pieces) {
        const CutPart& part = set.parts[std::size_t(piece.part)];
        for (std::size_t k = 0; k < part.cuts.size(); ++k, ++outlines) {
            const auto [box, area] = painted(part.cuts[k], piece.origin);
            const QRectF r = k == 0 ? QRectF(piece.origin, QSizeF(part.width, part.height)) : box;
            const bool found = std::any_of(cuts.begin(), cuts.end(), [&](const QJsonValue& c) {
                return c["closed"].toBool()
                       && near(c["box"].toArray(), {r.left(), h - r.bottom(), r.right(), h - r.top()})
                       && std::abs(c["area"].toDouble() - area) <= kTolerance;
            });
            QVERIFY2(found, qPrintable(QStringLiteral("%1, outline %2").arg(partId(part)).arg(k)));
        }
    }
    QCOMPARE(cuts.size(), outlines);

    // Nothing lost and nothing added: each layer has as many polylines,
    // lines, circles and words as the drawing has of its job.
    const TemplateDrawing drawing = drawTemplate(set, layout);
    for (const Job job : kJobs) {
        std::map<QString, qsizetype> drawn;
        for (const Group& group : drawing.pages.at(0).groups) {
            for (const Layer& layer : group.layers) {
                if (layer.job != job)
                    continue;
                for (const Shape& shape : layer.shapes)
                    ++drawn[std::holds_alternative<Line>(shape)     ? "LINE"
                            : std::holds_alternative<Circle>(shape) ? "CIRCLE"
                                                                    : "POLYLINE"];
                drawn["TEXT"] += qsizetype(layer.words.size());
            }
        }
        for (const char* kind : {"POLYLINE", "LINE", "CIRCLE", "TEXT"})
            QCOMPARE(entities(doc, job, kind).size(), drawn[kind]);
    }

    // The holes: circles as wide as asked on their centres, each cross inside
    // its circle; and the legend's sample of them.
    const QJsonArray circles = entities(doc, Job::Holes, "CIRCLE");
    const auto within = [&circles](const QJsonArray& p) {
        return std::any_of(circles.begin(), circles.end(), [&p](const QJsonValue& c) {
            return std::hypot(p[0].toDouble() - c["centre"][0].toDouble(),
                              p[1].toDouble() - c["centre"][1].toDouble())
                   < c["radius"].toDouble();
        });
    };
    for (const QJsonValue l : entities(doc, Job::Centres, "LINE"))
        QVERIFY(within(l["from"].toArray()) && within(l["to"].toArray()));
    qsizetype holes = 0;
    for (const PlacedPiece& piece : layout.pieces) {
        for (const Hole& hole : set.parts[std::size_t(piece.part)].holes) {
            const QPointF at(piece.origin.x() + hole.centre.x, h - piece.origin.y() - hole.centre.y);
            ++holes;
            QVERIFY(std::any_of(circles.begin(), circles.end(), [&](const QJsonValue& c) {
                return near(c["centre"].toArray(), {at.x(), at.y()})
                       && std::abs(2 * c["radius"].toDouble() - diameter) <= kTolerance;
            }));
        }
    }
    QCOMPARE(holes == 0, uType);
    QCOMPARE(circles.size(), holes + 1);

    // The labels in Russian; the ruler 100 mm long.
    QStringList words;
    for (const QJsonValue t : entities(doc, Job::Labels, "TEXT")) {
        QVERIFY(t["needless"].toArray().isEmpty());
        words << t["text"].toString();
        if (words.back() == u"10 × 10 мм")
            QVERIFY(t["centred"].toBool() && t["align"] == t["at"]);
    }
    QCOMPARE(words.count(QStringLiteral("материал 1 мм")), 6 * bobbins);
    QVERIFY(words.contains(QStringLiteral("10 × 10 мм")));
    double longest = 0;
    for (const QJsonValue l : entities(doc, Job::Calibration, "LINE"))
        longest = std::max(longest, std::abs(l["to"][0].toDouble() - l["from"][0].toDouble()));
    QVERIFY(std::abs(longest - 100) <= kTolerance);
}

void TestDxfTemplate::textsReadBack_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("refused");  // the character the message names; empty: read back as it is
    QString wide;  // Latin-1, Cyrillic and punctuation: much of code page 1251 and more
    for (char16_t c = 0xA0; c < 0x500; ++c)
        wide += QChar(c);
    for (char16_t c = 0x2010; c < 0x2130; ++c)
        wide += QChar(c);
    QTest::newRow("Russian") << "Щека 1 из 2, материал 1,5 мм" << QString();
    QTest::newRow("outside code page 1251") << "10 × 10 мм ⊕ ≥ 0,5" << QString();
    QTest::newRow("U+00A0 to U+04FF, U+2010 to U+212F") << wide << QString();
    QTest::newRow("carets") << "^27^5^ ^^x" << QString();
    QTest::newRow("backslashes") << "\\U+0041 \\u+0041 \\M+1 \\x\\" << QString();
    QTest::newRow("percent") << "100 %, 5%" << QString();
    for (const char32_t c : {0x0, 0x9, 0xA, 0xD, 0x1B, 0x7F, 0x85, 0x1F600}) {
        const QString name = QStringLiteral("U+%1").arg(uint(c), 4, 16, QChar(u'0')).toUpper();
        QTest::newRow(qPrintable(name)) << QStringLiteral("27") + QString::fromUcs4(&c, 1) + u'5' << name;
    }
}

void TestDxfTemplate::textsReadBack()
{
    QFETCH(QString, text);
    QFETCH(QString, refused);
    Layer labels(Job::Labels);
    labels.words.push_back({QPointF(10, 20), text, kLabelEm});
    const TemplateDrawing drawing{QSizeF(100, 50), {PageDrawing{{Group{"g", {labels}}}}}};
    try {
        const QJsonObject doc = readDxf(templateDxf(drawing), dir_.filePath(QStringLiteral("text.dxf")));
        QVERIFY2(refused.isEmpty(), "written");
        const QJsonArray texts = entities(doc, Job::Labels, "TEXT");
        QCOMPARE(texts.size(), 1);
        QCOMPARE(texts[0]["text"].toString(), text);
        QVERIFY2(texts[0]["needless"].toArray().isEmpty(),
                 QJsonDocument(texts[0]["needless"].toArray()).toJson());
        QVERIFY(near(texts[0]["at"].toArray(), {10, 30}));
        // The height of the capitals (about 0.69 em in the sans fonts the
        // template uses), as a DXF reader takes it; not the em.
        const double height = texts[0]["height"].toDouble();
        QVERIFY2(height > 0.6 * kLabelEm && height < 0.8 * kLabelEm, qPrintable(QString::number(height)));
    } catch (const TemplateError& e) {
        QVERIFY2(!refused.isEmpty() && vintorp::lang::messageText(e.failure()).contains(refused),
                 qPrintable(vintorp::lang::messageText(e.failure())));
    }
}

void TestDxfTemplate::cutterSheetsReadBack_data()
{
    QTest::addColumn<bool>("cutOnly");
    QTest::newRow("three sheets") << false;
    QTest::newRow("three sheets, cut only") << true;
}

// A cutter's job as ezdxf reads it: a file per sheet, each the sheet's size
// at the origin with everything on it; every outline closed, each part's
// outer outline its drawn size plus the kerf (either way round), and after
// its holes and window; cut only, nothing but the cuts, holes and square.
void TestDxfTemplate::cutterSheetsReadBack()
{
    QFETCH(bool, cutOnly);
    const CutSet drawn = makeTemplateParts(vintorp::calc::readDrawingNumbers(workedETexts(), ","), 2);
    const CutSet set = makeCutSet(drawn.numbers, 2, {0, 0.2});
    const CutterSetup cutter{QSizeF(100, 100), 2, true, cutOnly};
    const TemplateLayout layout = layOutTemplate(set, cutterSheets(cutter.sheet, cutter.gap, !cutOnly));
    const std::vector<QByteArray> files = templateDxfFiles(set, cutter);
    QCOMPARE(int(files.size()), 3);
    QCOMPARE(layout.pageCount, 3);
    const QStringList cutLayers{"holes", "cut", "calibration"};
    int outer = 0, cutCount = 0, squares = 0, holes = 0;
    for (std::size_t sheet = 0; sheet < files.size(); ++sheet) {
        const QJsonObject doc
            = readDxf(files[sheet], dir_.filePath(QStringLiteral("cutter-%1.dxf").arg(sheet)));
        QVERIFY2(doc["audit"].toArray().isEmpty(), QJsonDocument(doc["audit"].toArray()).toJson());
        QVERIFY(near(doc["extents"].toArray(), {0, 0, 100, 100}));
        // The layers that hold something (a reader may add an empty "0").
        QStringList layers;
        for (const QString& name : doc["layers"].toObject().keys()) {
            for (const char* kind : {"POLYLINE", "LINE", "CIRCLE", "TEXT", "other"}) {
                if (!doc["layers"][name][QLatin1String(kind)].toArray().isEmpty() && !layers.contains(name))
                    layers << name;
            }
        }
        for (const QString& name : layers)
            QVERIFY2(!cutOnly || cutLayers.contains(name), qPrintable(name));
        // Else also the sheet's outline and the labels.
        QVERIFY(cutOnly || (layers.contains(u"reference") && layers.contains(u"labels")));
        const QJsonArray cuts = entities(doc, Job::Cut, "POLYLINE");
        const QJsonArray circles = entities(doc, Job::Holes, "CIRCLE");
        cutCount += int(cuts.size());
        holes += int(circles.size());
        squares += int(entities(doc, Job::Calibration, "POLYLINE").size());
        const auto box = [](const QJsonValue& e) {
            const QJsonArray b = e["box"].toArray();
            if (b.isEmpty()) {
                const double x = e["centre"][0].toDouble(), y = e["centre"][1].toDouble(),
                             r = e["radius"].toDouble();
                return QRectF(QPointF(x - r, y - r), QPointF(x + r, y + r));
            }
            return QRectF(QPointF(b[0].toDouble(), b[1].toDouble()),
                          QPointF(b[2].toDouble(), b[3].toDouble()));
        };
        for (const QJsonValue c : cuts) {
            QVERIFY(c["closed"].toBool());
            const QRectF r = box(c);
            QVERIFY(QRectF(0, 0, 100, 100).contains(r));
            // Whatever lies inside this outline is cut before it.
            for (const QJsonArray& inner : {cuts, circles}) {
                for (const QJsonValue i : inner) {
                    if (i != c && r.contains(box(i)))
                        QVERIFY(i["order"].toInt() < c["order"].toInt());
                }
            }
            for (const QSizeF& part : {QSizeF(39.5, 44), QSizeF(22.5, 38), QSizeF(27.5, 29.5)}) {
                const QSizeF cut = part + QSizeF(0.2, 0.2);
                const auto same = [](QSizeF a, QSizeF b) {
                    return std::abs(a.width() - b.width()) <= kTolerance
                           && std::abs(a.height() - b.height()) <= kTolerance;
                };
                outer += same(r.size(), cut) || same(r.size(), cut.transposed()) ? 1 : 0;
            }
        }
    }
    QCOMPARE(cutCount, 4 * 2 + 8);  // cheeks with their windows, walls
    QCOMPARE(outer, 12);
    QCOMPARE(holes, 4 * 8);
    QCOMPARE(squares, 1);  // the calibration square on one sheet
}

VINTORP_TEST_MAIN(TestDxfTemplate, QGuiApplication)
#include "tst_dxftemplate.moc"
