// ntc-beta benchmarks: `ntc-beta-cli beta --csv` against an awk one-liner computing the same B.
//
//   cli_batch PROGRAM [ROWS [RUNS]]
//
// Writes a CSV of ROWS readings (1,000,000 by default) to a scratch file and
// runs `PROGRAM beta --csv FILE` and the mawk one-liner below on it
// alternately, RUNS times each (9 by default) after a warm-up of each, both
// writing to /dev/null. Prints each round, then the medians of the wall
// time (and of the CPU time the child used), rows and megabytes per second,
// their ratio, and the peak resident memory of each (wait4's ru_maxrss),
// with PROGRAM's peak on a tenth of the rows beside it: a batch that holds
// no more than a record and its buffers takes the same memory for both.
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

// The one-liner a script writer would reach for: B from the same columns,
// written with 15 significant digits after the row, and a b_name. awk reads
// "9.5kΩ" as 9.5 and "25°C" as 25 (the number its text starts with), so on
// the rows with units its B is wrong where ours is right, and it gives the
// unreadable rows a B where ours leaves the cells empty and names the line.
constexpr const char* kAwkProgram =
    "BEGIN { FS = OFS = \",\"; OFMT = \"%.15g\" } "
    "NR == 1 { print $0, \"b\", \"b_name\"; next } "
    "{ print $0, log($2 / $4) / (1 / ($3 + 273.15) - 1 / ($5 + 273.15)), \"B\" ($3 + 0) \"/\" ($5 + 0) }";

// Readings as a measurement file holds them: plain numbers mostly, one row
// in ten with units, one in a thousand unreadable (their rows fail, as bad
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
    double seconds = 0, cpuSeconds = 0;
    long maxRssKiB = 0;
    int status = 0;
};

double secondsOf(const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; }

Run runOnce(const std::vector<const char*>& command)
{
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, STDOUT_FILENO);
        dup2(null, STDERR_FILENO);
        std::vector<char*> argv;
        for (const char* a : command) argv.push_back(const_cast<char*>(a));
        argv.push_back(nullptr);
        execvp(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    Run run;
    run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    run.cpuSeconds = secondsOf(usage.ru_utime) + secondsOf(usage.ru_stime);
    run.maxRssKiB = usage.ru_maxrss;
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

// A run whose exit status is not `expected` ends the benchmark.
Run checkedRun(const std::vector<const char*>& command, int expected, const std::string& csv)
{
    const Run run = runOnce(command);
    if (run.status != expected) {
        std::fprintf(stderr, "%s: exit status %d, expected %d\n", command[0], run.status, expected);
        unlink(csv.c_str());
        std::exit(1);
    }
    return run;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

struct Series {
    std::vector<double> seconds, cpuSeconds;
    long peakKiB = 0;
    void add(const Run& run)
    {
        seconds.push_back(run.seconds);
        cpuSeconds.push_back(run.cpuSeconds);
        peakKiB = std::max(peakKiB, run.maxRssKiB);
    }
};

void printSeries(const char* name, const Series& s, long rows, double megabytes)
{
    const double t = median(s.seconds);
    std::printf("%-14s median %.3f s (CPU %.3f s), %.0f rows/s, %.0f MB/s, peak resident %.1f MiB\n", name, t,
                median(s.cpuSeconds), double(rows) / t, megabytes / t, double(s.peakKiB) / 1024);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: cli_batch PROGRAM [ROWS [RUNS]]\n");
        return 2;
    }
    const long rows = argc > 2 ? std::atol(argv[2]) : 1'000'000;
    const int runs = argc > 3 ? std::atoi(argv[3]) : 9;
    const std::string csv = writeCsv(rows);
    struct stat info {};
    stat(csv.c_str(), &info);
    const double megabytes = double(info.st_size) / 1e6;
    const std::vector<const char*> ours{argv[1], "beta", "--csv", csv.c_str()};
    const std::vector<const char*> awk{"mawk", kAwkProgram, csv.c_str()};

    std::printf("beta --csv against a mawk one-liner, %ld rows (%.1f MB), %d rounds:\n", rows, megabytes, runs);
    checkedRun(ours, 1, csv); // the unreadable rows make it 1, as they should
    checkedRun(awk, 0, csv);
    Series our, their;
    std::vector<double> ratios, cpuRatios;
    for (int i = 0; i < runs; ++i) {
        // Each goes first every other round.
        const Run a = i % 2 ? checkedRun(awk, 0, csv) : Run{};
        const Run o = checkedRun(ours, 1, csv);
        const Run b = i % 2 ? a : checkedRun(awk, 0, csv);
        our.add(o);
        their.add(b);
        ratios.push_back(o.seconds / b.seconds);
        cpuRatios.push_back(o.cpuSeconds / b.cpuSeconds);
        std::printf("  round %d: ntc-beta-cli %.3f s, mawk %.3f s, ratio %.2f\n", i + 1, o.seconds, b.seconds,
                    ratios.back());
    }
    printSeries("ntc-beta-cli", our, rows, megabytes);
    printSeries("mawk", their, rows, megabytes);
    std::printf("ratio ntc-beta-cli / mawk: %.2f of the time (median of rounds; CPU time %.2f)\n", median(ratios),
                median(cpuRatios));
    unlink(csv.c_str());

    const long fewer = std::max(rows / 10, 1L);
    const std::string small = writeCsv(fewer);
    const Run tenth = checkedRun({argv[1], "beta", "--csv", small.c_str()}, fewer >= 1000 ? 1 : 0, small);
    unlink(small.c_str());
    std::printf("peak resident of ntc-beta-cli: %.1f MiB on %ld rows, %.1f MiB on %ld rows\n",
                double(tenth.maxRssKiB) / 1024, fewer, double(our.peakKiB) / 1024, rows);
    return 0;
}
