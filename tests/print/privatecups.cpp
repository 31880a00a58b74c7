#include "privatecups.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QThread>
#include <QUrl>

#include <unistd.h>

namespace vintorp::print::testing {
namespace {

constexpr int kToolTimeoutMs = 30000;
constexpr int kStartTimeoutMs = 15000;

QString findTool(const char* name)
{
    return QStandardPaths::findExecutable(QString::fromLatin1(name),
                                          {QStringLiteral("/usr/sbin"), QStringLiteral("/usr/bin"),
                                           QStringLiteral("/sbin"), QStringLiteral("/bin")});
}

bool writeText(const QString& path, const QString& text)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate)
           && file.write(text.toUtf8()) == text.toUtf8().size();
}

// The cups-pdf driver's description, as the Debian package installs it.
constexpr const char* kCupsPdfPpd = "/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd";

}  // namespace

PrivateCups::PrivateCups()
{
    if (::geteuid() != 0) {
        why_ = QStringLiteral("a private CUPS scheduler needs root");
        return;
    }
    const QString cupsd = findTool("cupsd");
    if (cupsd.isEmpty() || findTool("lpadmin").isEmpty() || findTool("ipptool").isEmpty()
        || !QFile::exists(QString::fromLatin1(kCupsPdfPpd))) {
        why_ = QStringLiteral("cups and printer-driver-cups-pdf are not installed");
        return;
    }
    if (!dir_.isValid()) {
        why_ = QStringLiteral("no temporary folder");
        return;
    }
    const QDir root(dir_.path());
    for (const char* sub : {"spool", "cache", "state", "tmp", "log"})
        root.mkpath(QString::fromLatin1(sub));
    socket_ = root.filePath(QStringLiteral("cups.sock"));
    const QString files = root.filePath(QStringLiteral("cups-files.conf"));
    const QString conf = root.filePath(QStringLiteral("cupsd.conf"));
    // Anyone on the socket may do anything: it is the test's alone.
    const bool written
        = writeText(conf, QStringLiteral("Listen %1\n"
                                         "Browsing No\n"
                                         "WebInterface No\n"
                                         "LogLevel warn\n"
                                         "DefaultAuthType None\n"
                                         "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                                         "<Policy default>\n  <Limit All>\n    Order deny,allow\n"
                                         "  </Limit>\n</Policy>\n")
                              .arg(socket_))
          && writeText(files, QStringLiteral("ServerRoot %1\n"
                                             "RequestRoot %1/spool\n"
                                             "CacheDir %1/cache\n"
                                             "StateDir %1/state\n"
                                             "TempDir %1/tmp\n"
                                             "ErrorLog %1/log/error_log\n"
                                             "AccessLog %1/log/access_log\n"
                                             "PageLog %1/log/page_log\n"
                                             "FileDevice No\n")
                                  .arg(dir_.path()));
    if (!written) {
        why_ = QStringLiteral("the scheduler's configuration cannot be written");
        return;
    }
    // Before libcups is first asked for its server, in this process or any
    // program it starts.
    qputenv("CUPS_SERVER", QFile::encodeName(socket_));

    cupsd_.setProcessChannelMode(QProcess::MergedChannels);
    cupsd_.start(cupsd, {QStringLiteral("-f"), QStringLiteral("-c"), conf, QStringLiteral("-s"), files});
    if (!cupsd_.waitForStarted(kToolTimeoutMs)) {
        why_ = QStringLiteral("cupsd does not start: ") + cupsd_.errorString();
        return;
    }
    // lpstat -r succeeds either way; it says whether the scheduler answers.
    const QDeadlineTimer deadline(kStartTimeoutMs);
    const auto answers = [this] {
        const std::optional<QString> said = run(findTool("lpstat"), {QStringLiteral("-r")});
        return said && said->trimmed() == u"scheduler is running";
    };
    while (!answers()) {
        if (deadline.hasExpired() || cupsd_.state() != QProcess::Running) {
            why_ = QStringLiteral("cupsd did not come up: ") + QString::fromLocal8Bit(cupsd_.readAll())
                   + lastError_;
            return;
        }
        QThread::msleep(100);
    }
}

PrivateCups::~PrivateCups()
{
    if (cupsd_.state() == QProcess::NotRunning)
        return;
    cupsd_.terminate();
    if (!cupsd_.waitForFinished(kToolTimeoutMs)) {
        cupsd_.kill();
        cupsd_.waitForFinished(kToolTimeoutMs);
    }
}

std::optional<QString> PrivateCups::run(const QString& program, const QStringList& arguments)
{
    QProcess tool;
    // The tools' words are read: in English whatever the caller's language.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    tool.setProcessEnvironment(environment);
    tool.start(program, arguments);
    if (!tool.waitForFinished(kToolTimeoutMs) || tool.exitStatus() != QProcess::NormalExit
        || tool.exitCode() != 0) {
        lastError_ = QFileInfo(program).fileName() + QStringLiteral(": ")
                     + QString::fromLocal8Bit(tool.readAllStandardError()) + tool.errorString();
        return std::nullopt;
    }
    return QString::fromLocal8Bit(tool.readAllStandardOutput());
}

std::optional<QString> PrivateCups::addQueue(const QString& name, const QString& paper)
{
    if (!run(findTool("lpadmin"),
             {QStringLiteral("-p"), name, QStringLiteral("-v"), QStringLiteral("cups-pdf:/"),
              QStringLiteral("-P"), QString::fromLatin1(kCupsPdfPpd), QStringLiteral("-o"),
              QStringLiteral("PageSize=") + paper})
        || !run(findTool("cupsaccept"), {name}))
        return lastError_;
    return std::nullopt;
}

int PrivateCups::lastJob(const QString& queue)
{
    // Lines such as "vintorp-test-3  root  1024  Mon Dec  7 14:19:26 2026".
    const std::optional<QString> jobs = run(findTool("lpstat"), {QStringLiteral("-o"), queue});
    int last = 0;
    if (!jobs)
        return last;
    const QString prefix = queue + u'-';
    for (const QString& line : jobs->split(u'\n', Qt::SkipEmptyParts)) {
        const QString id = line.section(u' ', 0, 0);
        if (id.startsWith(prefix))
            last = std::max(last, id.mid(prefix.size()).toInt());
    }
    return last;
}

std::optional<QHash<QString, QString>> PrivateCups::jobAttributes(const QString& queue, int job,
                                                                  const QStringList& names)
{
    QString test = QStringLiteral("{\n  OPERATION Get-Job-Attributes\n"
                                  "  GROUP operation-attributes-tag\n"
                                  "  ATTR charset attributes-charset utf-8\n"
                                  "  ATTR naturalLanguage attributes-natural-language en\n"
                                  "  ATTR uri printer-uri $uri\n"
                                  "  ATTR integer job-id %1\n"
                                  "  ATTR name requesting-user-name root\n"
                                  "  ATTR keyword requested-attributes %2\n"
                                  "  STATUS successful-ok\n")
                       .arg(job)
                       .arg(names.join(u','));
    for (const QString& name : names)
        test += QStringLiteral("  DISPLAY %1\n").arg(name);
    test += QStringLiteral("}\n");
    const QString file = QDir(dir_.path()).filePath(QStringLiteral("job-attributes.test"));
    if (!writeText(file, test))
        return std::nullopt;
    // The socket's path stands as the host of the printer's address.
    const QString uri = QStringLiteral("ipp://%1/printers/%2")
                            .arg(QString::fromLatin1(QUrl::toPercentEncoding(socket_)), queue);
    // -c: a line of the names asked for, then a line of their values.
    const std::optional<QString> table = run(findTool("ipptool"), {QStringLiteral("-c"), uri, file});
    if (!table)
        return std::nullopt;
    const QStringList lines = table->split(u'\n', Qt::SkipEmptyParts);
    if (lines.size() != 2)
        return std::nullopt;
    const QStringList header = lines[0].split(u','), values = lines[1].split(u',');
    if (header != names || values.size() != names.size())
        return std::nullopt;
    QHash<QString, QString> attributes;
    for (qsizetype i = 0; i < names.size(); ++i)
        attributes.insert(names[i], values[i]);
    return attributes;
}

}  // namespace vintorp::print::testing
