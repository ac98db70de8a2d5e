#pragma once

// Runs test code in a child process: for calls that could hang (a FIFO read
// without a writer), for work that must be killed at a chosen moment, and for
// programs that run side by side.
#include <csignal>
#include <functional>
#include <optional>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace vermil::test {

// A forked child that runs `body` and exits with its result.
class ChildProcess {
public:
    explicit ChildProcess(const std::function<int()>& body) : pid_(::fork()) {
        if (pid_ == 0)
            ::_exit(body());
    }
    ~ChildProcess() {
        if (pid_ > 0 && !reaped_) {
            ::kill(pid_, SIGKILL);
            wait();
        }
    }
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool started() const { return pid_ > 0; }
    void kill() { ::kill(pid_, SIGKILL); }
    // The exit code; -1 when the child was killed or could not be started.
    int wait() {
        if (pid_ <= 0)
            return -1;
        int status = 0;
        while (::waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
        }
        reaped_ = true;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    // The exit code, or nullopt when the child had not finished after `seconds`
    // (it is killed then): a hang turns into a failed test, not a stuck run.
    std::optional<int> waitAtMost(int seconds) {
        for (int tenth = 0; tenth < seconds * 10; ++tenth) {
            int status = 0;
            const pid_t done = ::waitpid(pid_, &status, WNOHANG);
            if (done == pid_) {
                reaped_ = true;
                return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
            }
            ::usleep(100000);
        }
        kill();
        wait();
        return std::nullopt;
    }

private:
    pid_t pid_;
    bool reaped_ = false;
};

// The result of `body` run in a child, or nullopt when it did not finish within a
// minute (a hang).
inline std::optional<int> finishesInChild(const std::function<int()>& body) {
    ChildProcess child(body);
    return child.waitAtMost(60);
}

} // namespace vermil::test
