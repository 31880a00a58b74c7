// The windings window as the user drives it: calculate a bobbin, open the
// window from the drawing, type the windings in with the keyboard, read the
// results and the verdict, and look at the cross-section.
#include "uitest.h"
#include "ui/transformerdialog.h"
#include "ui/windingsection.h"
#include "ui/windingsrows.h"
#include "ui/windingswindow.h"
#include "windings/transformer.h"

#include <QAbstractButton>
#include <QDoubleSpinBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <functional>
#include <optional>

using namespace vintorp::ui;

namespace {

// The user at the print dialog.
class ScriptedChooser final : public vintorp::print::PrinterChooser {
public:
    explicit ScriptedChooser(std::function<bool(QPrinter&)> answer) : answer_(std::move(answer)) { }
    bool choose(QPrinter& printer, QWidget*) override { return answer_(printer); }

private:
    std::function<bool(QPrinter&)> answer_;
};

const QColor kFault{0xff, 0xc8, 0xc8};

// The rows of the section's picture down one column, from the top.
struct Column {
    QImage image;
    int x = 0;
    bool is(int y, const QColor& colour) const { return image.pixelColor(x, y).rgb() == colour.rgb(); }
    // The first and last rows of `colour` (or its second shade), if any.
    std::optional<std::pair<int, int>> extent(const QColor& a, const QColor& b) const
    {
        std::optional<std::pair<int, int>> found;
        for (int y = 0; y < image.height(); ++y) {
            if (!is(y, a) && !is(y, b))
                continue;
            if (!found)
                found = std::pair{y, y};
            found->second = y;
        }
        return found;
    }
};

}  // namespace

class TestWindingsWindow : public QObject, ProgramWindowsFixture {
    Q_OBJECT

private:
    QLineEdit* input(const char* name) const
    {
        return form_->findChild<QLineEdit*>(QString::fromLatin1(name));
    }

    void calculate(const QString& a, const QString& c, const QString& t = QStringLiteral("1"))
    {
        input("ed_A")->setText(a);
        input("ed_B")->setText(QStringLiteral("25"));
        input("ed_C")->setText(c);
        input("ed_H")->setText(QStringLiteral("30"));
        input("edPLKrep")->setText(QStringLiteral("0"));
        input("edMater")->setText(t);
        QTest::mouseClick(form_->findChild<QRadioButton*>("item0"), Qt::LeftButton);
        QTest::mouseClick(form_->findChild<QPushButton*>("btShow"), Qt::LeftButton);
    }

    // Calculates the worked example (A 20, B 25, C 10, H 30, T 1, E-type:
    // L 27.5, D 8.5) and opens the windings window with the drawing's button.
    WindingsWindow* openWindings()
    {
        calculate(QStringLiteral("20"), QStringLiteral("10"));
        auto* button = drawing_->findChild<QPushButton*>(QStringLiteral("btWindings"));
        if (!button || !button->isEnabled())
            return nullptr;
        QTest::mouseClick(button, Qt::LeftButton);
        auto* window = drawing_->findChild<WindingsWindow*>(QStringLiteral("WindingsWindow"));
        if (window && !QTest::qWaitForWindowExposed(window))
            return nullptr;
        return window;
    }

    QTableView* table(WindingsWindow* w) const
    {
        return w->findChild<QTableView*>(QStringLiteral("twWindings"));
    }
    // A cell as the table's model holds it.
    static QModelIndex cell(QTableView* t, int row, int column) { return t->model()->index(row, column); }
    static QString cellText(QTableView* t, int row, int column)
    {
        return cell(t, row, column).data().toString();
    }
    static QString tip(QTableView* t, int row, int column)
    {
        return cell(t, row, column).data(Qt::ToolTipRole).toString();
    }
    static QBrush background(QTableView* t, int row, int column)
    {
        return qvariant_cast<QBrush>(cell(t, row, column).data(Qt::BackgroundRole));
    }
    QString verdict(WindingsWindow* w) const
    {
        return w->findChild<QLabel*>(QStringLiteral("lbVerdict"))->text();
    }

    static QLineEdit* openEditor(QTableView* t)
    {
        for (QLineEdit* editor : t->findChildren<QLineEdit*>(QStringLiteral("cellEditor")))
            if (editor->isVisible())
                return editor;
        return nullptr;
    }

    // Enter opens the current cell, the text replaces what it held; returns
    // the editor, still open, so that the caller can look before Enter.
    static QLineEdit* typeIntoCell(QTableView* t, const QString& text)
    {
        QTest::keyClick(t, Qt::Key_Return);
        QLineEdit* editor = openEditor(t);
        if (!editor)
            return nullptr;
        QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(editor, text);
        return editor;
    }

    // Enter in the editor commits the text and closes it (Qt does that
    // from the event loop).
    static bool closeWithEnter(QTableView* t, QLineEdit* editor)
    {
        QTest::keyClick(editor, Qt::Key_Return);
        return QTest::qWaitFor([t] { return !openEditor(t); });
    }

    // The right or left arrow until the current cell is in `column`.
    static void goToColumn(QTableView* t, int column)
    {
        while (t->currentIndex().column() < column)
            QTest::keyClick(t, Qt::Key_Right);
        while (t->currentIndex().column() > column)
            QTest::keyClick(t, Qt::Key_Left);
    }

    // Insert adds a row; then each text goes into the next of the name,
    // turns, outer diameter, insulations and layer factor, Enter closing it
    // and the right arrow moving on.
    static bool typeWinding(QTableView* t, const QStringList& texts)
    {
        const int columns[] = {ColName, ColTurns, ColWire, ColBetween, ColOver, ColLayerFactor};
        QTest::keyClick(t, Qt::Key_Insert);
        for (qsizetype i = 0; i < texts.size(); ++i) {
            goToColumn(t, columns[i]);
            QLineEdit* editor = typeIntoCell(t, texts[i]);
            if (!editor)
                return false;
            if (!closeWithEnter(t, editor))
                return false;
        }
        return true;
    }

    static QStringList results(QTableView* t, int row)
    {
        QStringList texts;
        for (int c = ColPerLayer; c <= ColWireLength; ++c)
            texts << cellText(t, row, c);
        return texts;
    }

private slots:
    void init() { QVERIFY(openWindows()); }
    void cleanup() { closeWindows(); }

    void buttonOpensTheWindowOnlyWithAResult()
    {
        drawing_->ensurePolished();
        auto* button = drawing_->findChild<QPushButton*>(QStringLiteral("btWindings"));
        QVERIFY(button);
        QVERIFY(!button->isEnabled());
        WindingsWindow* w = openWindings();
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QStringLiteral("Обмотки[*]"));
        QVERIFY(!w->isModal());
        QVERIFY(w->isWindow());
        // A second press brings the same window back.
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(drawing_->findChildren<WindingsWindow*>().size(), 1);
    }

    // On any screen, scale and font: the window within the screen, every
    // column as wide as its header, and the table scrolling sideways only
    // where the screen leaves the window no room; opened on an empty table,
    // the focus on «Добавить», drawn as after Tab.
    void opensWithinTheScreenWithTheFocusShown()
    {
        WindingsWindow* w = openWindings();
        QVERIFY(w);
        const QRect screen = w->screen()->availableGeometry();
        QVERIFY2(screen.contains(w->frameGeometry()),
                 qPrintable(QStringLiteral("%1 × %2 on %3 × %4, at least %5 × %6")
                                .arg(w->width())
                                .arg(w->height())
                                .arg(screen.width())
                                .arg(screen.height())
                                .arg(w->minimumSizeHint().width())
                                .arg(w->minimumSizeHint().height())));
        for (const QPushButton* button : w->findChildren<QPushButton*>())
            QVERIFY(!button->isVisible()
                    || w->rect().contains(QRect(button->mapTo(w, QPoint()), button->size())));
        QTableView* t = table(w);
        for (int c = 0; c < t->model()->columnCount(); ++c)
            QVERIFY2(t->columnWidth(c) >= t->horizontalHeader()->sectionSizeHint(c),
                     qPrintable(QString::number(c)));
        const int hidden = t->horizontalHeader()->length() - t->viewport()->width();
        QVERIFY2(hidden <= 0 || w->frameGeometry().width() + hidden > screen.width(),
                 qPrintable(QStringLiteral("%1 px scroll off").arg(hidden)));
        QCOMPARE(QApplication::focusWidget(), w->findChild<QPushButton*>(QStringLiteral("btAddWinding")));
        QVERIFY(w->testAttribute(Qt::WA_KeyboardFocusChange));
        // A winding's name is not cut short.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QCOMPARE(t->model()->rowCount(), 1);
        QVERIFY(t->columnWidth(ColName) > t->fontMetrics().horizontalAdvance(cellText(t, 0, ColName))
                                              + t->style()->pixelMetric(QStyle::PM_SmallIconSize));
    }

    // The worked example with one winding typed by keys, the results worked
    // by hand: k = 1.2 for a 0.5 mm wire; n = ⌊27.5 / 0.6⌋ = 45; m = ⌈N / 45⌉;
    // δ = m·0.6 + (m − 1)·0.05 + 0.1; Δ = 1.1·δ against D 8.5; the mean turn
    // 2(22.5 + 27.5) + 2π·1.1·δ/2, times N.
    void workedExampleTypedByKeys_data()
    {
        QTest::addColumn<QString>("turns");
        QTest::addColumn<QStringList>("results");
        QTest::addColumn<QString>("verdict");
        // m 7: δ 4.6, Δ 5.06, 59.5 %, 3.44 left; l 115.90 mm, 34.77 m.
        QTest::newRow("fits") << "300" << QStringList{"45", "7", "4,60", "34,8"}
                              << "Помещается: катушка 5,06 мм из 8,50 мм (59,5 %), остаётся 3,44 мм.";
        // m 45: δ 29.3, Δ 32.23, 379.2 %, 23.73 short; l 201.25 mm, 402.51 m.
        QTest::newRow("too many turns")
            << "2000" << QStringList{"45", "45", "29,30", "402,5"}
            << "Не помещается: катушка 32,23 мм при глубине 8,50 мм (379,2 %), не хватает 23,73 мм.";
    }

    void workedExampleTypedByKeys()
    {
        QFETCH(QString, turns);
        QFETCH(QStringList, results);
        QFETCH(QString, verdict);
        WindingsWindow* w = openWindings();
        QVERIFY(w);
        QTableView* t = table(w);
        QVERIFY(typeWinding(t, {"Mains", "1", "0,5", "0,05", "0,1"}));
        QCOMPARE(cellText(t, 0, ColName), QStringLiteral("Mains"));
        // The turns last: the results follow the typing, before Enter.
        goToColumn(t, ColTurns);
        QCOMPARE(t->currentIndex().column(), int(ColTurns));
        QLineEdit* editor = typeIntoCell(t, turns);
        QVERIFY(editor);
        QCOMPARE(this->results(t, 0), results);
        QCOMPARE(this->verdict(w), verdict);
        QVERIFY(closeWithEnter(t, editor));
        QCOMPARE(cellText(t, 0, ColTurns), turns);
        QCOMPARE(this->results(t, 0), results);
        // An empty layer factor shows the one the wire takes.
        QVERIFY(cellText(t, 0, ColLayerFactor).isEmpty());
        QCOMPARE(cell(t, 0, ColLayerFactor).data(Qt::UserRole + 1).toString(), QStringLiteral("1,20 (авто)"));
    }

    // Escape gives the cell back its text from before the edit, and the
    // results with it, although they followed the typing.
    void escapePutsTheOldTextBack()
    {
        WindingsWindow* w = openWindings();
        QVERIFY(w);
        QTableView* t = table(w);
        QVERIFY(typeWinding(t, {"Mains", "300", "0,5", "0,05", "0,1"}));
        const QStringList before = results(t, 0);
        goToColumn(t, ColTurns);
        QLineEdit* editor = typeIntoCell(t, QStringLiteral("2000"));
        QVERIFY(editor);
        QCOMPARE(editor->accessibleName(), QStringLiteral("Витков, Mains"));  // its column and winding
        QCOMPARE(results(t, 0)[1], QStringLiteral("45"));  // the typing counts at once
        QTest::keyClick(editor, Qt::Key_Escape);
        QVERIFY(QTest::qWaitFor([t] { return !openEditor(t); }));
        QCOMPARE(cellText(t, 0, ColTurns), QStringLiteral("300"));
        QCOMPARE(results(t, 0), before);
        // An empty layer factor stays empty.
        goToColumn(t, ColLayerFactor);
        QCOMPARE(t->currentIndex().column(), int(ColLayerFactor));
        editor = typeIntoCell(t, QStringLiteral("1,5"));
        QVERIFY(editor);
        QTest::keyClick(editor, Qt::Key_Escape);
        QVERIFY(QTest::qWaitFor([t] { return !openEditor(t); }));
        QVERIFY(cellText(t, 0, ColLayerFactor).isEmpty());
        QCOMPARE(results(t, 0), before);
    }

    // A wire known by its copper: typed into its cell, the outer diameter
    // the table gives (0.5 mm of grade 2: 0.566) shows greyed beside it and
    // the winding takes it; the copper brings resistance, mass and a total,
    // the warm one at the working temperature typed.
    void copperTypedGivesTheOuterDiameter()
    {
        WindingsWindow* w = openWindings();
        QVERIFY(w);
        QTableView* t = table(w);
        QVERIFY(typeWinding(t, {"Mains", "300"}));
        goToColumn(t, ColCopper);
        QLineEdit* editor = typeIntoCell(t, QStringLiteral("0,5"));
        QVERIFY(editor);
        QVERIFY(closeWithEnter(t, editor));
        QVERIFY(cellText(t, 0, ColWire).isEmpty());
        QCOMPARE(cell(t, 0, ColWire).data(kShownWhenEmptyRole).toString(),
                 QStringLiteral("0,566 (по таблице)"));
        QCOMPARE(w->result().windings.at(0).wire, 0.566);
        QVERIFY(w->result().fits);
        QVERIFY(w->windings().at(0).copper && !w->windings().at(0).wire);
        QVERIFY(cellText(t, 0, ColCopperGrams) != QStringLiteral("—"));
        QVERIFY(w->findChild<QLabel*>(QStringLiteral("lbCopper"))->text().contains(QStringLiteral(" г")));
        const QString cold = cellText(t, 0, ColOhmsCold);
        auto* temperature = w->findChild<QDoubleSpinBox*>(QStringLiteral("seTemperature"));
        QVERIFY(temperature);
        QCOMPARE(temperature->value(), 75.0);
        temperature->selectAll();
        QTest::keyClicks(temperature, QStringLiteral("20"));
        QCOMPARE(t->model()->headerData(ColOhmsWarm, Qt::Horizontal).toString(),
                 QStringLiteral("R при 20 °C, Ом"));
        QCOMPARE(cellText(t, 0, ColOhmsWarm), cold);
        QCOMPARE(w->factors().temperature, 20.0);
    }

    // The bulge factor and the margin are read as typed, with the
    // separator: margin 2 leaves 23.5 mm, n = ⌊23.5 / 0.6⌋ = 39, m = ⌈300 /
    // 39⌉ = 8, δ = 4.8 + 0.35 + 0.1 = 5.25; bulge 1 makes Δ = δ.
    void factorsAreTyped()
    {
        WindingsWindow* w = openWindings();
        QVERIFY(w);
        QTableView* t = table(w);
        QVERIFY(typeWinding(t, {"Mains", "300", "0,5", "0,05", "0,1"}));
        auto* margin = w->findChild<QDoubleSpinBox*>(QStringLiteral("seMargin"));
        auto* bulge = w->findChild<QDoubleSpinBox*>(QStringLiteral("seBulge"));
        QCOMPARE(bulge->value(), 1.1);
        QCOMPARE(margin->value(), 0.0);
        margin->selectAll();
        QTest::keyClicks(margin, QStringLiteral("2,0"));
        bulge->selectAll();
        QTest::keyClicks(bulge, QStringLiteral("1"));
        QCOMPARE(results(t, 0), (QStringList{"39", "8", "5,25", results(t, 0).last()}));
        QCOMPARE(verdict(w),
                 QStringLiteral("Помещается: катушка 5,25 мм из 8,50 мм (61,8 %), остаётся 3,25 мм."));
    }

    // A bad value marks its cell with the reason; the other windings still
    // show their results, and the verdict asks for the marked cells.
    void badCellIsMarkedAndTheOthersStillCompute_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("reason");
        QTest::addColumn<QString>("problem");
        QTest::addColumn<QString>("margin");
        QTest::newRow("wire not a number") << int(ColWire) << "abc"
                                           << "Не число"
                                           << "неверный диаметр провода"
                                           << "0";
        QTest::newRow("two separators") << int(ColWire) << "0,5,1"
                                        << "Не число"
                                        << "неверный диаметр провода"
                                        << "0";
        QTest::newRow("no turns") << int(ColTurns) << ""
                                  << "Введите число"
                                  << "неверное число витков"
                                  << "0";
        QTest::newRow("zero turns") << int(ColTurns) << "0"
                                    << "Витков: от 1 до 1000000"
                                    << "неверное число витков"
                                    << "0";
        QTest::newRow("thick insulation") << int(ColBetween) << "6"
                                          << "Изоляция между слоями: от 0 до 5 мм"
                                          << "неверная изоляция между слоями"
                                          << "0";
        QTest::newRow("over insulation") << int(ColOver) << "x"
                                         << "Не число"
                                         << "неверная изоляция поверх"
                                         << "0";
        QTest::newRow("layer factor") << int(ColLayerFactor) << "2,5"
                                      << "Коэффициент укладки: от 1 до 2"
                                      << "неверный коэффициент укладки"
                                      << "0";
        QTest::newRow("thin wire") << int(ColWire) << "0,01"
                                   << "Диаметр провода: от 0,02 до 10 мм"
                                   << "неверный диаметр провода"
                                   << "0";
        // 27.5 mm between the cheeks less 10 mm at each hold no turn of 9 mm
        // at k 1.05.
        QTest::newRow("wire wider than the room") << int(ColWire) << "9"
                                                  << "провод шире длины намотки"
                                                  << "провод шире длины намотки"
                                                  << "10";
    }

    void badCellIsMarkedAndTheOthersStillCompute()
    {
        QFETCH(int, column);
        QFETCH(QString, text);
        QFETCH(QString, reason);
        QFETCH(QString, problem);
        QFETCH(QString, margin);
        WindingsWindow* w = openWindings();
        QVERIFY(w);
        QTableView* t = table(w);
        auto* marginBox = w->findChild<QDoubleSpinBox*>(QStringLiteral("seMargin"));
        marginBox->selectAll();
        QTest::keyClicks(marginBox, margin.isEmpty() ? QStringLiteral("0") : margin);
        QVERIFY(typeWinding(t, {"Primary", "300", "0,5", "0,05", "0,1"}));
        QVERIFY(typeWinding(t, {"Secondary", "40", "1", "0", "0"}));
        const QStringList second = results(t, 1);
        // Back to the first row, into the column.
        QTest::keyClick(t, Qt::Key_Up);
        while (t->currentIndex().column() > column)
            QTest::keyClick(t, Qt::Key_Left);
        while (t->currentIndex().column() < column)
            QTest::keyClick(t, Qt::Key_Right);
        QCOMPARE(t->currentIndex().row(), 0);
        QCOMPARE(t->currentIndex().column(), column);
        QLineEdit* editor = typeIntoCell(t, text);
        QVERIFY(editor);
        if (text.isEmpty())
            QTest::keyClick(editor, Qt::Key_Backspace);
        QVERIFY(closeWithEnter(t, editor));

        QCOMPARE(background(t, 0, column).color(), kFault);
        QCOMPARE(tip(t, 0, column), reason);
        for (int c = 0; c < kInputColumns; ++c) {
            if (c != column)
                QVERIFY2(tip(t, 0, c).isEmpty(), qPrintable(tip(t, 0, c)));
            QVERIFY(tip(t, 1, c).isEmpty());
            QVERIFY(background(t, 1, c).style() == Qt::NoBrush);
        }
        // The winding says which problem it has, across its results.
        QCOMPARE(cellText(t, 0, ColPerLayer), problem);
        QCOMPARE(t->columnSpan(0, ColPerLayer), ColumnCount - ColPerLayer);
        // The winding above is gone from the build, so the second lies on
        // the tube: its numbers stay, only its wire length waits.
        QCOMPARE(results(t, 1).mid(0, 3), second.mid(0, 3));
        QCOMPARE(results(t, 1).last(), QStringLiteral("—"));
        QCOMPARE(verdict(w), QStringLiteral("Исправьте отмеченные ячейки (обмоток с ошибкой: 1)."));
        QVERIFY(!w->result().build);

        // Put right, the marks go.
        QLineEdit* again = typeIntoCell(t, column == ColTurns         ? QStringLiteral("300")
                                           : column == ColLayerFactor ? QStringLiteral("1,2")
                                           : column == ColWire        ? QStringLiteral("0,5")
                                                                      : QStringLiteral("0,1"));
        QVERIFY(again);
        QVERIFY(closeWithEnter(t, again));
        QVERIFY(tip(t, 0, column).isEmpty());
        QVERIFY(w->result().build);
        // A verdict again: fits, or not by how much.
        QVERIFY2(verdict(w).contains(QStringLiteral("мм (")), qPrintable(verdict(w)));
    }

    // The keyboard alone: Tab leaves the table for its buttons, Ctrl+arrows
    // move a winding, Delete removes it.
    void keyboardMovesAndRemoves()
    {
        WindingsWindow* w = openWindings();
        QVERIFY(w);
        QTableView* t = table(w);
        QVERIFY(typeWinding(t, {"A", "10", "1"}));
        QVERIFY(typeWinding(t, {"B", "20", "1"}));
        QVERIFY(typeWinding(t, {"C", "30", "1"}));
        QCOMPARE(t->model()->rowCount(), 3);
        QCOMPARE(t->currentIndex().row(), 2);
        QTest::keyClick(t, Qt::Key_Up, Qt::ControlModifier);
        QCOMPARE(t->currentIndex().row(), 1);
        QCOMPARE(cellText(t, 1, ColName), QStringLiteral("C"));
        QCOMPARE(cellText(t, 2, ColName), QStringLiteral("B"));
        QCOMPARE(cellText(t, 1, ColTurns), QStringLiteral("30"));
        // Results move with their winding: C is now second from the tube.
        QCOMPARE(cellText(t, 1, ColLayers), QStringLiteral("2"));  // ⌈30 / 25⌉
        QTest::keyClick(t, Qt::Key_Delete);
        QCOMPARE(t->model()->rowCount(), 2);
        QCOMPARE(cellText(t, 1, ColName), QStringLiteral("B"));
        QTest::keyClick(t, Qt::Key_Down, Qt::ControlModifier);  // already last
        QCOMPARE(cellText(t, 1, ColName), QStringLiteral("B"));

        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        t->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(t));
        QTest::keyClick(t, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("btAddWinding"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(t->model()->rowCount(), 3);
        // The new winding is current, in the table again.
        QCOMPARE(t->currentIndex().row(), 2);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(t));
    }

    // Escape closes a cell's editor first, then the window, like a dialog;
    // opened again, the window still holds its windings.
    void escapeClosesTheWindowAndKeepsTheWindings()
    {
        WindingsWindow* w = openWindings();
        QVERIFY(w);
        QTableView* t = table(w);
        QVERIFY(typeWinding(t, {"Mains", "300", "0,5"}));
        QLineEdit* editor = typeIntoCell(t, QStringLiteral("2000"));
        QVERIFY(editor);
        QTest::keyClick(editor, Qt::Key_Escape);
        QVERIFY(QTest::qWaitFor([t] { return !openEditor(t); }));
        QVERIFY(w->isVisible());
        QTest::keyClick(t, Qt::Key_Escape);
        QVERIFY(!w->isVisible());
        // The drawing window it came from has the focus again, not whichever
        // window the window manager picks.
        QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(drawing_.get()));
        drawing_->btWindingsClick();
        QVERIFY(w->isVisible());
        QCOMPARE(t->model()->rowCount(), 1);
        QCOMPARE(cellText(t, 0, ColTurns), QStringLiteral("300"));
    }

    // A new Calculate gives the window a new space and keeps the windings;
    // a rejected one leaves the drawing without a result, and the window
    // says so.
    void followsANewCalculate()
    {
        WindingsWindow* w = openWindings();
        QVERIFY(w);
        QTableView* t = table(w);
        QVERIFY(typeWinding(t, {"Mains", "300", "0,5", "0,05", "0,1"}));
        QVERIFY(verdict(w).contains(QStringLiteral("из 8,50 мм")));
        auto* space = w->findChild<QLabel*>(QStringLiteral("lbSpace"));
        QVERIFY(space->text().contains(QStringLiteral("L 27,50 мм")));

        // C 12: the cheek 4 mm wider, D 10.5.
        calculate(QStringLiteral("20"), QStringLiteral("12"));
        QCOMPARE(t->model()->rowCount(), 1);
        QVERIFY(space->text().contains(QStringLiteral("D 10,50 мм")));
        QCOMPARE(verdict(w),
                 QStringLiteral("Помещается: катушка 5,06 мм из 10,50 мм (48,2 %), остаётся 5,44 мм."));
        QCOMPARE(w->findChild<WindingSection*>(QStringLiteral("wsSection"))->content().space->depth, 10.5);

        modals_->expectBoxes(1);
        calculate(QStringLiteral("20"), QStringLiteral("12"), QStringLiteral("0"));
        QTRY_COMPARE(modals_->seen().size(), 1);
        QVERIFY(space->text().startsWith(QStringLiteral("Чертёж не рассчитан")));
        QCOMPARE(verdict(w), QStringLiteral("Нет результата чертежа: проверить нечего."));
        QCOMPARE(t->model()->rowCount(), 1);
        QVERIFY(!drawing_->findChild<QPushButton*>(QStringLiteral("btWindings"))->isEnabled());
    }

    // A bobbin of A, B, C, H 1 and T 0.5 has nowhere to wind: the verdict
    // says so with its L and D, and the section draws no coil.
    void noWindingRoomIsSaid()
    {
        WindingsWindow* w = openWindings();
        QVERIFY(w);
        QVERIFY(typeWinding(table(w), {"Mains", "300", "0,5", "0,05", "0,1"}));
        for (const char* name : {"ed_A", "ed_B", "ed_C", "ed_H"})
            input(name)->setText(QStringLiteral("1"));
        input("edMater")->setText(QStringLiteral("0,5"));
        QTest::mouseClick(form_->findChild<QPushButton*>("btShow"), Qt::LeftButton);
        QCOMPARE(verdict(w), QStringLiteral("У каркаса нет места для обмоток: длина намотки L -0,50 мм, "
                                            "глубина D 0,00 мм."));
        QVERIFY(w->findChild<WindingSection*>(QStringLiteral("wsSection"))->content().result.noRoom);
    }

    // The picture to scale: each band measured on the grabbed widget against
    // the build over the depth (the cheek's height above the tube).
    void sectionBandsMatchTheNumbers_data()
    {
        QTest::addColumn<QList<QStringList>>("windings");
        QTest::addColumn<bool>("fits");
        // δ 3.4 and 3.3 (no insulation over them), Δ 7.37 of 8.5.
        QTest::newRow("two that fit")
            << QList<QStringList>{{"1", "200", "0,5", "0,1", "0"}, {"2", "60", "1", "0", "0"}} << true;
        // δ 3.4, 3.3 and 2.3 (k 1.15 at d 1.0: 23 a layer, 2 layers): Δ 9.9 > 8.5.
        QTest::newRow("one too many") << QList<QStringList>{{"1", "200", "0,5", "0,1", "0"},
                                                            {"2", "60", "1", "0", "0"},
                                                            {"3", "46", "1", "0", "0", "1,15"}}
                                      << false;
    }

    void sectionBandsMatchTheNumbers()
    {
        QFETCH(QList<QStringList>, windings);
        QFETCH(bool, fits);
        WindingsWindow* w = openWindings();
        QVERIFY(w);
        QTableView* t = table(w);
        for (const QStringList& winding : windings)
            QVERIFY(typeWinding(t, winding));
        QVERIFY(w->result().build);
        QCOMPARE(w->result().fits, fits);
        auto* section = w->findChild<WindingSection*>(QStringLiteral("wsSection"));
        QVERIFY(section->isVisible());
        const QImage image = section->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const double ratio = section->devicePixelRatioF();
        QCOMPARE(image.width(), qRound(section->width() * ratio));

        // The wall (tube and cheeks) spans the section's width and height.
        QRect wall;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixelColor(x, y).rgb() == wallColour().rgb())
                    wall |= QRect(x, y, 1, 1);
        QVERIFY(wall.width() > 100);
        const Column middle{image, wall.center().x()};
        const Column cheek{image, wall.left() + 1};
        // The tube's outer face: just above the wall in the middle.
        const auto tube = middle.extent(wallColour(), wallColour());
        const auto cheekWall = cheek.extent(wallColour(), wallColour());
        QVERIFY(tube && cheekWall);
        const int face = tube->first;  // the first row of the wall
        const int edge = cheekWall->first;  // the cheek's edge
        const double depthPixels = face - edge;
        QVERIFY(depthPixels > 40);
        const double depth = 8.5;
        const double bulge = 1.1;
        const double tolerance = 1.5 / depthPixels;  // an edge is within a pixel
        double below = 0;
        for (std::size_t i = 0; i < w->result().windings.size(); ++i) {
            const auto& b = w->result().windings[i];
            const double top = bulge * (below + b.build);
            below += b.build;
            const auto band = middle.extent(windingColour(int(i), 0), windingColour(int(i), 1));
            if (top > depth + 1e-9) {
                // Beyond the cheek's edge this winding is red, not its colour.
                continue;
            }
            QVERIFY2(band, qPrintable(QStringLiteral("winding %1 not drawn").arg(i)));
            // Its top row against the tube's face, as a share of the depth.
            QVERIFY2(std::abs((face - band->first) / depthPixels - top / depth) <= tolerance,
                     qPrintable(QStringLiteral("winding %1: %2 of the depth drawn, %3 built")
                                    .arg(i)
                                    .arg((face - band->first) / depthPixels)
                                    .arg(top / depth)));
            // Its thickness (no insulation over it here).
            const double thickness = (band->second - band->first + 1) / depthPixels;
            QVERIFY2(std::abs(thickness - bulge * b.build / depth) <= 2 * tolerance,
                     qPrintable(QStringLiteral("winding %1: %2 thick, %3 built")
                                    .arg(i)
                                    .arg(thickness)
                                    .arg(bulge * b.build / depth)));
        }
        const auto red = middle.extent(overflowColour(), overflowColour());
        if (fits) {
            QVERIFY(!red);
            return;
        }
        // What does not fit is red from the cheek's edge to the coil's top.
        QVERIFY(red);
        QVERIFY(std::abs(red->second + 1 - edge) <= 1);
        QVERIFY(std::abs((face - red->first) / depthPixels - *w->result().build / depth) <= tolerance);
    }

    // The depth's figure right of the section is drawn whole, however long
    // it is ("D 11.00 mm" in English was cut to "D 11.00 mn").
    void sectionFigureDrawnWhole()
    {
        SectionContent content;
        content.space = vintorp::windings::Space{50, 1500, 1110, 22, 42};
        QImage image(400, 240, QImage::Format_RGB32);
        QPainter painter(&image);
        paintSection(painter, QRectF(image.rect()), content);
        QFont font = painter.font();
        font.setPixelSize(11);
        const double width = QFontMetricsF(font, &image).horizontalAdvance(QStringLiteral("D 1110,00 мм"));
        painter.end();
        int wallRight = -1, textRight = -1;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QRgb rgb = image.pixel(x, y);
                if (rgb == wallColour().rgb())
                    wallRight = std::max(wallRight, x);
                else if (qGray(rgb) < 128)
                    textRight = std::max(textRight, x);
            }
        QVERIFY(wallRight > 0);
        // The text starts 5 px right of the wall; its last letter's ink ends
        // within a pixel or two of its advance.
        QVERIFY2(textRight - wallRight >= width + 2,
                 qPrintable(QStringLiteral("%1 px of a %2 px text").arg(textRight - wallRight).arg(width)));
    }

    // «Печать…» prints the table and the section on one page of the shared
    // printer: a PDF file chosen in the dialog is written whole.
    void printsOnOnePage()
    {
        WindingsWindow* w = openWindings();
        QVERIFY(w);
        QVERIFY(typeWinding(table(w), {"Mains", "300", "0,5", "0,05", "0,1"}));
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString file = dir.filePath(QStringLiteral("windings.pdf"));
        int asked = 0;
        w->setPrinterChooser(std::make_unique<ScriptedChooser>([&](QPrinter& printer) {
            ++asked;
            // Named in the dialog already: the job's name and the PDF's title.
            if (printer.docName() != QStringLiteral("Vintorp — обмотки каркаса"))
                return false;
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(file);
            return true;
        }));
        QTest::mouseClick(w->findChild<QPushButton*>(QStringLiteral("btPrintWindings")), Qt::LeftButton);
        QCOMPARE(asked, 1);
        QFile pdf(file);
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        const QByteArray bytes = pdf.readAll();
        QVERIFY(bytes.startsWith("%PDF"));
        QCOMPARE(bytes.count("/Type /Page") - bytes.count("/Type /Pages"), 1);
        // The page says what the window says: the winding, its results, the verdict.
        const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        if (pdftotext.isEmpty())
            QSKIP("pdftotext (poppler-utils) is needed to read the page");
        QProcess reader;
        reader.start(pdftotext, {QStringLiteral("-raw"), file, QStringLiteral("-")});
        QVERIFY(reader.waitForFinished());
        const QString text = QString::fromUtf8(reader.readAllStandardOutput()).simplified();
        for (const QString& expected :
             {QStringLiteral("Mains 300 2 0,5 0,05 0,1 1,20 (авто) 45 7 4,60 34,8 — — —"), this->verdict(w),
              QStringLiteral("глубина D 8,50 мм")})
            QVERIFY2(text.contains(expected), qPrintable(expected + " not in: " + text));
        // Every header is there in full, wrapped or set smaller but never cut short.
        QVERIFY2(!text.contains(QChar(u'…')), qPrintable(text));
        for (const QString& header :
             {QStringLiteral("Медь, г"), QStringLiteral("°C, Ом"), QStringLiteral("Изоляция")})
            QVERIFY2(text.contains(header), qPrintable(header + " not in: " + text));
    }

    // Cancelling the dialog prints nothing.
    void cancelledPrintWritesNothing()
    {
        WindingsWindow* w = openWindings();
        QVERIFY(w);
        int asked = 0;
        w->setPrinterChooser(std::make_unique<ScriptedChooser>([&](QPrinter&) {
            ++asked;
            return false;
        }));
        QTest::mouseClick(w->findChild<QPushButton*>(QStringLiteral("btPrintWindings")), Qt::LeftButton);
        QCOMPARE(asked, 1);
    }

    // «Из напряжений…» on the core A 20, B 40, C 12.5, H 32, T 1: two
    // secondaries typed by keys fill the table with the dialog's result,
    // primary first, and its working temperature; a hand edit then says the
    // table no longer matches, until it is filled again.
    void fromVoltagesFillsTheTable()
    {
        input("ed_B")->setText(QStringLiteral("40"));
        input("ed_H")->setText(QStringLiteral("32"));
        input("ed_A")->setText(QStringLiteral("20"));
        input("ed_C")->setText(QStringLiteral("12,5"));
        input("edPLKrep")->setText(QStringLiteral("0"));
        input("edMater")->setText(QStringLiteral("1"));
        QTest::mouseClick(form_->findChild<QRadioButton*>("item0"), Qt::LeftButton);
        QTest::mouseClick(form_->findChild<QPushButton*>("btShow"), Qt::LeftButton);
        QTest::mouseClick(drawing_->findChild<QPushButton*>(QStringLiteral("btWindings")), Qt::LeftButton);
        auto* w = drawing_->findChild<WindingsWindow*>(QStringLiteral("WindingsWindow"));
        QVERIFY(w && QTest::qWaitForWindowExposed(w));
        QTest::mouseClick(w->findChild<QPushButton*>(QStringLiteral("btFromVoltages")), Qt::LeftButton);
        auto* dialog = w->findChild<TransformerDialog*>(QStringLiteral("dlgFromVoltages"));
        QVERIFY(dialog && QTest::qWaitForWindowExposed(dialog));
        const auto type = [dialog](const char* name, const QString& text) {
            auto* field = dialog->findChild<QWidget*>(QString::fromLatin1(name));
            QVERIFY2(field && field->isVisible(), name);
            field->setFocus();
            QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(field, text);
        };
        // The two groups' fields in one column.
        QCOMPARE(dialog->findChild<QWidget*>(QStringLiteral("seDensity"))->mapTo(dialog, QPoint()).x(),
                 dialog->findChild<QWidget*>(QStringLiteral("seMains"))->mapTo(dialog, QPoint()).x());
        type("seSecondaryVolts1", QStringLiteral("12"));
        type("seSecondaryAmps1", QStringLiteral("1"));
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("btAddSecondary")), Qt::LeftButton);
        type("edSecondaryName2", QStringLiteral("Heater"));
        type("seSecondaryVolts2", QStringLiteral("6,3"));
        type("seSecondaryAmps2", QStringLiteral("0,5"));
        type("seWindingTemperature", QStringLiteral("90"));
        const vintorp::windings::TransformerInputs inputs = dialog->inputs();
        QCOMPARE(inputs.secondaries.size(), std::size_t(2));
        QCOMPARE(inputs.secondaries[1].volts, 6.3);
        QCOMPARE(w->transformerInputs().secondaries[1].name, std::string("Heater"));
        QVERIFY(dialog->result() && !dialog->result()->failure);
        const std::vector<vintorp::windings::Winding> rows
            = vintorp::windings::tableWindings(*dialog->result(), inputs);

        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("btFillTable")), Qt::LeftButton);
        QTableView* t = table(w);
        QCOMPARE(t->model()->rowCount(), 3);
        const QStringList names{"I", "II", "Heater"};
        for (int r = 0; r < 3; ++r) {
            QCOMPARE(cellText(t, r, ColName), names[r]);
            QCOMPARE(cellText(t, r, ColTurns), QString::number(rows[std::size_t(r)].turns));
            QCOMPARE(cellText(t, r, ColCopper),
                     QString::number(*rows[std::size_t(r)].copper, 'g', 15).replace('.', ','));
        }
        QCOMPARE(w->factors().temperature, 90.0);
        QCOMPARE(w->result().windings.size(), std::size_t(3));
        auto* note = w->findChild<QLabel*>(QStringLiteral("lbTransformerNote"));
        QVERIFY(!note->isVisible());

        t->setFocus();
        t->setCurrentIndex(cell(t, 1, ColTurns));
        QLineEdit* editor = typeIntoCell(t, QStringLiteral("7"));
        QVERIFY(editor && closeWithEnter(t, editor));
        QVERIFY(note->isVisible());
        QCOMPARE(note->text(), QStringLiteral("Таблица изменена вручную и больше не совпадает с расчётом из "
                                              "напряжений."));
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("btFillTable")), Qt::LeftButton);
        QCOMPARE(cellText(t, 1, ColTurns), QString::number(rows[1].turns));
        QVERIFY(!note->isVisible());
    }
};

VINTORP_UI_TEST_MAIN(TestWindingsWindow)

#include "test_windings_window.moc"
