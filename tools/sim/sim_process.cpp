#include "sim_process.h"

#include <csignal>

namespace {
constexpr int kStartWaitMs = 5000;
} // namespace

bool TSimProcess::Start(const QStringList& args) {
    process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process_.start(program_, args);
    if (!process_.waitForStarted(kStartWaitMs)) return false;
    while (!process_.canReadLine()) {
        if (!process_.waitForReadyRead(kStartWaitMs)) return false;
    }
    device_ = process_.readLine().trimmed().toStdString();
    return !device_.empty();
}

void TSimProcess::Pause() {
    if (process_.state() == QProcess::Running) ::kill(pid_t(process_.processId()), SIGSTOP);
}

void TSimProcess::Resume() {
    if (process_.state() == QProcess::Running) ::kill(pid_t(process_.processId()), SIGCONT);
}

void TSimProcess::Stop() {
    if (process_.state() == QProcess::NotRunning) return;
    Resume();
    process_.terminate();
    if (!process_.waitForFinished(2000)) {
        process_.kill();
        process_.waitForFinished(2000);
    }
}
