// A save killed at any moment leaves the file as it was before or as it is
// after, never empty or mixed, and never in the way of the next load.

#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QTemporaryDir>
#include <random>

#include "Saver.h"
#include "StoreRig.h"

using namespace rp;
using namespace rp::test;

namespace {

// The generation the file holds whole; 0 when there is no file, -1 when it
// is damaged.
long generationIn(const QString& path) {
    if (!QFileInfo::exists(path)) return 0;
    const QString copy = freshCopy(path);
    std::ostringstream errors;
    long gen = 0;
    bool whole = false;
    {
        IniSettingsStore store(copy, errors);
        gen = std::atol(store.read("Saver", "Gen").c_str());
        whole = gen > 0 && errors.str().empty() &&
                store.read("Saver", "End") == std::to_string(gen) &&
                store.read("Saver", "Blob") == saverBlob(gen);
    }
    QFile::remove(copy);
    return whole ? gen : -1;
}

struct Saver {
    pid_t pid = -1;
    int out = -1;
    std::string seen;

    explicit Saver(const QString& path) {
        int fds[2];
        if (pipe(fds) != 0) return;
        pid = fork();
        if (pid == 0) {
            dup2(fds[1], STDOUT_FILENO);
            execl(SAVER, SAVER, path.toLocal8Bit().constData(), static_cast<char*>(nullptr));
            _exit(127);
        }
        close(fds[1]);
        out = fds[0];
    }
    // Reads what was printed until `lines` generations were reported, the
    // pipe closed or a generous wait ran out.
    int readReports(int lines) {
        char buf[256];
        while (std::count(seen.begin(), seen.end(), '\n') < lines) {
            pollfd p{out, POLLIN, 0};
            if (poll(&p, 1, 20000) <= 0) break;
            const ssize_t n = read(out, buf, sizeof buf);
            if (n <= 0) break;
            seen.append(buf, static_cast<std::size_t>(n));
        }
        return static_cast<int>(std::count(seen.begin(), seen.end(), '\n'));
    }
    // Kills it, and answers the last generation it reported (or `before`).
    long kill(long before) {
        ::kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        readReports(1 << 30);
        close(out);
        const auto end = seen.rfind('\n');
        if (end == std::string::npos) return before;
        const auto start = seen.rfind('\n', end - 1);
        return std::atol(seen.c_str() + (start == std::string::npos ? 0 : start + 1));
    }
};

}  // namespace

TEST(AtomicSave, KilledSavesLeaveTheOldFileOrTheNewOne) {
    QTemporaryDir dir;
    const QString path = iniPath(dir.path());
    std::mt19937 rng(7);
    long gen = 0;
    int inside = 0, deadLocks = 0;  // kills during a save; of them, leaving an empty lock
    for (int round = 0; round < 200; ++round) {
        Saver saver(path);
        ASSERT_GT(saver.pid, 0);
        const int reports = static_cast<int>(rng() % 3);
        // Each start reads the file of the last kill and saves past it.
        ASSERT_EQ(saver.readReports(reports), reports) << "round " << round;
        usleep(rng() % 3000);
        const long reported = saver.kill(gen);
        const QByteArray lock = fileBytes(path + ".lock");
        const bool empty = (QFileInfo::exists(path + ".lock") && lock.isEmpty()) ||
                           QFileInfo::exists(path + ".lock.rmlock");
        inside += empty || lock.startsWith(QByteArray::number(saver.pid) + '\n');
        deadLocks += empty;
        const long found = generationIn(path);
        ASSERT_TRUE(found == reported || found == reported + 1)
            << "round " << round << ": reported " << reported << ", file holds " << found;
        gen = found;
    }
    const QStringList left = QDir(QFileInfo(path).path()).entryList(QDir::Files | QDir::Hidden);
    std::cout << gen << " saves; " << inside << " of 200 kills fell inside one, " << deadLocks
              << " leaving an empty lock; left: "
              << left.join(' ').toStdString() << "\n";
}
