// A CUPS scheduler of the test's own: its configuration, spool, logs and
// socket in a temporary folder, no network port, and queues added only
// there. The process's CUPS_SERVER points at it, so neither the test nor
// the programs it runs ever ask the machine's scheduler or its printers.
// It needs root (cupsd checks that its files belong to root) and is stopped
// when the object goes.
#pragma once

#include <QHash>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <optional>

namespace vintorp::print::testing {

class PrivateCups {
public:
    // Starts the scheduler; running() says whether it came up.
    PrivateCups();
    ~PrivateCups();
    PrivateCups(const PrivateCups&) = delete;
    PrivateCups& operator=(const PrivateCups&) = delete;

    bool running() const { return why_.isEmpty(); }
    // Why the scheduler is not running.
    QString why() const { return why_; }

    // Adds a PDF printer (the cups-pdf driver) whose default paper is
    // `paper` (a PPD page size name, as "Letter"). It accepts jobs but is
    // not enabled, so they are held as CUPS received them and no PDF is
    // written anywhere. Returns the reason when it cannot be added.
    std::optional<QString> addQueue(const QString& name, const QString& paper);

    // The id of the latest job on `queue`; 0 when there is none.
    int lastJob(const QString& queue);

    // The job's attributes `names` as CUPS holds them, by name; an attribute
    // the job lacks is empty. Nothing when the job cannot be read.
    std::optional<QHash<QString, QString>> jobAttributes(const QString& queue, int job,
                                                         const QStringList& names);

private:
    // Runs a CUPS tool against this scheduler; its standard output, or
    // nothing when it fails (the reason then in lastError_).
    std::optional<QString> run(const QString& program, const QStringList& arguments);

    QTemporaryDir dir_;
    QProcess cupsd_;
    QString socket_;
    QString why_;
    QString lastError_;
};

}  // namespace vintorp::print::testing
