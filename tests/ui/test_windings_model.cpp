// The windings table's model alone: one cell edited through setData, and
// what the model then holds and reports changed.
#include "ui/decimalseparator.h"
#include "ui/windingsmodel.h"

#include <QSignalSpy>
#include <QtTest>

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
        model.setWindings({{"Primary", 300, 0.5, 0.05, 0.1, {}, {}, windings::kDefaultGrade}, {"Secondary", 40, 1, 0, 0, {}, {}, windings::kDefaultGrade}}, {});
        QVERIFY(model.result().fits);
        QSignalSpy changed(&model, &WindingsModel::dataChanged);

        const QModelIndex cell = model.index(0, column);
        const QString before = cell.data().toString();
        QVERIFY(model.setData(cell, typed));
        QCOMPARE(cell.data().toString(), typed);
        QCOMPARE(cell.data(Qt::ToolTipRole).toString(), tip);
        QCOMPARE(cell.data(Qt::BackgroundRole).isValid(), !tip.isEmpty());
        QStringList shown;
        for (int c = ColPerLayer; c < ColumnCount; ++c)
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
};

QTEST_MAIN(TestWindingsModel)

#include "test_windings_model.moc"
