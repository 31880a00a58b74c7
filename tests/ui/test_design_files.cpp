// Design files from the windows: saved under one decimal separator and
// opened under the other, byte for byte; bad files that change nothing; the
// question before a changed design is left; a file dropped on a window; the
// save dialogs' question before a file is replaced.
#include "uitest.h"
#include "template/command/templatedialog.h"
#include "ui/designkeeper.h"
#include "ui/windingswindow.h"
#include "ui/windingsrows.h"

#include <QComboBox>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

using namespace vintorp::ui;
using vintorp::design::Design;
using Answer = DesignDialogs::Answer;

namespace {

// The user's answers to the keeper's questions, and how often it asked.
struct Script {
    QString openName, saveName;
    Answer answer = Answer::Cancel;
    int asked = 0;
};

class ScriptedDialogs final : public DesignDialogs {
public:
    explicit ScriptedDialogs(Script& script) : script_(script) { }
    QString openFileName(QWidget*, const QString&) override { return script_.openName; }
    QString saveFileName(QWidget*, const QString&) override { return script_.saveName; }
    Answer askToSave(QWidget*, const QString&) override
    {
        ++script_.asked;
        return script_.answer;
    }

private:
    Script& script_;
};

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

}  // namespace

class TestDesignFiles : public QObject, ProgramWindowsFixture {
    Q_OBJECT

private:
    Script script_;
    std::unique_ptr<DesignKeeper> keeper_;
    QTemporaryDir dir_;

    void start(const QString& separator)
    {
        script_ = {};
        QVERIFY(openWindows());
        pinSeparator(separator);
        keeper_ = std::make_unique<DesignKeeper>(*form_, *drawing_, std::make_unique<ScriptedDialogs>(script_));
    }
    void stop()
    {
        keeper_.reset();
        closeWindows();
    }
    QLineEdit* field(const char* name) const { return form_->findChild<QLineEdit*>(QString::fromLatin1(name)); }
    void type(const char* name, const QString& text)
    {
        field(name)->selectAll();
        QTest::keyClicks(field(name), text);
    }
    QString writeFile(const QByteArray& bytes)
    {
        const QString path = dir_.filePath(QStringLiteral("f%1.vintorp").arg(++files_));
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
        return path;
    }
    int files_ = 0;

private slots:
    void cleanup() { stop(); }

    void savedUnderOneSeparatorOpensUnderTheOther_data()
    {
        QTest::addColumn<QString>("saving");
        QTest::addColumn<QString>("opening");
        QTest::newRow("comma, then point") << "," << ".";
        QTest::newRow("point, then comma") << "." << ",";
    }
    void savedUnderOneSeparatorOpensUnderTheOther()
    {
        QFETCH(QString, saving);
        QFETCH(QString, opening);
        start(saving);
        type("ed_A", "20");
        type("ed_B", "25");
        type("ed_C", "10");
        type("ed_H", "30");
        type("edMater", "1" + saving + "5");
        QTest::mouseClick(form_->findChild<QPushButton*>("btShow"), Qt::LeftButton);
        QVERIFY(drawing_->isVisible());
        WindingsWindow& windings = drawing_->makeWindingsWindow();
        windings.setWindings({{"I", 1200, 0.25, 0.05, 0.1, {}, {}, vintorp::windings::kDefaultGrade}, {"II", 90, 0.8, 0, 0.2, 1.15, {}, vintorp::windings::kDefaultGrade}}, {0.5, 1.2});
        vintorp::design::TemplateSettings settings;
        settings.bobbins = 2;
        settings.kerf = 0.2;
        drawing_->setTemplateSettings(settings);
        vintorp::windings::TransformerInputs transformer;
        transformer.frequency = 60;
        transformer.secondaries = {{"II", 6.3, 2}};
        windings.setTransformerInputs(transformer);
        script_.saveName = dir_.filePath("first.vintorp");
        drawing_->btWindingsClick();
        QVERIFY(QTest::qWaitForWindowActive(&windings));
        QTest::keyClick(&windings, Qt::Key_S, Qt::ControlModifier);
        const QByteArray first = contents(script_.saveName);
        QVERIFY2(first.contains(R"("T":"1.5")") && first.contains(R"("layer":1.15)")
                     && first.contains(R"("bulge":1.2)") && first.contains(R"("kerf":0.2)")
                     && first.contains(R"("frequency":60)"),
                 first.constData());
        QVERIFY(!keeper_->isModified());
        QCOMPARE(windings.windowTitle(), QStringLiteral("Обмотки — first.vintorp[*]"));
        stop();

        start(opening);
        QVERIFY(keeper_->open(dir_.filePath("first.vintorp")));
        QCOMPARE(field("edMater")->text(), "1" + opening + "5");
        QVERIFY(drawing_->isVisible() && drawing_->windingsWindow()->isVisible());
        const QAbstractItemModel* table
            = drawing_->windingsWindow()->findChild<QTableView*>("twWindings")->model();
        QCOMPARE(table->rowCount(), 2);
        QCOMPARE(table->index(1, vintorp::ui::ColLayerFactor).data().toString(), "1" + opening + "15");
        QVERIFY(drawing_->windingsWindow()->result().build.has_value());
        QVERIFY(drawing_->windingsWindow()->transformerInputs() == transformer);
        QVERIFY(!keeper_->isModified());
        script_.saveName = dir_.filePath("second.vintorp");
        QVERIFY(keeper_->saveAs());
        QCOMPARE(contents(script_.saveName), first);
        QCOMPARE(script_.asked, 0);
    }

    void badFilesChangeNothing_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("why");
        const QByteArray good = R"({"format":"vintorp-design","version":1,"A":"20","B":"25","C":"10","H":"30",)"
                                R"("K":"0","T":"1","type":0,"sep":".")";
        QTest::newRow("cut short") << QByteArray(good).append("\n]") << "ошибка в строке 2, столбце 1";
        QTest::newRow("newer") << QByteArray(good).replace(R"("version":1)", R"("version":2)").append('}')
                               << "более новой версией";
        QTest::newRow("wire out of range")
            << QByteArray(good).append(R"(,"windings":[{"turns":10,"wire":11}]})") << "«windings[1].wire» вне";
        QTest::newRow("not a design") << QByteArray(R"({"A":"20"})") << "не проект Vintorp";
        QTest::newRow("too large") << QByteArray(good).append('}').append(QByteArray(1 << 20, ' '))
                                   << "больше 1 МБ";
        QTest::newRow("missing") << QByteArray() << "Не удалось открыть проект";
        QTest::newRow("empty") << QByteArray("\n") << "файл пуст";
        QTest::newRow("longer than its field")
            << QByteArray(good).replace(R"("A":"20")", R"("A":"20.0001")").append('}')
            << "«A» содержит 7 символов, поле — 6";
        QTest::newRow("decimal comma")
            << QByteArray(good).replace(R"("T":"1")", R"("T":"0,5")").append('}') << "в «T» запятая";
        QTest::newRow("a directory") << QByteArray("dir") << "это не обычный файл";
    }
    void badFilesChangeNothing()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, why);
        start(QStringLiteral(","));
        QString path = writeFile(bytes);
        if (bytes.isEmpty() || bytes == "dir")
            QFile::remove(path);
        if (bytes == "dir")
            QVERIFY(QDir().mkdir(path));
        modals_->expectBoxes(1);
        QVERIFY(!keeper_->open(path));
        QTRY_COMPARE(modals_->seen().size(), 1);
        const QString text = modals_->seen().front().text;
        QVERIFY2(text.contains(QFileInfo(path).fileName()) && text.contains(why), qPrintable(text));
        QCOMPARE(field("ed_A")->text(), QStringLiteral("0"));
        QVERIFY(!drawing_->isVisible() && !drawing_->windingsWindow());
        QVERIFY(keeper_->path().isEmpty());
    }

    void closingAsksBeforeWorkIsLost_data()
    {
        QTest::addColumn<bool>("inUse");
        QTest::addColumn<bool>("windings");  // typed into the table
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("closes");
        QTest::addColumn<QByteArray>("saved");  // what the file holds afterwards; empty: there is none
        QTest::newRow("no design") << false << false << int(Answer::Cancel) << true << QByteArray();
        QTest::newRow("cancel") << true << false << int(Answer::Cancel) << false << QByteArray(R"("A":"20")");
        QTest::newRow("discard") << true << false << int(Answer::Discard) << true
                                 << QByteArray(R"("A":"20")");
        QTest::newRow("save") << true << false << int(Answer::Save) << true << QByteArray(R"("A":"21")");
        QTest::newRow("windings, cancel") << false << true << int(Answer::Cancel) << false << QByteArray();
        QTest::newRow("windings, discard") << false << true << int(Answer::Discard) << true << QByteArray();
        QTest::newRow("windings, save")
            << false << true << int(Answer::Save) << true << QByteArray(R"("name":"I","turns":10)");
    }
    void closingAsksBeforeWorkIsLost()
    {
        QFETCH(bool, inUse);
        QFETCH(bool, windings);
        QFETCH(int, answer);
        QFETCH(bool, closes);
        QFETCH(QByteArray, saved);
        start(QStringLiteral(","));
        type("ed_A", "20");
        script_.saveName = dir_.filePath(QStringLiteral("closing%1.vintorp").arg(++files_));
        if (inUse)
            QVERIFY(keeper_->save());
        if (windings)
            drawing_->makeWindingsWindow().setWindings({{"I", 10, 0.5, 0, 0, {}, {}, vintorp::windings::kDefaultGrade}}, {});
        type("ed_A", "21");
        QCOMPARE(keeper_->isModified(), inUse);
        script_.answer = Answer(answer);
        form_->close();
        QCOMPARE(script_.asked, inUse || windings ? 1 : 0);
        QCOMPARE(form_->isVisible(), !closes);
        if (saved.isEmpty())
            QVERIFY(!QFile::exists(script_.saveName));
        else
            QVERIFY2(contents(script_.saveName).contains(saved), contents(script_.saveName).constData());
    }

    void unreadableWindingIsNotSaved()
    {
        start(QStringLiteral(","));
        WindingsWindow& windings = drawing_->makeWindingsWindow();
        windings.setWindings({{"I", 10, 0.5, 0, 0, {}, {}, vintorp::windings::kDefaultGrade}}, {});
        QAbstractItemModel* table = windings.findChild<QTableView*>("twWindings")->model();
        QVERIFY(table->setData(table->index(0, 2), QStringLiteral("0,5x")));
        script_.saveName = dir_.filePath("unreadable.vintorp");
        modals_->expectBoxes(1);
        QVERIFY(!keeper_->save());
        QTRY_COMPARE(modals_->seen().size(), 1);
        QVERIFY2(modals_->seen().front().text.contains(u"обмотка 1: Не число"), qPrintable(modals_->seen().front().text));
        QVERIFY(!QFile::exists(script_.saveName));
    }

    void droppedDesignOpens()
    {
        start(QStringLiteral(","));
        const QString path = writeFile(R"({"format":"vintorp-design","version":1,"A":"20","B":"25","C":"10",)"
                                       R"("H":"30","K":"0","T":"1","type":0,"sep":"."})");
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(path)});
        QLineEdit* target = field("ed_B");
        const QPoint at = target->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &drop);
        QCOMPARE(keeper_->path(), QFileInfo(path).absoluteFilePath());
        QCOMPARE(field("ed_B")->text(), QStringLiteral("25"));
        QVERIFY(drawing_->isVisible());
    }

    // A name typed without a suffix gets the suffix (of the chosen filter)
    // before the dialog decides, so replacing a file is asked as when typed.
    void saveDialogsAskBeforeReplacing_data()
    {
        QTest::addColumn<bool>("design");
        QTest::addColumn<int>("filter");  // filters down from the first
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("replaced");
        QTest::newRow("design") << true << 0 << "existing" << "existing.vintorp";
        QTest::newRow("template as PDF") << false << 0 << "existing" << "existing.pdf";
        QTest::newRow("template as DXF") << false << 2 << "existing" << "existing.dxf";
        QTest::newRow("template, own suffix") << false << 0 << "existing.svg" << "existing.svg";
    }
    void saveDialogsAskBeforeReplacing()
    {
        QFETCH(bool, design);
        QFETCH(int, filter);
        QFETCH(QString, typed);
        QFETCH(QString, replaced);
        QVERIFY(QFile(dir_.filePath(replaced)).open(QIODevice::WriteOnly));
        bool typedIn = false;
        QStringList asked;
        QTimer user;
        connect(&user, &QTimer::timeout, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                asked.append(box->text());
                box->button(QMessageBox::Yes)->click();
            } else if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
                if (typedIn)
                    return dialog->reject();  // asked nothing and stayed open
                typedIn = true;
                auto* filters = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
                for (int i = 0; i < filter; ++i)
                    QTest::keyClick(filters, Qt::Key_Down);
                dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(dir_.filePath(typed));
                QMetaObject::invokeMethod(dialog, &QDialog::accept, Qt::QueuedConnection);
            }
        });
        user.start(5);
        const QString chosen
            = design ? StandardDesignDialogs().saveFileName(nullptr, dir_.filePath("new.vintorp"))
                     : vintorp::cut::StandardTemplateDialogs().chooseFile(nullptr);
        QCOMPARE(chosen, dir_.filePath(replaced));
        QCOMPARE(asked.size(), 1);
        QVERIFY2(asked.first().startsWith(replaced), qPrintable(asked.first()));
    }
};

VINTORP_UI_TEST_MAIN(TestDesignFiles)
#include "test_design_files.moc"
