// Runs one command with its standard output sent to a pipe (read and thrown
// away here) or to a file, and prints the CPU time the command itself spent,
// user and system together, in microseconds. The reader's work is not the
// command's, so it is left out: what a shell pipeline and time(1) would mix.
// The total comes from the scheduler's own count and is exact; only its split
// into user and system is sampled, so only the total is given.
// Usage: zarnet-cpu-time pipe|FILE COMMAND [ARG]...
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <vector>

namespace {

long long Microseconds(const timeval& t) {
    return static_cast<long long>(t.tv_sec) * 1'000'000 + t.tv_usec;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: zarnet-cpu-time pipe|FILE COMMAND [ARG]...\n");
        return 2;
    }
    const bool toPipe = std::strcmp(argv[1], "pipe") == 0;
    int ends[2] = {-1, -1};
    int output = -1;
    if (toPipe) {
        if (pipe(ends) != 0) {
            std::perror("pipe");
            return 2;
        }
        output = ends[1];
    } else {
        output = open(argv[1], O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (output < 0) {
            std::perror(argv[1]);
            return 2;
        }
    }
    const pid_t child = fork();
    if (child < 0) {
        std::perror("fork");
        return 2;
    }
    if (child == 0) {
        dup2(output, STDOUT_FILENO);
        close(output);
        if (toPipe) {
            close(ends[0]);
        }
        execvp(argv[2], argv + 2);
        std::perror(argv[2]);
        _exit(127);
    }
    close(output);
    if (toPipe) {
        std::vector<char> sink(1 << 20);
        while (read(ends[0], sink.data(), sink.size()) > 0) {
        }
        close(ends[0]);
    }
    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) != child) {
        std::perror("wait4");
        return 2;
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "zarnet-cpu-time: %s failed\n", argv[2]);
        return 1;
    }
    std::printf("%lld\n", Microseconds(usage.ru_utime) + Microseconds(usage.ru_stime));
    return 0;
}
