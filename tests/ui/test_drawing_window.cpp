// The drawing window: what a calculation writes into it, its fields and
// labels, and how it looks over the drawing at the current screen scale.
#include "calc/drawingfields.h"
#include "uitest.h"
#include "ui/fitlineedit.h"

#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleFactory>
#include <QtTest>

#include <memory>
#include <stdexcept>

using namespace vintorp::ui;
namespace field = vintorp::calc::field;
using vintorp::calc::DrawingField;
using vintorp::calc::kDrawingFieldTable;

namespace {

using Texts = QMap<QString, QString>;

QString nameOf(std::string_view name)
{
    return QString::fromLatin1(name.data(), qsizetype(name.size()));
}

QRect rectOf(const DrawingField& f)
{
    return {f.place.left, f.place.top, f.place.width, f.place.height};
}

Texts allFields(const QString& text)
{
    Texts texts;
    for (const DrawingField& f : kDrawingFieldTable)
        texts[nameOf(f.name)] = text;
    return texts;
}

// A = 20, B = 25, C = 10, H = 30, K = 2, T = 1.
Texts workedExample(bool uType)
{
    const QList<std::pair<std::string_view, const char*>> both = {
        {field::Thickness, "1"},
        {field::CheekWindowHeight, "27,5"},
        {field::PlainWallWideWidth, "27,5"},
        {field::TabbedWallBetweenTabs, "29,5"},
        {field::PlainWallHeight, "29,5"},
        {field::TabbedWallHeight, "38"},
        {field::TabbedWallMiddleHeight, "9"},
        {field::PlainWallMiddleHeight, "9"},
        {field::PlainWallNarrowWidth, "25,5"},
        {field::CheekWidth, uType ? "29,5" : "39,5"},
        {field::TabbedWallNarrowWidth, uType ? "22,5" : "20,5"},
        {field::CheekWindowWidth, uType ? "24,5" : "22,5"},
        {field::TabbedWallWideWidth, uType ? "24,5" : "22,5"},
        {field::CheekHeight, uType ? "33" : "44"},
    };
    Texts t;
    for (const auto& [name, text] : both)
        t[nameOf(name)] = QString::fromLatin1(text);
    return t;
}

}  // namespace

class TestDrawingWindow : public QObject, ProgramWindowsFixture {
    Q_OBJECT

private:
    QLineEdit* input(const char* name) const
    {
        return form_->findChild<QLineEdit*>(QString::fromLatin1(name));
    }
    FitLineEdit* edit(const QString& name) const { return drawing_->findChild<FitLineEdit*>(name); }
    FitLineEdit* edit(std::string_view name) const { return edit(nameOf(name)); }

    void enter(const QString& a, const QString& b, const QString& c, const QString& h, const QString& k,
               const QString& t, int coreType)
    {
        input("ed_A")->setText(a);
        input("ed_B")->setText(b);
        input("ed_C")->setText(c);
        input("ed_H")->setText(h);
        input("edPLKrep")->setText(k);
        input("edMater")->setText(t);
        QTest::mouseClick(form_->findChild<QRadioButton*>(coreType ? "item1" : "item0"), Qt::LeftButton);
    }

    void calculate() { QTest::mouseClick(form_->findChild<QPushButton*>("btShow"), Qt::LeftButton); }

    Texts shown() const
    {
        Texts texts;
        for (const DrawingField& f : kDrawingFieldTable)
            texts[nameOf(f.name)] = drawing_->fieldText(nameOf(f.name));
        return texts;
    }

private slots:
    void init()
    {
        QVERIFY(openWindows());
        // The window makes its controls when first shown or when a field is
        // first used; these tests look at them before that.
        drawing_->ensurePolished();
    }

    void cleanup() { closeWindows(); }

    void startsHiddenWithZeros()
    {
        QVERIFY(!drawing_->isVisible());
        QCOMPARE(shown(), allFields("0"));
        QCOMPARE(drawing_->windowTitle(), QStringLiteral("Чертёж катушки"));
        QCOMPARE(drawing_->size(), QSize(457, 500));
        QVERIFY(drawing_->windowFlags() & Qt::Tool);
        // The strip of the notes and the buttons, 100 rows, stays off the page.
        QCOMPARE(drawing_->pictureArea(), QRect(0, 0, 457, 400));
    }

    // Start-up makes the window without its controls; they come with the
    // first use of a field, and the window is as it would have been.
    void controlsAreMadeWhenFirstNeeded()
    {
        TForm4 fresh;
        QVERIFY(fresh.findChildren<QWidget*>().isEmpty());
        QCOMPARE(fresh.fieldText(nameOf(field::CheekWidth)), QStringLiteral("0"));
        QCOMPARE(fresh.findChildren<FitLineEdit*>().size(), qsizetype(kDrawingFieldTable.size()));
        QVERIFY(fresh.findChild<QPushButton*>(QStringLiteral("btPrint")));
        QVERIFY(!fresh.isVisible());
    }

    void controlsComeWithTheFirstShowing()
    {
        TForm4 fresh;
        fresh.showResults();
        QVERIFY(QTest::qWaitForWindowExposed(&fresh));
        const QList<FitLineEdit*> fields = fresh.findChildren<FitLineEdit*>();
        QCOMPARE(fields.size(), qsizetype(kDrawingFieldTable.size()));
        for (const FitLineEdit* f : fields)
            QVERIFY2(f->isVisible(), qPrintable(f->objectName()));
        QTRY_COMPARE(QApplication::focusWidget(), fresh.findChild<QWidget*>(QStringLiteral("btPrint")));
    }

    void calculationFillsAndShows_data()
    {
        QTest::addColumn<int>("coreType");
        QTest::newRow("E-type") << 0;
        QTest::newRow("U-type") << 1;
    }

    void calculationFillsAndShows()
    {
        QFETCH(int, coreType);
        enter("20", "25", "10", "30", "2", "1", coreType);
        calculate();
        QCOMPARE(shown(), workedExample(coreType == 1));
        QVERIFY(drawing_->isVisible());
        QTRY_COMPARE(QApplication::focusWidget(), drawing_->findChild<QWidget*>("btPrint"));
    }

    void rejectionLeavesZerosAndDoesNotOpen()
    {
        enter("20", "25", "10", "0,99", "0", "1", 0);
        modals_->expectBoxes(1);
        calculate();
        QTRY_COMPARE(modals_->seen().size(), 1);
        QVERIFY(!drawing_->isVisible());
        QCOMPARE(shown(), allFields("0"));
    }

    void rejectionZeroesAnOpenWindow()
    {
        enter("20", "25", "10", "30", "0", "1", 0);
        calculate();
        QVERIFY(drawing_->isVisible());
        enter("20", "25", "10", "30", "0", "0", 0);
        modals_->expectBoxes(1);
        calculate();
        QTRY_COMPARE(modals_->seen().size(), 1);
        QVERIFY(drawing_->isVisible());
        QCOMPARE(shown(), allFields("0"));
    }

    void secondCalculationUpdatesInPlace()
    {
        enter("20", "25", "10", "30", "2", "1", 0);
        calculate();
        const QPoint where = drawing_->pos();
        enter("20", "25", "10", "30", "2", "1", 1);
        calculate();
        QCOMPARE(shown(), workedExample(true));
        QCOMPARE(drawing_->pos(), where);
        QCOMPARE(drawing_->findChildren<QLineEdit*>().size(), qsizetype(kDrawingFieldTable.size()));
    }

    void closingHidesAndKeepsTheTexts()
    {
        enter("20", "25", "10", "30", "2", "1", 0);
        calculate();
        QVERIFY(drawing_->close());
        QVERIFY(!drawing_->isVisible());
        QVERIFY(form_->isVisible());
        QCOMPARE(shown(), workedExample(false));
    }

    // A wrong field name is a programming error: it throws, as the batch
    // tool's view does, and changes nothing.
    void unknownFieldNameThrows_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("no such field") << "Edit1";
        QTest::newRow("empty") << "";
        QTest::newRow("wrong case") << "edit4";
    }

    void unknownFieldNameThrows()
    {
        QFETCH(QString, name);
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, drawing_->setFieldText(name, "1"));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, drawing_->fieldText(name));
        QCOMPARE(shown(), allFields("0"));
    }

    void fieldGeometry_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<bool>("centred");
        // The dimension fields are centred on their lines; the thickness follows its label.
        for (const DrawingField& f : kDrawingFieldTable)
            QTest::newRow(f.name.data()) << nameOf(f.name) << rectOf(f) << f.onDimensionLine;
    }

    void fieldGeometry()
    {
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        QFETCH(bool, centred);
        FitLineEdit* f = edit(name);
        QVERIFY(f);
        QCOMPARE(f->geometry(), geometry);
        QVERIFY(f->isReadOnly());
        QVERIFY(!f->hasFrame());
        QCOMPARE(bool(f->alignment() & Qt::AlignHCenter), centred);
        QCOMPARE(f->font().pixelSize(), 11);
    }

    // A style that polishes line edits with text margins of its own
    // (Adwaita's) leaves the fields their room: the values keep their size.
    void fieldsKeepTheirRoomUnderAnotherStyle()
    {
        const std::unique_ptr<QStyle> style(QStyleFactory::create(QStringLiteral("Adwaita-Dark")));
        if (!style)
            QSKIP("the Adwaita-Dark style (adwaita-qt6) is not installed");
        const QList<FitLineEdit*> fields = drawing_->findChildren<FitLineEdit*>();
        const auto sizes = [this, &fields](const QString& a) {
            // Calculated from other values first, so that every field is written.
            for (const QString& value : {QStringLiteral("21"), a}) {
                enter(value, "25", "10", "30", "2", "1", 0);
                calculate();
            }
            QList<int> pixels;
            for (const FitLineEdit* f : fields)
                pixels << f->font().pixelSize();
            return pixels;
        };
        const QList<int> plain = sizes(QStringLiteral("20"));
        for (FitLineEdit* f : fields)
            f->setStyle(style.get());
        const QList<int> styled = sizes(QStringLiteral("20"));
        for (FitLineEdit* f : fields)
            f->setStyle(nullptr);
        QCOMPARE(styled, plain);
    }

    void labels_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QPoint>("position");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("bold");
        QTest::newRow("Label1") << "Label1" << QPoint(328, 14) << QStringLiteral("Все размеры в мм.") << true;
        QTest::newRow("Label7") << "Label7" << QPoint(4, 375) << QStringLiteral("Толщина материала - ")
                                << false;
        QTest::newRow("Label3") << "Label3" << QPoint(5, 412) << QStringLiteral("Примечание:") << true;
        QTest::newRow("Label6") << "Label6" << QPoint(8, 444)
                                << QStringLiteral("2. Для П и ПЛ необходимо изготовить два таких каркаса.")
                                << false;
    }

    void labels()
    {
        QFETCH(QString, name);
        QFETCH(QPoint, position);
        QFETCH(QString, text);
        QFETCH(bool, bold);
        const auto* label = drawing_->findChild<QLabel*>(name);
        QVERIFY(label);
        QCOMPARE(label->pos(), position);
        QCOMPARE(label->text(), text);
        QCOMPARE(label->font().bold(), bold);
        QVERIFY(label->geometry().right() < 457);
    }

    void thicknessLabelEndsBeforeItsField()
    {
        const auto* label = drawing_->findChild<QLabel*>("Label7");
        QVERIFY(label->geometry().right() < edit(field::Thickness)->x() + 2);
    }

    // The fields in the table's order, with the button column (Print,
    // template, windings) before the thickness, and round again.
    void tabOrder()
    {
        QStringList order;
        for (const DrawingField& f : kDrawingFieldTable) {
            if (f.name == field::Thickness)
                order << QStringLiteral("btPrint") << QStringLiteral("btTemplate") << QStringLiteral("btWindings");
            order << nameOf(f.name);
        }
        order << order.first();
        QWidget* w = edit(order.first());
        for (qsizetype i = 1; i < order.size(); ++i) {
            w = w->nextInFocusChain();
            while (!(w->focusPolicy() & Qt::TabFocus))
                w = w->nextInFocusChain();
            QCOMPARE(w->objectName(), order[i]);
        }
    }

    void fieldsCanBeCopiedButNotChanged()
    {
        enter("20", "25", "10", "30", "2", "1", 0);
        calculate();
        FitLineEdit* f = edit(field::CheekWidth);
        f->setFocus();
        f->selectAll();
        QTest::keyClicks(f, "77");
        QTest::keyClick(f, Qt::Key_Backspace);
        QCOMPARE(f->text(), QStringLiteral("39,5"));
        QTest::keyClick(f, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("39,5"));
    }

    // A value wider than its field is drawn smaller, just small enough to
    // show whole, but never below 8 px; below that it is clipped. Shrunk or
    // clipped, the whole text is in the tooltip (after what the field
    // measures, which the tooltip always says) and copies whole.
    void overlongValueShrinksToAReadableFloor_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown");
        QTest::newRow("fits") << "Edit4"
                              << "39,5"
                              << "as is";
        QTest::newRow("five digits") << "Edit4"
                                     << "1234,5"
                                     << "shrunk";
        QTest::newRow("narrow field") << "Edit11"
                                      << "1234"
                                      << "shrunk";
        QTest::newRow("widest result") << "Edit4"
                                       << "2999996,5"
                                       << "clipped";
        QTest::newRow("window width") << "Edit5"
                                      << "1000019,48"
                                      << "clipped";
        QTest::newRow("fifteen digits") << "Edit2"
                                        << "1,00000000000001E15"
                                        << "clipped";
    }

    void overlongValueShrinksToAReadableFloor()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(QString, shown);
        FitLineEdit* f = edit(name);
        const QRect before = f->geometry();
        drawing_->setFieldText(name, text);
        QCOMPARE(f->geometry(), before);
        // Whole: the text, with QLineEdit's margins and cursor, fits the field.
        const auto whole = [&](int pixelSize) {
            QFont font = f->font();
            font.setPixelSize(pixelSize);
            return QFontMetricsF(font).horizontalAdvance(text) + 5 <= f->width();
        };
        const int size = f->font().pixelSize();
        // The tooltip says what the field measures, and the whole text when
        // the field cannot show it at its own size.
        const QString meaning = f->toolTip().section(u':', 0, 0);
        QVERIFY(!meaning.isEmpty() && f->accessibleName().startsWith(meaning + u':'));
        if (shown == "as is") {
            QCOMPARE(size, 11);
            QCOMPARE(f->toolTip(), meaning);
        } else if (shown == "shrunk") {
            QVERIFY(size >= 8 && size < 11);
            QVERIFY(whole(size));
            QVERIFY(!whole(size + 1));  // no smaller than needed
            QCOMPARE(f->toolTip(), f->accessibleName());
            QVERIFY(f->toolTip().contains(text));
        } else {
            QCOMPARE(size, 8);
            QVERIFY(!whole(size));
            QCOMPARE(f->toolTip(), f->accessibleName());
            QVERIFY(f->toolTip().contains(text));
            QCOMPARE(f->cursorPosition(), 0);  // clipped, it shows from its start
        }
        f->selectAll();
        f->copy();
        QCOMPARE(QGuiApplication::clipboard()->text(), text);
        drawing_->setFieldText(name, "0");
        QCOMPARE(f->font().pixelSize(), 11);
        QCOMPARE(f->toolTip(), meaning);
    }

    // Each field stands on its dimension line: the grey line shows just
    // outside two opposite sides of the field, near the middle of those
    // sides, in the window as drawn at the current screen scale; under the
    // field only the field's white shows.
    void fieldsSitOnTheirLinesOnScreen_data()
    {
        QTest::addColumn<QString>("name");
        for (const DrawingField& f : kDrawingFieldTable)
            if (f.onDimensionLine)
                QTest::newRow(f.name.data()) << nameOf(f.name);
    }

    void fieldsSitOnTheirLinesOnScreen()
    {
        QFETCH(QString, name);
        drawing_->showResults();
        QVERIFY(QTest::qWaitForWindowExposed(drawing_.get()));
        const QImage shot = drawing_->grab().toImage();
        const qreal ratio = shot.devicePixelRatio();
        const auto greyAt = [&](QPoint p) { return qGray(shot.pixel((QPointF(p) * ratio).toPoint())); };
        const QRect inside = edit(name)->geometry();
        // The darkest of the 7 pixels centred on `middle`, in steps of `along`.
        const auto darkestNear = [&](QPoint middle, QPoint along) {
            int darkest = 255;
            for (int i = -3; i <= 3; ++i)
                darkest = std::min(darkest, greyAt(middle + along * i));
            return darkest;
        };
        const QPoint centre = inside.center();
        // One or two pixels out: arrowheads keep at least two pixels away.
        const bool horizontal = darkestNear({inside.left() - 2, centre.y()}, {0, 1}) < 200
                                && darkestNear({inside.right() + 2, centre.y()}, {0, 1}) < 200;
        const bool vertical = darkestNear({centre.x(), inside.top() - 2}, {1, 0}) < 200
                              && darkestNear({centre.x(), inside.bottom() + 2}, {1, 0}) < 200;
        QVERIFY(horizontal || vertical);
        const QPoint corner = (QPointF(inside.topLeft() + QPoint(1, 1)) * ratio).toPoint();
        QCOMPARE(qGray(shot.pixel(corner)), 255);
    }

    void bottomFrameLineShowsAcrossTheWindow()
    {
        drawing_->showResults();
        QVERIFY(QTest::qWaitForWindowExposed(drawing_.get()));
        const QImage shot = drawing_->grab().toImage();
        const qreal ratio = shot.devicePixelRatio();
        for (int x : {10, 200, 450}) {
            const int y = int(406 * ratio);
            QVERIFY2(qGray(shot.pixel(int(x * ratio), y)) < 200, qPrintable(QString::number(x)));
            QCOMPARE(qGray(shot.pixel(int(x * ratio), int(404 * ratio))), 255);
        }
    }
};

VINTORP_UI_TEST_MAIN(TestDrawingWindow)

#include "test_drawing_window.moc"
