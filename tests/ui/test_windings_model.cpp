// The windings table's model alone: one cell edited through setData, and
// what the model then holds and reports changed.
#include "ui/decimalseparator.h"
#include "ui/windingsmodel.h"
#include "ui/windingstext.h"

#include <QSignalSpy>
#include <QtTest>

#include <cmath>

using namespace vintorp;
using namespace vintorp::ui;

class TestWindingsModel : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        setSeparatorSource([] { return QStringLiteral(","); });
    }

    // The worked example's bobbin (L 27.5, D 8.5) with a primary (k 1.2:
    // 45 a layer, 7 layers, δ 4.6) under a secondary (k 1.1: 25 a layer, 2
    // layers, δ 2.2): Δ 7.48 fits. `rows`: the rows whose results are
    // reported changed, as "first-last"; empty: none.
    void editOneCell_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("tip");
        QTest::addColumn<QStringList>("results");
        QTest::addColumn<int>("faulty");
        QTest::addColumn<bool>("fits");
        QTest::addColumn<QString>("rows");
        const QStringList worked{"45", "7", "4,60", "34,8"};
        QTest::newRow("more turns") << int(ColTurns) << "2000"
                                    << "" << QStringList{"45", "45", "29,30", "402,5"} << 0 << false << "0-1";
        QTest::newRow("renamed") << int(ColName) << "Mains"
                                 << "" << worked << 0 << true << "";
        QTest::newRow("typed again") << int(ColTurns) << "300"
                                     << "" << worked << 0 << true << "";
        QTest::newRow("not a number")
            << int(ColWire) << "0,5x"
            << "Не число" << QStringList{"неверный диаметр провода", "", "", ""} << 1 << false << "0-1";
        QTest::newRow("factor out of range")
            << int(ColLayerFactor) << "2,5"
            << "Коэффициент укладки: от 1 до 2" << QStringList{"неверный коэффициент укладки", "", "", ""}
            << 1 << false << "0-1";
        // The factor the primary's wire gives it, typed: the build stays.
        QTest::newRow("factor as by the wire") << int(ColLayerFactor) << "1,2"
                                               << "" << worked << 0 << true << "";
    }

    void editOneCell()
    {
        QFETCH(int, column);
        QFETCH(QString, typed);
        QFETCH(QString, tip);
        QFETCH(QStringList, results);
        QFETCH(int, faulty);
        QFETCH(bool, fits);
        QFETCH(QString, rows);
        WindingsModel model;
        model.setSpace(windings::Space{1, 27.5, 8.5, 22.5, 27.5});
        model.setWindings({{"Primary", 300, 0.5, 0.05, 0.1, {}, {}, windings::kDefaultGrade},
                           {"Secondary", 40, 1, 0, 0, {}, {}, windings::kDefaultGrade}},
                          {});
        QVERIFY(model.result().fits);
        QSignalSpy changed(&model, &WindingsModel::dataChanged);

        const QModelIndex cell = model.index(0, column);
        const QString before = cell.data().toString();
        QVERIFY(model.setData(cell, typed));
        QCOMPARE(cell.data().toString(), typed);
        QCOMPARE(cell.data(Qt::ToolTipRole).toString(), tip);
        QCOMPARE(cell.data(Qt::BackgroundRole).isValid(), !tip.isEmpty());
        QStringList shown;
        for (int c = ColPerLayer; c <= ColWireLength; ++c)
            shown << model.index(0, c).data().toString();
        QCOMPARE(shown, results);
        QCOMPARE(model.faultyRows(), faulty);
        QCOMPARE(model.result().fits, fits);

        int first = model.rowCount();
        int last = -1;
        bool cellReported = false;
        for (const QList<QVariant>& signal : changed) {
            const auto from = signal[0].value<QModelIndex>();
            const auto to = signal[1].value<QModelIndex>();
            cellReported
                |= from.row() <= 0 && to.row() >= 0 && from.column() <= column && to.column() >= column;
            if (to.column() >= ColPerLayer) {
                first = std::min(first, from.row());
                last = std::max(last, to.row());
            }
        }
        QCOMPARE(last < 0 ? QString() : QStringLiteral("%1-%2").arg(first).arg(last), rows);
        QCOMPARE(cellReported, typed != before);
    }

    // The primary's wire by its copper: the outer diameter the table gives
    // (0.5 mm grade 2: 0.566) shows greyed in the empty outer cell and is
    // used; an outer diameter typed over it wins; the copper gives the
    // resistance and mass. Out of the table, the cell is marked.
    void copperRows_data()
    {
        QTest::addColumn<QStringList>("typed");  // copper, grade, outer
        QTest::addColumn<QString>("shownOuter");
        QTest::addColumn<double>("used");
        QTest::addColumn<int>("markedColumn");
        QTest::addColumn<QString>("tip");
        QTest::newRow("copper") << QStringList{"0,5", "", ""} << "0,566 (по таблице)" << 0.566 << -1 << "";
        QTest::newRow("grade 1") << QStringList{"0,5", "1", ""} << "0,544 (по таблице)" << 0.544 << -1 << "";
        QTest::newRow("outer typed wins") << QStringList{"0,5", "", "0,6"} << "" << 0.6 << -1 << "";
        QTest::newRow("copper out of the table")
            << QStringList{"3", "", ""} << "" << 0.0 << int(ColCopper) << "Диаметр меди: от 0,02 до 2,50 мм";
        QTest::newRow("grade out of range")
            << QStringList{"0,5", "4", ""} << "" << 0.0 << int(ColGrade) << "Класс изоляции: от 1 до 3";
        QTest::newRow("no wire at all") << QStringList{"", "", ""} << "" << 0.0 << int(ColCopper)
                                        << "Введите диаметр меди или диаметр провода с изоляцией";
    }

    void copperRows()
    {
        QFETCH(QStringList, typed);
        QFETCH(QString, shownOuter);
        QFETCH(double, used);
        QFETCH(int, markedColumn);
        QFETCH(QString, tip);
        WindingsModel model;
        model.setSpace(windings::Space{1, 27.5, 8.5, 22.5, 27.5});
        model.setWindings({{"Primary", 300, 0.5, 0.05, 0.1, {}, {}, windings::kDefaultGrade}}, {});
        const int columns[] = {ColCopper, ColGrade, ColWire};
        for (int i = 0; i < 3; ++i)
            QVERIFY(model.setData(model.index(0, columns[i]), typed[i]));
        QCOMPARE(model.index(0, ColWire).data(kShownWhenEmptyRole).toString(), shownOuter);
        for (int c = 0; c < kInputColumns; ++c) {
            QCOMPARE(model.index(0, c).data(Qt::ToolTipRole).toString(), c == markedColumn ? tip : QString());
            QCOMPARE(model.index(0, c).data(Qt::BackgroundRole).isValid(), c == markedColumn);
        }
        const windings::WindingBuild& b = model.result().windings.at(0);
        QCOMPARE(b.problem.has_value(), markedColumn >= 0);
        if (b.problem)
            return;
        QCOMPARE(b.wire, used);
        // What is typed is kept: the copper, and the outer diameter only if typed.
        QCOMPARE(model.windings()[0].copper, std::optional<double>(0.5));
        QCOMPARE(model.windings()[0].wire.has_value(), !typed[2].isEmpty());
        // Resistance cold and warm (75 °C: ×1.216) and the mass, with the total.
        const double cold = model.index(0, ColOhmsCold).data().toString().replace(',', '.').toDouble();
        const double warm = model.index(0, ColOhmsWarm).data().toString().replace(',', '.').toDouble();
        QVERIFY(cold > 0);
        QVERIFY(std::abs(warm / cold - (1 + 0.00393 * 55)) < 0.01);
        QCOMPARE(model.index(0, ColCopperGrams).data().toString(),
                 fixedText(*model.result().copperGrams, 2, QStringLiteral(",")));
        QCOMPARE(model.headerData(ColOhmsWarm, Qt::Horizontal).toString(), QStringLiteral("R при 75 °C, Ом"));
    }

    // A number typed with a point shows with the program's comma, as the
    // results do, while the cell keeps what was typed; a text that cannot be
    // read shows as typed.
    void typedPointShowsAsTheSeparator_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("read") << "0.5"
                              << "0,5";
        QTest::newRow("not read") << "0.5.1"
                                  << "0.5.1";
    }

    void typedPointShowsAsTheSeparator()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        WindingsModel model;
        model.setWindings({{"Primary", 300, 0.5, 0.05, 0.1, {}, {}, windings::kDefaultGrade}}, {});
        const QModelIndex cell = model.index(0, ColCopper);
        QVERIFY(model.setData(cell, typed));
        QCOMPARE(cell.data().toString(), shown);
        QCOMPARE(cell.data(Qt::EditRole).toString(), typed);
    }
};

QTEST_MAIN(TestWindingsModel)

#include "test_windings_model.moc"
