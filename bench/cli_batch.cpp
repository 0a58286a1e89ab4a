// ntc-beta benchmarks: batch throughput of `ntc-beta-cli beta --csv`.
//
//   cli_batch PROGRAM [ROWS [RUNS]]
//
// Writes a CSV of ROWS readings (1,000,000 by default) to a scratch file,
// runs `PROGRAM beta --csv FILE` RUNS times (3 by default) with its output
// thrown away, and prints the rows per second of each run and their
// median, and the child's peak resident memory (wait4's ru_maxrss).
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

// Readings as a measurement file holds them: plain numbers mostly, some
// with units, one part in a thousand unreadable (their rows fail, as bad
// rows of a real file do, which the exit status 1 then reports).
std::string writeCsv(long rows)
{
    char path[] = "/tmp/ntc-cli-batch-XXXXXX";
    const int fd = mkstemp(path);
    if (fd < 0) {
        std::perror("mkstemp");
        std::exit(2);
    }
    FILE* file = fdopen(fd, "w");
    std::fputs("part,r1,t1,r2,t2\n", file);
    for (long i = 0; i < rows; ++i) {
        const double r1 = 9500 + double(i % 1000);
        const double r2 = 1380 + double(i % 137) * 0.5;
        if (i % 1000 == 999)
            std::fprintf(file, "P%ld,%.1fx,25,%.1f,85\n", i, r1, r2);
        else if (i % 10 == 0)
            std::fprintf(file, "P%ld,%.3gk\xCE\xA9,25\xC2\xB0" "C,%.1f\xCE\xA9,85\xC2\xB0" "C\n", i, r1 / 1000, r2);
        else
            std::fprintf(file, "P%ld,%.1f,25,%.1f,85\n", i, r1, r2);
    }
    std::fclose(file);
    return path;
}

struct Run {
    double seconds = 0;
    long maxRssKiB = 0;
    int status = 0;
};

Run runOnce(const char* program, const std::string& csv)
{
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, STDOUT_FILENO);
        dup2(null, STDERR_FILENO);
        execl(program, program, "beta", "--csv", csv.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    Run run;
    run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    run.maxRssKiB = usage.ru_maxrss;
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: cli_batch PROGRAM [ROWS [RUNS]]\n");
        return 2;
    }
    const long rows = argc > 2 ? std::atol(argv[2]) : 1'000'000;
    const int runs = argc > 3 ? std::atoi(argv[3]) : 3;
    const std::string csv = writeCsv(rows);

    std::vector<double> rates;
    long peakKiB = 0;
    std::printf("ntc-beta-cli beta --csv, %ld rows:\n", rows);
    for (int i = 0; i < runs; ++i) {
        const Run run = runOnce(argv[1], csv);
        if (run.status != 1) { // the unreadable rows make it 1, as they should
            std::fprintf(stderr, "unexpected exit status %d\n", run.status);
            unlink(csv.c_str());
            return 1;
        }
        rates.push_back(double(rows) / run.seconds);
        peakKiB = std::max(peakKiB, run.maxRssKiB);
        std::printf("  run %d: %.3f s, %.0f rows/s, peak resident %.1f MiB\n", i + 1, run.seconds, rates.back(),
                    double(run.maxRssKiB) / 1024);
    }
    unlink(csv.c_str());
    std::sort(rates.begin(), rates.end());
    std::printf("median %.0f rows/s (%.3f s per 100,000 rows), peak resident %.1f MiB\n", rates[rates.size() / 2],
                100000 / rates[rates.size() / 2], double(peakKiB) / 1024);
    return 0;
}
