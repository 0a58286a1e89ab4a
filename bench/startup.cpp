// ntc-beta benchmarks: start-up time and memory of the program against the
// floor program, on the X display in $DISPLAY (`make bench` starts Xvfb).
//
//   startup [--launcher PATH] RUNS PROGRAM FLOOR [OTHER...]
//
// Starts them in turn, RUNS times each after one warm-up run each, and
// for every run measures the time from process start until its window is
// mapped and until the window shows text, read back from the X server: most
// of it painted light and a stroke of dark pixels. A mapped window that is
// not painted yet shows the root behind it, so `make bench` gives Xvfb a
// white root (-wr) and an empty window never counts as text. Then the
// resident memory 300 ms after that, summed over the program's process and
// its descendants. Any executable with a top-level window of at least
// 100 × 100 pixels will do, a script that execs into the program included.
//
// With a launcher (or one named in $NTC_BENCH_LAUNCHER) each program is
// started as `PATH PROGRAM`: the Windows programs through Wine's loader.
// With $NTC_BENCH_SNAPSHOTS naming a folder, the window as it was when first
// counted as text is written there, a PPM picture per run, to check by eye.
#include <xcb/xcb.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Run {
    double mappedMs = 0;
    double textMs = 0;
    double rssMiB = 0;
};

double msSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

long residentKiB(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
    return 0;
}

pid_t parentOf(pid_t pid)
{
    // The command name in parentheses may hold blanks: the fields after it
    // are state, then the parent's id.
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string text;
    std::getline(stat, text);
    const std::size_t close = text.rfind(')');
    if (close == std::string::npos) return 0;
    std::istringstream fields(text.substr(close + 1));
    std::string state;
    pid_t parent = 0;
    fields >> state >> parent;
    return parent;
}

// The program's process and every process it started, for a program that
// is a launcher's child or starts helpers of its own.
std::vector<pid_t> processTree(pid_t root)
{
    std::vector<std::pair<pid_t, pid_t>> all; // (process, parent)
    for (const auto& entry : std::filesystem::directory_iterator("/proc")) {
        const std::string name = entry.path().filename().string();
        if (name.find_first_not_of("0123456789") != std::string::npos) continue;
        const pid_t pid = pid_t(std::stol(name));
        all.emplace_back(pid, parentOf(pid));
    }
    std::vector<pid_t> tree{root};
    for (std::size_t i = 0; i < tree.size(); ++i)
        for (const auto& [pid, parent] : all)
            if (parent == tree[i]) tree.push_back(pid);
    return tree;
}

double residentMiB(pid_t root)
{
    long kib = 0;
    for (pid_t pid : processTree(root)) kib += residentKiB(pid);
    return double(kib) / 1024.0;
}

bool isLargeWindow(xcb_connection_t* c, xcb_window_t window)
{
    const auto geometry = std::unique_ptr<xcb_get_geometry_reply_t, decltype(&std::free)>(
        xcb_get_geometry_reply(c, xcb_get_geometry(c, window), nullptr), &std::free);
    return geometry && geometry->width >= 100 && geometry->height >= 100;
}

// The part of the window that lies on the screen, in the window's own
// coordinates: GetImage fails on any rectangle that reaches off the screen,
// which a program placing its own window (a Win32 one under Wine) may do.
struct Visible {
    std::int16_t x = 0, y = 0;
    std::uint16_t width = 0, height = 0;
};

std::optional<Visible> visiblePart(xcb_connection_t* c, const xcb_screen_t& screen, xcb_window_t window)
{
    const auto geometry = std::unique_ptr<xcb_get_geometry_reply_t, decltype(&std::free)>(
        xcb_get_geometry_reply(c, xcb_get_geometry(c, window), nullptr), &std::free);
    const auto origin = std::unique_ptr<xcb_translate_coordinates_reply_t, decltype(&std::free)>(
        xcb_translate_coordinates_reply(c, xcb_translate_coordinates(c, window, screen.root, 0, 0), nullptr),
        &std::free);
    if (!geometry || !origin) return std::nullopt;
    const int left = std::max(0, int(origin->dst_x)), top = std::max(0, int(origin->dst_y));
    const int right = std::min(int(screen.width_in_pixels), origin->dst_x + int(geometry->width));
    const int bottom = std::min(int(screen.height_in_pixels), origin->dst_y + int(geometry->height));
    if (right <= left || bottom <= top) return std::nullopt;
    return Visible{std::int16_t(left - origin->dst_x), std::int16_t(top - origin->dst_y),
                   std::uint16_t(right - left), std::uint16_t(bottom - top)};
}

struct Capture {
    std::uint16_t width = 0, height = 0;
    std::vector<std::uint8_t> bgrx; // 4 bytes a pixel
};

// What the X server shows of the window now, or nothing while it cannot
// be read (off the screen, or gone).
std::optional<Capture> captureWindow(xcb_connection_t* c, const xcb_screen_t& screen, xcb_window_t window)
{
    const std::optional<Visible> part = visiblePart(c, screen, window);
    if (!part) return std::nullopt;
    const auto image = std::unique_ptr<xcb_get_image_reply_t, decltype(&std::free)>(
        xcb_get_image_reply(c,
                            xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, window, part->x, part->y, part->width,
                                          part->height, ~0u),
                            nullptr),
        &std::free);
    if (!image || image->depth < 24) return std::nullopt;
    const std::uint8_t* pixels = xcb_get_image_data(image.get());
    const int length = xcb_get_image_data_length(image.get());
    return Capture{part->width, part->height, std::vector<std::uint8_t>(pixels, pixels + length)};
}

// True once the window shows painted text: most of it light (the window's
// own background, not the root showing through an unpainted window, which is
// white under `make bench`'s Xvfb) and a stroke of text: two dark pixels one
// above the other. A window painted in parts (Win32 under Wine shows each
// control as it is painted) may show the formula's one-pixel rules before
// any text, and a rule alone does not count.
bool showsPaintedText(const Capture& image)
{
    const auto isDark = [&](std::size_t i) {
        return image.bgrx[i] < 80 && image.bgrx[i + 1] < 80 && image.bgrx[i + 2] < 80;
    };
    const std::size_t row = std::size_t(image.width) * 4;
    long light = 0, all = 0;
    bool stroke = false;
    for (std::size_t i = 0; i + 3 < image.bgrx.size(); i += 4, ++all) {
        light += image.bgrx[i] > 160 && image.bgrx[i + 1] > 160 && image.bgrx[i + 2] > 160;
        stroke = stroke || (i + row + 3 < image.bgrx.size() && isDark(i) && isDark(i + row));
    }
    return all > 0 && 2 * light >= all && stroke;
}

void writePpm(const Capture& image, const std::string& path)
{
    std::ofstream out(path, std::ios::binary);
    out << "P6\n" << image.width << ' ' << image.height << "\n255\n";
    for (std::size_t i = 0; i + 3 < image.bgrx.size(); i += 4) {
        const char rgb[3] = {char(image.bgrx[i + 2]), char(image.bgrx[i + 1]), char(image.bgrx[i])};
        out.write(rgb, 3);
    }
}

struct Launch {
    const char* launcher = nullptr; // run as `launcher program`, or the program alone
    const char* snapshots = nullptr; // folder for the pictures of the first text, or none
};

std::optional<Run> measure(xcb_connection_t* c, const xcb_screen_t& screen, const char* program,
                           const Launch& launch, const std::string& snapshotName)
{
    while (xcb_generic_event_t* stale = xcb_poll_for_event(c)) std::free(stale);

    const Clock::time_point start = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        // The toolkit's start-up chatter would only clutter the table.
        if (const int quiet = open("/dev/null", O_WRONLY); quiet >= 0) dup2(quiet, STDERR_FILENO);
        if (launch.launcher) execl(launch.launcher, launch.launcher, program, static_cast<char*>(nullptr));
        else execl(program, program, static_cast<char*>(nullptr));
        _exit(127);
    }
    Run run;
    xcb_window_t window = 0;
    const auto give_up = start + std::chrono::seconds(20);
    while (!window && Clock::now() < give_up) {
        xcb_generic_event_t* event = xcb_poll_for_event(c);
        if (!event) {
            std::this_thread::sleep_for(std::chrono::microseconds(100));
            continue;
        }
        // The program's own window, not a pop-up or helper window of the toolkit.
        if ((event->response_type & 0x7F) == XCB_MAP_NOTIFY) {
            const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
            if (!map->override_redirect && isLargeWindow(c, map->window)) {
                window = map->window;
                run.mappedMs = msSince(start);
            }
        }
        std::free(event);
    }
    bool drawn = false;
    while (window && !drawn && Clock::now() < give_up) {
        const std::optional<Capture> image = captureWindow(c, screen, window);
        drawn = image && showsPaintedText(*image);
        if (drawn) {
            run.textMs = msSince(start);
            if (launch.snapshots) writePpm(*image, std::string(launch.snapshots) + "/" + snapshotName + ".ppm");
        } else {
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        }
    }
    if (drawn) {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        run.rssMiB = residentMiB(pid);
    }
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    if (!drawn) return std::nullopt;
    return run;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

struct Medians {
    double mapped, text, rss;
};

Medians medians(const std::vector<Run>& runs)
{
    std::vector<double> mapped, text, rss;
    for (const Run& r : runs) {
        mapped.push_back(r.mappedMs);
        text.push_back(r.textMs);
        rss.push_back(r.rssMiB);
    }
    return {median(mapped), median(text), median(rss)};
}

} // namespace

int main(int argc, char* argv[])
{
    Launch launch{std::getenv("NTC_BENCH_LAUNCHER"), std::getenv("NTC_BENCH_SNAPSHOTS")};
    if (launch.launcher && !*launch.launcher) launch.launcher = nullptr;
    if (argc >= 3 && std::strcmp(argv[1], "--launcher") == 0) {
        launch.launcher = argv[2];
        argc -= 2;
        argv += 2;
    }
    if (argc < 4) {
        std::fprintf(stderr, "usage: startup [--launcher PATH] RUNS PROGRAM FLOOR [OTHER...]\n");
        return 2;
    }
    const int runs = std::max(1, std::atoi(argv[1]));
    const std::vector<const char*> programs(argv + 2, argv + argc);

    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "startup: cannot open the X display\n");
        return 1;
    }
    const xcb_screen_t screen = *xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, screen.root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(c);

    std::vector<std::vector<Run>> results(programs.size());
    for (int round = -1; round < runs; ++round) {
        for (std::size_t p = 0; p < programs.size(); ++p) {
            const std::string snapshotName = std::filesystem::path(programs[p]).filename().string() +
                                             (round < 0 ? "-warm-up" : "-run" + std::to_string(round + 1));
            const std::optional<Run> run = measure(c, screen, programs[p], launch, snapshotName);
            if (!run) {
                std::fprintf(stderr, "startup: %s showed no painted text within 20 s\n", programs[p]);
                return 1;
            }
            if (round >= 0) results[p].push_back(*run);
            // The ended program's clean-up (Wine's server and desktop
            // process tidy up after it) is not the next one's start-up.
            std::this_thread::sleep_for(std::chrono::milliseconds(250));
        }
    }
    xcb_disconnect(c);

    const Medians floor = medians(results[1]);
    std::printf("start-up, medians of %d runs each   mapped (ms)  text on screen (ms)  resident (MiB)   ratios to the floor\n",
                runs);
    for (std::size_t p = 0; p < programs.size(); ++p) {
        const Medians m = medians(results[p]);
        const char* slash = std::strrchr(programs[p], '/');
        std::printf("  %-32s %11.1f %20.1f %15.1f   %.2f / %.2f / %.2f\n", slash ? slash + 1 : programs[p],
                    m.mapped, m.text, m.rss, m.mapped / floor.mapped, m.text / floor.text, m.rss / floor.rss);
    }
    return 0;
}
