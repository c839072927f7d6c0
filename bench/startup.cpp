// Start-up benchmark: how soon programs show their first window and how much memory they
// then hold, measured side by side under one X server.
//
// Each run forks and execs one program and waits for the X server to report a new top-level
// window mapped (MapNotify on the root window; under a window manager, the frame around the
// program's window). The time runs from just before the fork. Once the window has settled,
// the program's memory is read from /proc/PID/smaps_rollup; then it is sent SIGTERM.
// Programs take turns run by run, so that a slow moment of the machine hits them all alike.
//
// Usage: startup [--runs N] [--settle MS] PROGRAM [PROGRAM...]
// A PROGRAM is a command line split at blanks. The first is ours; the table compares it with
// each of the others.

#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

struct Sample {
    double firstWindowMs = 0;
    double rssMb = 0;
    double pssMb = 0;
    double privateDirtyMb = 0;
};

struct Program {
    std::string command;
    std::vector<std::string> argv;
    std::vector<Sample> samples;
};

[[noreturn]] void die(const std::string &why)
{
    std::fprintf(stderr, "startup: %s\n", why.c_str());
    std::exit(2);
}

std::vector<std::string> split(const std::string &command)
{
    std::istringstream words(command);
    std::vector<std::string> argv;
    for (std::string word; words >> word;)
        argv.push_back(word);
    return argv;
}

class Display {
public:
    Display()
    {
        m_connection = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(m_connection))
            die("cannot open the display; set DISPLAY");
        m_root = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root;
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(m_connection, m_root, XCB_CW_EVENT_MASK, &mask);
        xcb_flush(m_connection);
    }
    ~Display() { xcb_disconnect(m_connection); }

    void drain()
    {
        sync();
        while (xcb_generic_event_t *event = xcb_poll_for_event(m_connection))
            std::free(event);
    }

    // Waits for a top-level window to be mapped; false after the timeout.
    bool awaitTopLevelMap(Clock::time_point deadline)
    {
        pollfd watched{xcb_get_file_descriptor(m_connection), POLLIN, 0};
        while (Clock::now() < deadline) {
            while (xcb_generic_event_t *event = xcb_poll_for_event(m_connection)) {
                const bool mapped = (event->response_type & 0x7f) == XCB_MAP_NOTIFY;
                const auto *map = reinterpret_cast<xcb_map_notify_event_t *>(event);
                const bool topLevel = mapped && map->event == m_root && !map->override_redirect;
                std::free(event);
                if (topLevel)
                    return true;
            }
            const auto left =
                std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
            poll(&watched, 1, int(std::max<long>(1, long(left.count()))));
        }
        return false;
    }

private:
    // A round trip: every event the server sent before it has arrived.
    void sync()
    {
        std::free(
            xcb_get_input_focus_reply(m_connection, xcb_get_input_focus(m_connection), nullptr));
    }

    xcb_connection_t *m_connection = nullptr;
    xcb_window_t m_root = 0;
};

std::map<std::string, double> smapsRollup(pid_t pid)
{
    std::ifstream file("/proc/" + std::to_string(pid) + "/smaps_rollup");
    std::map<std::string, double> kilobytes;
    std::string key;
    double value = 0;
    std::string unit;
    std::string line;
    while (std::getline(file, line)) {
        std::istringstream fields(line);
        if (fields >> key >> value >> unit && unit == "kB")
            kilobytes[key.substr(0, key.size() - 1)] = value;
    }
    return kilobytes;
}

std::optional<Sample> runOnce(Display &display, const Program &program,
                              std::chrono::milliseconds settle)
{
    display.drain();
    std::vector<char *> argv;
    for (const std::string &word : program.argv)
        argv.push_back(const_cast<char *>(word.c_str()));
    argv.push_back(nullptr);

    const Clock::time_point start = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[0], argv.data());
        _exit(127);
    }
    if (pid < 0)
        die("fork failed");

    std::optional<Sample> sample;
    if (display.awaitTopLevelMap(start + std::chrono::seconds(10))) {
        Sample measured;
        measured.firstWindowMs =
            std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        std::this_thread::sleep_for(settle);
        const auto memory = smapsRollup(pid);
        measured.rssMb = memory.count("Rss") ? memory.at("Rss") / 1024 : 0;
        measured.pssMb = memory.count("Pss") ? memory.at("Pss") / 1024 : 0;
        measured.privateDirtyMb =
            memory.count("Private_Dirty") ? memory.at("Private_Dirty") / 1024 : 0;
        sample = measured;
    } else {
        std::fprintf(stderr, "startup: %s showed no window within 10 s\n", program.command.c_str());
    }
    kill(pid, SIGTERM);
    int status = 0;
    waitpid(pid, &status, 0);
    return sample;
}

// The value below which the given fraction of the values lie, interpolated.
double quantile(std::vector<double> values, double fraction)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const double at = fraction * double(values.size() - 1);
    const auto below = std::size_t(at);
    const std::size_t above = std::min(below + 1, values.size() - 1);
    return values[below] + (at - double(below)) * (values[above] - values[below]);
}

double quantileOf(const Program &program, double Sample::*field, double fraction)
{
    std::vector<double> values;
    for (const Sample &sample : program.samples)
        values.push_back(sample.*field);
    return quantile(values, fraction);
}

double medianOf(const Program &program, double Sample::*field)
{
    return quantileOf(program, field, 0.5);
}

} // namespace

int main(int argc, char **argv)
{
    int runs = 15;
    int settleMs = 1000;
    std::vector<Program> programs;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--runs" && i + 1 < argc)
            runs = std::atoi(argv[++i]);
        else if (argument == "--settle" && i + 1 < argc)
            settleMs = std::atoi(argv[++i]);
        else
            programs.push_back({argument, split(argument), {}});
    }
    if (programs.empty() || runs < 1)
        die("usage: startup [--runs N] [--settle MS] PROGRAM [PROGRAM...]");

    Display display;
    const std::chrono::milliseconds settle(settleMs);
    for (Program &program : programs) // once each to warm the page cache, not counted
        runOnce(display, program, settle);
    for (int run = 0; run < runs; ++run) {
        for (Program &program : programs) {
            if (const std::optional<Sample> sample = runOnce(display, program, settle))
                program.samples.push_back(*sample);
        }
    }

    std::printf("medians of %d runs; the window time's quartiles in brackets\n", runs);
    std::printf("%-28s %5s %12s %15s %8s %8s %14s\n", "program", "runs", "window (ms)", "quartiles",
                "RSS (MB)", "PSS (MB)", "private dirty");
    for (const Program &program : programs) {
        std::printf(
            "%-28s %5zu %12.1f   [%5.1f, %5.1f] %8.1f %8.1f %14.2f\n", program.command.c_str(),
            program.samples.size(), medianOf(program, &Sample::firstWindowMs),
            quantileOf(program, &Sample::firstWindowMs, 0.25),
            quantileOf(program, &Sample::firstWindowMs, 0.75), medianOf(program, &Sample::rssMb),
            medianOf(program, &Sample::pssMb), medianOf(program, &Sample::privateDirtyMb));
    }
    const Program &ours = programs.front();
    for (std::size_t i = 1; i < programs.size(); ++i) {
        const Program &peer = programs[i];
        const auto ratio = [&](double Sample::*field) {
            const double theirs = medianOf(peer, field);
            return theirs > 0 ? medianOf(ours, field) / theirs : 0.0;
        };
        std::printf("%s / %s: window %.2f x, RSS %.2f x, PSS %.2f x, private dirty %.2f x\n",
                    split(ours.command).front().c_str(), split(peer.command).front().c_str(),
                    ratio(&Sample::firstWindowMs), ratio(&Sample::rssMb), ratio(&Sample::pssMb),
                    ratio(&Sample::privateDirtyMb));
    }
    for (const Program &program : programs) {
        if (program.samples.empty())
            return 1;
    }
    return 0;
}
