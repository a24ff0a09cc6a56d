#pragma once
// qs7582-sim started with posix_spawn rather than QProcess: ThreadSanitizer aborts in
// the clone() that QProcess uses, and these tests run under it too.

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>

#include <csignal>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace q7582::test {

class SpawnedSimulator {
public:
    // A quiet simulator whose link and dumps lie in a fresh folder.
    explicit SpawnedSimulator(std::vector<std::string> extra = {})
    {
        const char* fromEnv = std::getenv("Q7582_SIM");
        std::vector<std::string> args{fromEnv ? fromEnv : "qs7582-sim", "--link", link(), "--dump-dir",
                                      dir_.path().toStdString(), "--quiet-life"};
        args.insert(args.end(), extra.begin(), extra.end());
        std::vector<char*> argv;
        for (std::string& a : args)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        if (posix_spawn(&pid_, argv[0], nullptr, nullptr, argv.data(), environ) != 0)
            pid_ = -1;
    }
    ~SpawnedSimulator()
    {
        if (pid_ > 0) {
            ::kill(pid_, SIGTERM);
            int status = 0;
            ::waitpid(pid_, &status, 0);
        }
    }
    SpawnedSimulator(const SpawnedSimulator&) = delete;
    SpawnedSimulator& operator=(const SpawnedSimulator&) = delete;

    std::string link() const { return (dir_.path() + "/link").toStdString(); }
    // The link appears once the simulated device is plugged in.
    bool waitReady(int ms = 5000) const
    {
        for (int waited = 0; pid_ > 0 && waited < ms; waited += 20) {
            if (QFileInfo::exists(QString::fromStdString(link())))
                return true;
            QThread::msleep(20);
        }
        return false;
    }
    QByteArray dump(const QString& name) const
    {
        QFile f(dir_.filePath(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private:
    QTemporaryDir dir_;
    pid_t pid_ = -1;
};

} // namespace q7582::test
