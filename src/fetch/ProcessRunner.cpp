#include "fetch/ProcessRunner.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <csignal>
#include <sys/prctl.h>
#include <unistd.h>

namespace tidewick {

namespace {

// A killed process ends at once; only one stuck in the kernel (a dead
// network file system) takes longer, and is then left to end by itself.
constexpr int kLongestReapMs = 10000;

// Ends the program and everything it started, then reaps it (without running
// the event loop: QProcess waits on the process itself), so that it is gone
// when this returns.
void stopGroup(QProcess &process)
{
    const qint64 pid = process.processId();
    if (pid > 0)
        ::kill(-pid_t(pid), SIGKILL);
    process.kill();
    process.waitForFinished(kLongestReapMs);
}

bool endedWell(const QProcess &process)
{
    return process.state() == QProcess::NotRunning && process.error() != QProcess::FailedToStart
        && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

} // namespace

QProcessRunner::QProcessRunner()
{
    // Some limits a program cannot keep by itself (curl cannot cap an answer
    // whose length is not announced): look at the file now and then.
    m_sizeWatch.setInterval(50);
    connect(&m_sizeWatch, &QTimer::timeout, this, &QProcessRunner::watchOutput);
    // A helper that ignores its own time limit (or hangs before reading it)
    // must not hold the fetch for ever.
    m_deadline.setSingleShot(true);
    connect(&m_deadline, &QTimer::timeout, this, &QProcessRunner::stopAll);
}

QProcessRunner::~QProcessRunner()
{
    stopAll();
}

void QProcessRunner::start(const QString &program, const QStringList &arguments, const OutputLimit &limit)
{
    stopAll();
    m_limit = limit;
    m_process = std::make_unique<QProcess>();
    QProcess &process = *m_process;
    process.setProgram(program);
    process.setArguments(arguments);
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    // Its own process group, so that stopping it reaches its children too;
    // and it ends with this program, however that ends (a kill -9 too), not
    // querying on for up to a minute with nobody to read the answer.
    const pid_t parent = ::getpid();
    process.setChildProcessModifier([parent] {
        ::setpgid(0, 0);
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (::getppid() != parent)
            ::_exit(127);
    });
    // Queued: the end is told from the event loop, also when the start fails
    // within start() itself.
    QProcess *const started = &process;
    connect(
        &process, &QProcess::finished, this, [this, started] { onEnded(started); }, Qt::QueuedConnection);
    connect(
        &process, &QProcess::errorOccurred, this,
        [this, started](QProcess::ProcessError error) {
            if (error == QProcess::FailedToStart)
                onEnded(started);
        },
        Qt::QueuedConnection);
    process.start();
    if (m_limit.maxBytes > 0)
        m_sizeWatch.start();
    if (timeLimit() > 0)
        m_deadline.start(timeLimit() * 1000);
}

// A program stopped (or ended) is not running, even before its end is told.
bool QProcessRunner::isRunning() const
{
    return m_process && m_process->state() != QProcess::NotRunning;
}

void QProcessRunner::watchOutput()
{
    if (m_process && QFileInfo(m_limit.path).size() > m_limit.maxBytes)
        stopAll();
}

void QProcessRunner::stopAll()
{
    if (m_process && m_process->state() != QProcess::NotRunning)
        stopGroup(*m_process);
}

void QProcessRunner::onEnded(const QProcess *process)
{
    if (!m_process || m_process.get() != process)
        return;
    m_sizeWatch.stop();
    m_deadline.stop();
    // A cleaner that fails or is stopped leaves no half-cleaned text behind.
    if (!m_limit.path.isEmpty() && !endedWell(*m_process))
        QFile::remove(m_limit.path);
    m_process.release()->deleteLater();
    emit finished();
}

} // namespace tidewick
