#pragma once
// Starts ardentix-sim as a child process and learns its device path; used by
// the end-to-end tests and the benchmarks.

#include <QProcess>
#include <QStringList>

#include <string>

class TSimProcess {
  public:
    explicit TSimProcess(QString program) : program_(std::move(program)) {}
    ~TSimProcess() { Stop(); }

    // Starts the simulator and waits for the device path on its first line.
    bool Start(const QStringList& args);
    const std::string& Device() const { return device_; }
    qint64 Pid() const { return process_.processId(); }

    // Freezes and thaws the simulated unit (it stops answering meanwhile).
    void Pause();
    void Resume();
    void Stop();

  private:
    QString program_;
    QProcess process_;
    std::string device_;
};
