// The drawing window: what a calculation writes into it, its fields and
// labels, and how it looks over the drawing at the current screen scale.
#include "uitest.h"
#include "ui/fitlineedit.h"

#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include <memory>
#include <stdexcept>

using namespace vintorp::ui;

namespace {

using Texts = QMap<QString, QString>;

const QStringList kFields = {"Edit2", "Edit3",  "Edit4",  "Edit5",  "Edit6",  "Edit7",  "Edit8",
                             "Edit9", "Edit10", "Edit11", "Edit12", "Edit14", "Edit16", "Edit15"};

Texts allFields(const QString& text)
{
    Texts texts;
    for (const QString& name : kFields)
        texts[name] = text;
    return texts;
}

Texts workedExample(bool uType)
{
    Texts t{{"Edit15", "1"}, {"Edit2", "27,5"}, {"Edit16", "27,5"}, {"Edit7", "29,5"}, {"Edit12", "29,5"},
            {"Edit8", "38"}, {"Edit6", "9"},    {"Edit11", "9"},    {"Edit14", "25,5"}};
    if (uType)
        t.insert(
            {{"Edit4", "29,5"}, {"Edit9", "22,5"}, {"Edit5", "24,5"}, {"Edit10", "24,5"}, {"Edit3", "33"}});
    else
        t.insert(
            {{"Edit4", "39,5"}, {"Edit9", "20,5"}, {"Edit5", "22,5"}, {"Edit10", "22,5"}, {"Edit3", "44"}});
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
    FitLineEdit* field(const QString& name) const { return drawing_->findChild<FitLineEdit*>(name); }

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
        for (const QString& name : kFields)
            texts[name] = drawing_->fieldText(name);
        return texts;
    }

private slots:
    void init() { QVERIFY(openWindows()); }

    void cleanup() { closeWindows(); }

    void startsHiddenWithZeros()
    {
        QVERIFY(!drawing_->isVisible());
        QCOMPARE(shown(), allFields("0"));
        QCOMPARE(drawing_->windowTitle(), QStringLiteral("Чертёж катушки"));
        QCOMPARE(drawing_->size(), QSize(457, 475));
        QVERIFY(drawing_->windowFlags() & Qt::Tool);
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
        QVERIFY(modals_->seen().isEmpty());
    }

    void rejectionLeavesZerosAndDoesNotOpen()
    {
        enter("20", "25", "10", "0,99", "0", "1", 0);
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
        QCOMPARE(drawing_->findChildren<QLineEdit*>().size(), 14);
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
        const auto row = [](const char* n, QRect r, bool centred = true) {
            QTest::newRow(n) << QString::fromLatin1(n) << r << centred;
        };
        row("Edit4", {125, 15, 33, 16});
        row("Edit5", {126, 31, 30, 16});
        row("Edit3", {20, 110, 33, 16});
        row("Edit2", {43, 138, 33, 16});
        row("Edit8", {20, 251, 33, 16});
        row("Edit7", {43, 317, 33, 16});
        row("Edit6", {60, 280, 33, 16});
        row("Edit12", {418, 317, 33, 16});
        row("Edit11", {408, 282, 25, 16});
        row("Edit9", {273, 357, 33, 16});
        row("Edit10", {273, 377, 33, 16});
        row("Edit14", {352, 357, 33, 16});
        row("Edit16", {352, 376, 33, 16});
        row("Edit15", {117, 375, 27, 15}, false);
    }

    void fieldGeometry()
    {
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        QFETCH(bool, centred);
        FitLineEdit* f = field(name);
        QVERIFY(f);
        QCOMPARE(f->geometry(), geometry);
        QVERIFY(f->isReadOnly());
        QVERIFY(!f->hasFrame());
        QCOMPARE(bool(f->alignment() & Qt::AlignHCenter), centred);
        QCOMPARE(f->font().pixelSize(), 11);
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
        QVERIFY(label->geometry().right() < field("Edit15")->x() + 2);
    }

    void tabOrder()
    {
        const QStringList order
            = {"Edit2",  "Edit3",  "Edit4",  "Edit5",  "Edit6",  "Edit7",   "Edit8",  "Edit9",
               "Edit10", "Edit11", "Edit12", "Edit14", "Edit16", "btPrint", "Edit15", "Edit2"};
        QWidget* w = field("Edit2");
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
        FitLineEdit* f = field("Edit4");
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
    // clipped, the whole text is in the tooltip and copies whole.
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
        FitLineEdit* f = field(name);
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
        if (shown == "as is") {
            QCOMPARE(size, 11);
            QVERIFY(f->toolTip().isEmpty());
        } else if (shown == "shrunk") {
            QVERIFY(size >= 8 && size < 11);
            QVERIFY(whole(size));
            QVERIFY(!whole(size + 1));  // no smaller than needed
            QCOMPARE(f->toolTip(), text);
        } else {
            QCOMPARE(size, 8);
            QVERIFY(!whole(size));
            QCOMPARE(f->toolTip(), text);
            QCOMPARE(f->cursorPosition(), 0);  // clipped, it shows from its start
        }
        f->selectAll();
        f->copy();
        QCOMPARE(QGuiApplication::clipboard()->text(), text);
        drawing_->setFieldText(name, "0");
        QCOMPARE(f->font().pixelSize(), 11);
        QVERIFY(f->toolTip().isEmpty());
    }

    // Each field stands on its dimension line: the grey line shows just left
    // and right of (or above and below) the field in the window as drawn at
    // the current screen scale.
    void fieldsSitOnTheirLinesOnScreen_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QPoint>("before");
        QTest::addColumn<QPoint>("after");
        // Client points on the dimension line just outside the field.
        QTest::newRow("Edit4") << "Edit4" << QPoint(123, 21) << QPoint(159, 21);
        QTest::newRow("Edit5") << "Edit5" << QPoint(125, 37) << QPoint(157, 37);
        QTest::newRow("Edit3") << "Edit3" << QPoint(35, 108) << QPoint(35, 127);
        QTest::newRow("Edit2") << "Edit2" << QPoint(58, 136) << QPoint(58, 155);
        QTest::newRow("Edit8") << "Edit8" << QPoint(35, 249) << QPoint(35, 268);
        QTest::newRow("Edit7") << "Edit7" << QPoint(58, 315) << QPoint(58, 334);
        QTest::newRow("Edit6") << "Edit6" << QPoint(76, 278) << QPoint(76, 297);
        QTest::newRow("Edit12") << "Edit12" << QPoint(433, 315) << QPoint(433, 334);
        QTest::newRow("Edit11") << "Edit11" << QPoint(420, 280) << QPoint(420, 299);
        QTest::newRow("Edit9") << "Edit9" << QPoint(271, 363) << QPoint(307, 363);
        QTest::newRow("Edit10") << "Edit10" << QPoint(271, 383) << QPoint(307, 383);
        QTest::newRow("Edit14") << "Edit14" << QPoint(350, 363) << QPoint(386, 363);
        QTest::newRow("Edit16") << "Edit16" << QPoint(350, 382) << QPoint(386, 382);
    }

    void fieldsSitOnTheirLinesOnScreen()
    {
        QFETCH(QString, name);
        QFETCH(QPoint, before);
        QFETCH(QPoint, after);
        drawing_->showResults();
        QVERIFY(QTest::qWaitForWindowExposed(drawing_.get()));
        const QImage shot = drawing_->grab().toImage();
        const qreal ratio = shot.devicePixelRatio();
        QCOMPARE(shot.size(), (QSizeF(457, 475) * ratio).toSize());
        const auto greyAt = [&](QPoint p) {
            const QPoint device = (QPointF(p) * ratio).toPoint();
            return qGray(shot.pixel(device));
        };
        QVERIFY2(greyAt(before) < 200, qPrintable(QStringLiteral("grey %1").arg(greyAt(before))));
        QVERIFY2(greyAt(after) < 200, qPrintable(QStringLiteral("grey %1").arg(greyAt(after))));
        // Under the field nothing of the line shows through: only the field's white and its text.
        const QRect inside = field(name)->geometry();
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
