// The batch tool's "template" key: the answer line says whether the file was
// written, or why not, and the other lines go on.
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

#include "smalldisk.h"

class TestBatchTemplate : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;

    // One case of the worked example, with `extra` added to the object.
    static QByteArray line(int type, const QString& extra)
    {
        return QStringLiteral(
                   R"({"A":"20","B":"25","C":"10","H":"30","K":"2","T":"1","type":%1,"sep":","%2})")
            .arg(type)
            .arg(extra)
            .toUtf8();
    }

    static QList<QJsonObject> run(const QList<QByteArray>& lines, const QStringList& arguments = {})
    {
        QProcess batch;
        batch.start(QStringLiteral(VINTORP_BATCH), arguments);
        if (!batch.waitForStarted())
            return {};
        for (const QByteArray& l : lines)
            batch.write(l + '\n');
        batch.closeWriteChannel();
        batch.waitForFinished(60000);
        QList<QJsonObject> answers;
        for (const QByteArray& out : batch.readAllStandardOutput().split('\n')) {
            if (!out.isEmpty())
                answers << QJsonDocument::fromJson(out).object();
        }
        return answers;
    }

private slots:
    void filesWrittenWholeOrNotAtAll();
    // The template's own keys: each of its kind and in its range, or an
    // error that names it and no file.
    void settingsKeys()
    {
        struct Case {
            QString name;
            QString extra;
            QString says;  // empty: written
            QString contains;  // in the file written
        };
        const QList<Case> cases = {
            {"bobbins.svg", R"(,"bobbins":3)", {}, "cheek-6"},
            {"cutter.svg",
             R"(,"cutter":true,"sheet_width":150,"sheet_height":100,"gap":3,"kerf":0.2,"labels":false,"clearance":0.1)",
             {},
             "Ширина реза: 0,2 мм"},
            {"kerf-text.svg", R"(,"kerf":"0.2")", "значение ключа \"kerf\" должно быть числом", {}},
            {"kerf-big.svg", R"(,"kerf":2)", "kerf 2 мм: должно быть от 0 до 1 мм", {}},
            {"hole.svg", R"(,"cutter":true,"hole":2.5)", {}, "r=\"1.25\""},
            {"hole-big.svg", R"(,"hole":5.5)", "hole 5.5 мм: должно быть от 0.5 до 5 мм", {}},
            {"hole-kerf.svg", R"(,"hole":0.5,"kerf":0.5)", "hole 0.5 мм: должно быть больше kerf 0.5 мм", {}},
            {"kerf.pdf", R"(,"kerf":0.2)", "только для файлов SVG", {}},
            {"bobbins-half.svg", R"(,"bobbins":2.5)", "\"bobbins\" должно быть целым числом", {}},
            {"bobbins-many.svg", R"(,"bobbins":5)", "bobbins 5: должно быть от 1 до 4", {}},
            {"cutter-one.svg", R"(,"cutter":1)", "\"cutter\" должно быть true или false", {}},
            {"small-sheet.svg",
             R"(,"cutter":true,"sheet_width":30,"sheet_height":30)",
             "не помещается на лист",
             {}},
            {"gap.svg", R"(,"cutter":true,"gap":-1)", "gap -1 мм: должно быть от 0 до 50 мм", {}},
            {"nul.svg\\u0000", {}, "знак NUL", {}},
            {"bobbins-none.svg", R"(,"bobbins":0)", "от 1 до 4", {}},
            {"bobbins-minus-zero.svg", R"(,"bobbins":-0.0)", "от 1 до 4", {}},
            {"sheet-3001.svg",
             R"(,"cutter":true,"sheet_width":3001)",
             "sheet_width 3001 мм: должно быть от 10 до 3000 мм",
             {}},
            {"sheet-10.svg", R"(,"cutter":true,"sheet_width":10,"sheet_height":10)", "не меньше 10 мм", {}},
        };
        QList<QByteArray> lines;
        for (const Case& c : cases)
            lines << line(0, QStringLiteral(R"(,"template":"%1")").arg(dir_.filePath(c.name)) + c.extra);
        const QList<QJsonObject> answers = run(lines);
        QCOMPARE(answers.size(), cases.size());
        for (qsizetype i = 0; i < cases.size(); ++i) {
            const Case& c = cases[i];
            const QJsonObject answer = answers[i].value("template").toObject();
            QFile file(dir_.filePath(c.name));
            if (c.says.isEmpty()) {
                QCOMPARE(answer.value("status").toString(), QStringLiteral("written"));
                QVERIFY(file.open(QIODevice::ReadOnly));
                QVERIFY2(QString::fromUtf8(file.readAll()).contains(c.contains), qPrintable(c.name));
            } else {
                QCOMPARE(answer.value("status").toString(), QStringLiteral("error"));
                QVERIFY2(answer.value("message").toString().contains(c.says),
                         qPrintable(answer.value("message").toString()));
                QVERIFY2(!file.exists(), qPrintable(c.name));
            }
        }
    }
    // A cutter's job lists its files: the one named, or one per sheet.
    void cutterFilesListed()
    {
        const QString one = dir_.filePath("one.dxf"), many = dir_.filePath("many.dxf");
        const QList<QJsonObject> answers = run(
            {line(0, QStringLiteral(R"(,"template":"%1","cutter":true)").arg(one)),
             line(0, QStringLiteral(R"(,"template":"%1","cutter":true,"bobbins":2,"sheet_width":100,)"
                                    R"("sheet_height":100,"cut_only":true)")
                         .arg(many))});
        QCOMPARE(answers.size(), 2);
        QCOMPARE(answers[0].value("template")["paths"].toArray(), QJsonArray{one});
        QCOMPARE(answers[1].value("template")["path"].toString(), many);
        const QJsonArray paths{dir_.filePath("many-1.dxf"), dir_.filePath("many-2.dxf"), dir_.filePath("many-3.dxf")};
        QCOMPARE(answers[1].value("template")["paths"].toArray(), paths);
        for (const QJsonValue path : paths)
            QVERIFY(QFile::exists(path.toString()));
    }
    // Design files named on the command line are read whole, as the window
    // opens them: one answer each, the window's message for a file it refuses.
    void designFilesAsTheWindowOpensThem()
    {
        const QByteArray design
            = R"({"format":"vintorp-design","version":1.0,"A":"20","B":"25","C":"10","H":"30",)"
              R"("K":"2","T":"1","type":0,"sep":".","bobbins":2})";
        const struct {
            QString name;
            QByteArray bytes;
            QString says;  // empty: calculated
        } files[] = {
            {"pretty.vintorp", QJsonDocument::fromJson(design).toJson(QJsonDocument::Indented), {}},
            {"newer.vintorp", QByteArray(design).replace(R"("version":1.0)", R"("version":2)"),
             "более новой версией"},
            {"comma.vintorp", QByteArray(design).replace(R"("sep":".")", R"("sep":",")"), "«sep» вне"},
            {"long.vintorp", QByteArray(design).replace(R"("A":"20")", R"("A":"20.0001")"),
             "«A» содержит 7 символов"},
            {"missing.vintorp", {}, "Не удалось открыть проект"},
        };
        QStringList arguments;
        for (const auto& f : files) {
            arguments << dir_.filePath(f.name);
            QFile file(arguments.back());
            if (!f.bytes.isEmpty())
                QVERIFY(file.open(QIODevice::WriteOnly) && file.write(f.bytes) == f.bytes.size());
        }
        const QList<QJsonObject> answers = run({}, arguments);
        QCOMPARE(answers.size(), qsizetype(std::size(files)));
        for (qsizetype i = 0; i < answers.size(); ++i) {
            const QString message = answers[i].value("message").toString();
            if (files[i].says.isEmpty()) {
                QCOMPARE(answers[i].value("status").toString(), QStringLiteral("ok"));
                QCOMPARE(answers[i].value("fields").toObject().value("Edit2").toString(),
                         QStringLiteral("27.5"));
            } else {
                QCOMPARE(answers[i].value("status").toString(), QStringLiteral("invalid"));
                QVERIFY2(message.startsWith(QStringLiteral("Не удалось открыть проект ") + arguments[i])
                             && message.contains(files[i].says),
                         qPrintable(message));
            }
        }
    }
    // The template's answers speak the language asked for, like the rest.
    void refusalsInTheChosenLanguage()
    {
        const QList<QByteArray> lines = {
            line(0, R"(,"template":7)"),
            R"({"A":"0","B":"25","C":"10","H":"30","K":"0","T":"1","type":0,"sep":",","template":"x.pdf"})",
            line(0, QStringLiteral(R"(,"template":"%1","kerf":1.5)").arg(dir_.filePath("kerf.svg")))};
        const struct {
            QStringList arguments;
            QStringList says;
        } runs[] = {{{},
                     {"значение ключа \"template\" должно быть строкой", "вырезать нечего: расчёт не удался",
                      "kerf 1.5 мм: должно быть от 0 до 1 мм"}},
                    {{"--lang", "en"},
                     {"key \"template\" must be a string", "nothing to cut: the calculation did not succeed",
                      "kerf 1.5 mm: must be 0 to 1 mm"}}};
        for (const auto& r : runs) {
            const QList<QJsonObject> answers = run(lines, r.arguments);
            QCOMPARE(answers.size(), 3);
            for (int i = 0; i < 3; ++i)
                QCOMPARE(answers[i].value("template").toObject().value("message").toString(), r.says[i]);
        }
    }
    void answersEachLine()
    {
        const QString pdf = dir_.filePath("e.pdf");
        const QString svg = dir_.filePath("u.SVG");
        const QString dxf = dir_.filePath("e.Dxf");
        struct Case {
            QByteArray line;
            QString status;  // of the template; empty: no template member
            QString says;
        };
        const QList<Case> cases = {
            {line(0, QStringLiteral(R"(,"template":"%1")").arg(pdf)), "written", {}},
            {line(1, QStringLiteral(R"(,"template":"%1")").arg(svg)), "written", {}},
            {line(0, QStringLiteral(R"(,"template":"%1")").arg(dxf)), "written", {}},
            {line(0, {}), {}, {}},
            {line(0, QStringLiteral(R"(,"template":"%1")").arg(dir_.filePath("t.png"))), "error",
             ".pdf, .svg или .dxf"},
            {line(0, R"(,"template":7)"), "error", "должно быть строкой"},
            {line(0, QStringLiteral(R"(,"template":"%1")").arg(dir_.filePath("none/t.pdf"))), "error",
             "Не удалось записать файл"},
            {QByteArray(
                 R"({"A":"0","B":"25","C":"10","H":"30","K":"0","T":"1","type":0,"sep":",","template":")")
                 + dir_.filePath("rejected.pdf").toUtf8() + "\"}",
             "error", "вырезать нечего"},
            {line(0, QStringLiteral(R"(,"template":"%1")").arg(dir_.filePath("last.svg"))), "written", {}},
        };
        QList<QByteArray> lines;
        for (const Case& c : cases)
            lines << c.line;
        const QList<QJsonObject> answers = run(lines);
        QCOMPARE(answers.size(), cases.size());
        for (qsizetype i = 0; i < cases.size(); ++i) {
            const QJsonObject answer = answers[i];
            const QJsonObject t = answer.value("template").toObject();
            QCOMPARE(t.value("status").toString(), cases[i].status);
            QVERIFY2(t.value("message").toString().contains(cases[i].says),
                     qPrintable(t.value("message").toString()));
            if (cases[i].status == u"written")
                QVERIFY(QFile::exists(t.value("path").toString()));
        }
        // The calculation's own answer is unchanged by the key.
        QCOMPARE(answers[0].value("status").toString(), QStringLiteral("ok"));
        QCOMPARE(answers[0].value("fields").toObject().value("Edit4").toString(), QStringLiteral("39,5"));
        QCOMPARE(answers[7].value("status").toString(), QStringLiteral("rejected"));
        QVERIFY(!QFile::exists(dir_.filePath("rejected.pdf")));

        QFile pdfFile(pdf);
        QVERIFY(pdfFile.open(QIODevice::ReadOnly));
        QVERIFY(pdfFile.read(5) == "%PDF-");
        QFile dxfFile(dxf);
        QVERIFY(dxfFile.open(QIODevice::ReadOnly));
        QVERIFY(dxfFile.readAll().contains("\r\n  9\r\n$ACADVER\r\n  1\r\nAC1009\r\n"));
        QFile svgFile(svg);
        QVERIFY(svgFile.open(QIODevice::ReadOnly));
        // A U-type core: two bobbins, four cheeks.
        // Each cheek's things are grouped by its name in every layer.
            QSet<QString> cheeks;
            for (const auto& m : QRegularExpression(QStringLiteral("class=\"(cheek-\\d+)\"")).globalMatch(QString::fromUtf8(svgFile.readAll())))
                cheeks << m.captured(1);
            QCOMPARE(cheeks.size(), 4);
    }
};

// What a hostile or unlucky line meets: a full disk, a NUL in the path, a
// device as the target, a name as long as a name can be, a separator that
// XML cannot hold. Each is answered as it went, and nothing is destroyed.
void TestBatchTemplate::filesWrittenWholeOrNotAtAll()
{
    const vintorp::testing::SmallDisk disk(12);
    const QString existing = QString::fromStdString(disk.file("existing.pdf"));
    const QByteArray old(6000, 'o');
    if (disk.mounted()) {
        QFile file(existing);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(old), old.size());
    }
    QVERIFY(QFile::link("/dev/full", dir_.filePath("full.pdf")));
    const QString longest = dir_.filePath(QString(251, u'n') + ".svg");
    const auto templateAt = [](const QString& path, const char* sep = ",") {
        return QByteArray(R"({"A":"20","B":"25","C":"10","H":"30","K":"0","T":"1","type":0,"sep":")") + sep
               + R"(","template":)"
               + QJsonDocument(QJsonArray{path}).toJson(QJsonDocument::Compact).mid(1).chopped(1) + '}';
    };
    struct Case {
        QByteArray line;
        QString says;  // empty: written
    };
    QList<Case> cases = {
        {templateAt(dir_.filePath("nul") + QChar(0) + "x.pdf"), "NUL"},
        {templateAt(dir_.filePath("full.pdf")), "не обычный файл"},
        {templateAt(longest), {}},
        {templateAt(longest), {}},
        {templateAt(dir_.filePath("sep0.svg"), R"(\u0000)"), "U+0000"},
        {templateAt(dir_.filePath("sep1.svg"), R"(\u0001)"), "U+0001"},
        {templateAt(dir_.filePath("sep1b.svg"), R"(\u001b)"), "U+001B"},
        {templateAt(dir_.filePath("sepfffe.svg"), R"(\ufffe)"), "U+FFFE"},
        {templateAt(dir_.filePath("sep-amp.svg"), "&"), {}},
        {templateAt(dir_.filePath("sep1.dxf"), R"(\u0001)"), "U+0001"},
        {templateAt(dir_.filePath("sep-lf.dxf"), R"(\n)"), "U+000A"},
    };
    if (disk.mounted()) {
        cases.append({templateAt(existing), "No space left on device"});
        cases.append({templateAt(QString::fromStdString(disk.file("new.svg"))), "No space left on device"});
    }
    QList<QByteArray> lines;
    for (const Case& c : cases)
        lines << c.line;
    const QList<QJsonObject> answers = run(lines);
    QCOMPARE(answers.size(), cases.size());
    for (qsizetype i = 0; i < cases.size(); ++i) {
        const QJsonObject t = answers[i].value("template").toObject();
        const QString message = t.value("message").toString();
        QCOMPARE(t.value("status").toString(), cases[i].says.isEmpty() ? "written" : "error");
        QVERIFY2(message.contains(cases[i].says), qPrintable(message));
    }
    QVERIFY(!QFile::exists(dir_.filePath("nul")));
    QCOMPARE(QFileInfo(dir_.filePath("full.pdf")).symLinkTarget(), QStringLiteral("/dev/full"));
    for (const char* name : {"sep0.svg", "sep1.svg", "sep1b.svg", "sepfffe.svg", "sep1.dxf", "sep-lf.dxf"})
        QVERIFY2(!QFile::exists(dir_.filePath(name)), name);
    QFile svg(dir_.filePath("sep-amp.svg"));
    QVERIFY(svg.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&svg);
    while (!xml.atEnd())
        xml.readNext();
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    if (!disk.mounted())
        QSKIP(disk.why().c_str());
    QFile file(existing);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), old);
    QVERIFY(!QFile::exists(QString::fromStdString(disk.file("new.svg"))));
}

QTEST_GUILESS_MAIN(TestBatchTemplate)
#include "tst_batch_template.moc"
