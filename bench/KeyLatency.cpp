// SPDX-FileCopyrightText: 2026 Tastrum developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Times how long a program takes to show a key on an X display: from an
// XTest key press to the first X Damage report on its window. Several windows
// take turns, a round of keys each, so that all of them meet the same load.
//
//   tastrum_key_latency [--rounds N] [--pause MS]
//       --window ID [--name NAME] [--area X,Y,W,H] --text TEXT [--timed CHARS]
//       [--window ...]
//
// Each window's TEXT (printable ASCII; a backspace character for BackSpace,
// a newline for Return) is typed on and on, one key per round and window
// after another. With --area only damage to that part of the window counts
// (the typing field, say, past a clock that ticks elsewhere). It prints per
// window the median, the 99th percentile and the longest time in ms.

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xdamage.h>
#include <X11/keysym.h>

#include <poll.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using Milliseconds = std::chrono::duration<double, std::milli>;

// A key not shown by then is counted as a timeout.
constexpr auto kGiveUpAfter = std::chrono::seconds(1);
// Time for a window to settle after it was raised and focused.
constexpr auto kSettle = std::chrono::milliseconds(500);

struct Target {
    std::string name;
    Window window = 0;
    std::optional<XRectangle> area;
    std::string text;
    std::string timed; // empty: every key
    size_t next = 0;
    Damage damage = 0;
    std::vector<double> latencies;
    int timeouts = 0;
};

struct Options {
    int rounds = 9;
    int keysPerRound = 50;
    std::chrono::milliseconds pause{60};
    std::vector<Target> targets;
};

struct KeyStroke {
    KeyCode code;
    bool shift;
};

[[noreturn]] void Fail(const std::string& message) {
    std::fprintf(stderr, "tastrum_key_latency: %s\n", message.c_str());
    std::exit(2);
}

XRectangle ParseArea(const char* text) {
    int x, y, width, height;
    if (std::sscanf(text, "%d,%d,%d,%d", &x, &y, &width, &height) != 4)
        Fail(std::string("not an area X,Y,W,H: ") + text);
    return {static_cast<short>(x), static_cast<short>(y), static_cast<unsigned short>(width),
            static_cast<unsigned short>(height)};
}

Options ParseOptions(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (i + 1 >= argc)
            Fail("no value after " + option);
        const char* value = argv[++i];
        if (option == "--rounds") {
            options.rounds = std::atoi(value);
        } else if (option == "--keys") {
            options.keysPerRound = std::atoi(value);
        } else if (option == "--pause") {
            options.pause = std::chrono::milliseconds(std::atoi(value));
        } else if (option == "--window") {
            Target& target = options.targets.emplace_back();
            target.name = value;
            target.window = std::strtoul(value, nullptr, 0);
        } else if (options.targets.empty()) {
            Fail(option + " before --window");
        } else if (option == "--name") {
            options.targets.back().name = value;
        } else if (option == "--area") {
            options.targets.back().area = ParseArea(value);
        } else if (option == "--text") {
            options.targets.back().text = value;
        } else if (option == "--timed") {
            options.targets.back().timed = value;
        } else {
            Fail("unknown option " + option);
        }
    }
    if (options.targets.empty())
        Fail("no --window given");
    for (const Target& target : options.targets)
        if (target.text.empty())
            Fail("no --text for " + target.name);
    return options;
}

KeyStroke KeyStrokeOf(Display* display, char ch) {
    // Printable ASCII characters are their own key symbols.
    const KeySym symbol = ch == '\b' ? XK_BackSpace : ch == '\n' ? XK_Return : ch;
    const KeyCode code = XKeysymToKeycode(display, symbol);
    if (!code)
        Fail(std::string("no key types ") + ch);
    return {code, XkbKeycodeToKeysym(display, code, 0, 0) != symbol};
}

bool Overlaps(const XRectangle& damage, const std::optional<XRectangle>& area) {
    return !area || (damage.x < area->x + area->width && area->x < damage.x + damage.width &&
                     damage.y < area->y + area->height && area->y < damage.y + damage.height);
}

// Reads the display's events until the deadline, or until one reports
// damage to the target; returns when that one came.
std::optional<Clock::time_point> ReadEvents(Display* display, int damageEventBase,
                                            const Target* target, Clock::time_point deadline) {
    for (;;) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (target == nullptr || event.type != damageEventBase + XDamageNotify)
                continue;
            const auto& damage = reinterpret_cast<const XDamageNotifyEvent&>(event);
            if (damage.drawable == target->window && Overlaps(damage.area, target->area))
                return Clock::now();
        }
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0)
            return std::nullopt;
        pollfd connection{.fd = ConnectionNumber(display), .events = POLLIN, .revents = 0};
        poll(&connection, 1, static_cast<int>(left.count()));
    }
}

void Settle(Display* display, int damageEventBase, Clock::duration time) {
    ReadEvents(display, damageEventBase, nullptr, Clock::now() + time);
}

// Presses one key of the target's text and times it to its first damage.
void TimeOneKey(Display* display, int damageEventBase, Target& target) {
    const char ch = target.text[target.next];
    const KeyStroke key = KeyStrokeOf(display, ch);
    target.next = (target.next + 1) % target.text.size();
    const bool timed = target.timed.empty() || target.timed.find(ch) != std::string::npos;
    const KeyCode shift = XKeysymToKeycode(display, XK_Shift_L);
    if (key.shift)
        XTestFakeKeyEvent(display, shift, True, CurrentTime);
    XSync(display, False);
    Settle(display, damageEventBase, std::chrono::milliseconds(0));
    const Clock::time_point pressed = Clock::now();
    XTestFakeKeyEvent(display, key.code, True, CurrentTime);
    XFlush(display);
    const std::optional<Clock::time_point> shown =
        ReadEvents(display, damageEventBase, timed ? &target : nullptr,
                   timed ? pressed + kGiveUpAfter : pressed);
    if (shown)
        target.latencies.push_back(Milliseconds(*shown - pressed).count());
    else if (timed)
        ++target.timeouts;
    XTestFakeKeyEvent(display, key.code, False, CurrentTime);
    if (key.shift)
        XTestFakeKeyEvent(display, shift, False, CurrentTime);
    XFlush(display);
}

void Focus(Display* display, int damageEventBase, const Target& target) {
    XRaiseWindow(display, target.window);
    XSetInputFocus(display, target.window, RevertToParent, CurrentTime);
    XSync(display, False);
    Settle(display, damageEventBase, kSettle);
}

// The value below which the given share of the sorted times lies.
double Percentile(const std::vector<double>& sorted, double share) {
    const auto rank = static_cast<size_t>(std::ceil(share * static_cast<double>(sorted.size())));
    return sorted[std::clamp<size_t>(rank, 1, sorted.size()) - 1];
}

void Report(std::vector<Target>& targets) {
    std::printf("%-24s %6s %9s %9s %9s %9s\n", "window", "keys", "p50 ms", "p99 ms", "max ms",
                "timeouts");
    for (Target& target : targets) {
        std::vector<double>& times = target.latencies;
        std::sort(times.begin(), times.end());
        if (times.empty()) {
            std::printf("%-24s %6d (no key shown)\n", target.name.c_str(), 0);
            continue;
        }
        std::printf("%-24s %6zu %9.2f %9.2f %9.2f %9d\n", target.name.c_str(), times.size(),
                    Percentile(times, 0.5), Percentile(times, 0.99), times.back(), target.timeouts);
    }
}

} // namespace

int main(int argc, char** argv) {
    Options options = ParseOptions(argc, argv);
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        Fail("cannot open the display");
    int damageEventBase = 0, damageErrorBase = 0, major = 0, minor = 0, opcode = 0;
    if (!XDamageQueryExtension(display, &damageEventBase, &damageErrorBase) ||
        !XTestQueryExtension(display, &opcode, &opcode, &major, &minor))
        Fail("the display has no DAMAGE or XTEST extension");
    for (Target& target : options.targets)
        target.damage = XDamageCreate(display, target.window, XDamageReportRawRectangles);
    for (int round = 0; round < options.rounds; ++round) {
        for (Target& target : options.targets) {
            Focus(display, damageEventBase, target);
            for (int key = 0; key < options.keysPerRound; ++key) {
                TimeOneKey(display, damageEventBase, target);
                Settle(display, damageEventBase, options.pause);
            }
        }
    }
    Report(options.targets);
    for (const Target& target : options.targets)
        XDamageDestroy(display, target.damage);
    XCloseDisplay(display);
    return 0;
}
