// ntc-beta benchmarks: start-up time and memory of the program against the
// floor program, on the X display in $DISPLAY (`make bench` starts Xvfb).
//
//   startup RUNS PROGRAM FLOOR [OTHER...]
//
// Starts them in turn, RUNS times each after one warm-up run each, and
// for every run measures the time from process start until its window is
// mapped and until the window shows text, read back from the X server: most of
// it painted light and some pixels dark. A mapped window that is not painted
// yet shows the root behind it, so `make bench` gives Xvfb a white root (-wr)
// and an empty window never counts as text. Then the resident memory 300 ms
// after that. Any executable with a top-level window of at least 100 × 100
// pixels will do, a script that execs into the program included.
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
#include <fstream>
#include <memory>
#include <optional>
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

double residentMiB(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0) return std::stod(line.substr(6)) / 1024.0;
    return 0;
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

// True once the window shows painted text: most of it light (the window's
// own background, not the root showing through an unpainted window, which is
// black under a plain Xvfb) and some pixels dark (text, or the formula).
bool showsPaintedText(xcb_connection_t* c, const xcb_screen_t& screen, xcb_window_t window)
{
    const std::optional<Visible> part = visiblePart(c, screen, window);
    if (!part) return false;
    const auto image = std::unique_ptr<xcb_get_image_reply_t, decltype(&std::free)>(
        xcb_get_image_reply(c,
                            xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, window, part->x, part->y, part->width,
                                          part->height, ~0u),
                            nullptr),
        &std::free);
    if (!image || image->depth < 24) return false;
    const std::uint8_t* pixels = xcb_get_image_data(image.get());
    const int length = xcb_get_image_data_length(image.get());
    long light = 0, dark = 0, all = 0;
    for (int i = 0; i + 3 < length; i += 4, ++all) {
        const std::uint8_t b = pixels[i], g = pixels[i + 1], r = pixels[i + 2];
        light += b > 160 && g > 160 && r > 160;
        dark += b < 80 && g < 80 && r < 80;
    }
    return all > 0 && 2 * light >= all && dark > 0;
}

std::optional<Run> measure(xcb_connection_t* c, const xcb_screen_t& screen, const char* program)
{
    while (xcb_generic_event_t* stale = xcb_poll_for_event(c)) std::free(stale);

    const Clock::time_point start = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        // The toolkit's start-up chatter would only clutter the table.
        if (const int quiet = open("/dev/null", O_WRONLY); quiet >= 0) dup2(quiet, STDERR_FILENO);
        execl(program, program, static_cast<char*>(nullptr));
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
        drawn = showsPaintedText(c, screen, window);
        if (drawn) run.textMs = msSince(start);
        else std::this_thread::sleep_for(std::chrono::microseconds(200));
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
    if (argc < 4) {
        std::fprintf(stderr, "usage: startup RUNS PROGRAM FLOOR [OTHER...]\n");
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
            const std::optional<Run> run = measure(c, screen, programs[p]);
            if (!run) {
                std::fprintf(stderr, "startup: %s showed no painted text within 20 s\n", programs[p]);
                return 1;
            }
            if (round >= 0) results[p].push_back(*run);
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
