// Runs inside a real kernel (the initramfs of the uinput kernel test): drives
// the uinput back end and reads back from the device's evdev node what the
// kernel made of each record. Prints every event and one RESULT line.
#include "core/platform/heldinput.h"
#include "core/platform/inputrecord.h"
#include "core/platform/uinput/inputinjector_uinput.h"

#include <dirent.h>
#include <fcntl.h>
#include <linux/input.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

using namespace korvane::core;

namespace {

std::string eventText(const input_event& event)
{
    struct Name {
        int type;
        int code;
        const char* text;
    };
    static const Name names[] = {
        { EV_SYN, SYN_REPORT, "SYN_REPORT" },
        { EV_KEY, KEY_A, "KEY_A" },
        { EV_KEY, KEY_C, "KEY_C" },
        { EV_KEY, KEY_Y, "KEY_Y" },
        { EV_KEY, KEY_LEFTSHIFT, "KEY_LEFTSHIFT" },
        { EV_KEY, KEY_LEFTCTRL, "KEY_LEFTCTRL" },
        { EV_KEY, BTN_LEFT, "BTN_LEFT" },
        { EV_KEY, BTN_RIGHT, "BTN_RIGHT" },
        { EV_KEY, BTN_MIDDLE, "BTN_MIDDLE" },
        { EV_REL, REL_WHEEL, "REL_WHEEL" },
        { EV_REL, REL_WHEEL_HI_RES, "REL_WHEEL_HI_RES" },
    };
    const char* type = event.type == EV_SYN ? "EV_SYN"
        : event.type == EV_KEY              ? "EV_KEY"
        : event.type == EV_REL              ? "EV_REL"
                                            : "EV_?";
    std::string code = std::to_string(event.code);
    for (const Name& name : names) {
        if (name.type == event.type && name.code == event.code)
            code = name.text;
    }
    return std::string(type) + " " + code + " " + std::to_string(event.value);
}

// The evdev node the kernel made for our uinput device.
std::string eventNode(const std::string& systemName)
{
    const std::string folder = "/sys/devices/virtual/input/" + systemName;
    DIR* directory = opendir(folder.c_str());
    if (!directory)
        return "";
    std::string node;
    while (dirent* entry = readdir(directory)) {
        if (std::strncmp(entry->d_name, "event", 5) == 0)
            node = std::string("/dev/input/") + entry->d_name;
    }
    closedir(directory);
    return node;
}

// A uinput write reaches the evdev clients before it returns, so what is
// not there yet never came.
std::vector<std::string> readAvailable(int fd)
{
    std::vector<std::string> lines;
    input_event event;
    while (read(fd, &event, sizeof event) == sizeof event)
        lines.push_back(eventText(event));
    return lines;
}

struct Step {
    const char* name;
    std::vector<InputRecord> records;
    std::vector<std::string> expected;
    const char* layout = "us";
};

SessionLayouts layouts(const char* name)
{
    KeyboardLayout names;
    names.layout = name;
    return SessionLayouts::fromNames(names, "the probe");
}

} // namespace

int main()
{
    auto keys = std::make_shared<KeyMapSet>(
        layouts("us"), [](const std::string& notice) { std::printf("  %s\n", notice.c_str()); });
    int errorNumber = 0;
    std::string reason;
    auto injector = UinputInputInjector::create(keys, &errorNumber, &reason);
    if (!injector) {
        std::printf("RESULT FAIL uinput: %s\n", reason.c_str());
        return 1;
    }
    // The node appears once the kernel's device thread made it.
    std::string node;
    int fd = -1;
    for (int attempt = 0; attempt < 200 && fd < 0; ++attempt) {
        node = eventNode(injector->systemName());
        fd = node.empty() ? -1 : open(node.c_str(), O_RDONLY | O_NONBLOCK);
        if (fd < 0)
            usleep(10000);
    }
    char name[64] = {};
    if (fd < 0 || ioctl(fd, EVIOCGNAME(sizeof name - 1), name) < 0) {
        std::printf("RESULT FAIL no evdev node for %s\n", injector->systemName().c_str());
        return 1;
    }
    std::printf("device \"%s\" at %s\n", name, node.c_str());

    auto k = InputRecord::key;
    auto m = InputRecord::mouse;
    const std::string syn = "EV_SYN SYN_REPORT 0";
    const std::vector<Step> steps = {
        { "key A", { k('A', 0, 1), k('A', 0, 3) },
            { "EV_KEY KEY_A 1", syn, "EV_KEY KEY_A 0", syn } },
        { "Shift+A", { k(0xA0, 0x45, 1), k('A', 0x45, 1), k(0xA0, 0x45, 3), k('A', 0x45, 3) },
            { "EV_KEY KEY_LEFTSHIFT 1", syn, "EV_KEY KEY_A 1", syn, "EV_KEY KEY_LEFTSHIFT 0", syn,
                "EV_KEY KEY_A 0", syn } },
        { "left click", { m(0x0002, 0), m(0x0004, 0) },
            { "EV_KEY BTN_LEFT 1", syn, "EV_KEY BTN_LEFT 0", syn } },
        { "right click", { m(0x0008, 0), m(0x0010, 0) },
            { "EV_KEY BTN_RIGHT 1", syn, "EV_KEY BTN_RIGHT 0", syn } },
        { "middle click", { m(0x0020, 0), m(0x0040, 0) },
            { "EV_KEY BTN_MIDDLE 1", syn, "EV_KEY BTN_MIDDLE 0", syn } },
        { "double click", { m(0x0002, 0), m(0x0004, 0), m(0x0002, 0), m(0x0004, 0) },
            { "EV_KEY BTN_LEFT 1", syn, "EV_KEY BTN_LEFT 0", syn, "EV_KEY BTN_LEFT 1", syn,
                "EV_KEY BTN_LEFT 0", syn } },
        { "wheel up", { m(0x0800, 120) },
            { "EV_REL REL_WHEEL_HI_RES 120", "EV_REL REL_WHEEL 1", syn } },
        { "wheel down", { m(0x0800, -120) },
            { "EV_REL REL_WHEEL_HI_RES -120", "EV_REL REL_WHEEL -1", syn } },
        // German swaps Y and Z; Russian has no Latin letters, and desktops
        // match its shortcuts on the US positions.
        { "de: Z", { k('Z', 0, 1), k('Z', 0, 3) }, { "EV_KEY KEY_Y 1", syn, "EV_KEY KEY_Y 0", syn },
            "de" },
        { "ru: Ctrl+C", { k(0xA2, 0x45, 1), k('C', 0x45, 1), k(0xA2, 0x45, 3), k('C', 0x45, 3) },
            { "EV_KEY KEY_LEFTCTRL 1", syn, "EV_KEY KEY_C 1", syn, "EV_KEY KEY_LEFTCTRL 0", syn,
                "EV_KEY KEY_C 0", syn },
            "ru" },
        // Pressed and left down, as a stopped link would leave them.
        { "held", { k(0xA0, 0x45, 1), k('A', 0x45, 1), m(0x0002, 0) },
            { "EV_KEY KEY_LEFTSHIFT 1", syn, "EV_KEY KEY_A 1", syn, "EV_KEY BTN_LEFT 1", syn } },
    };

    bool passed = true;
    HeldInput held;
    const auto run = [&](const char* title, const std::vector<InputRecord>& records,
                         const std::vector<std::string>& expected) {
        for (const InputRecord& record : records) {
            held.note(record);
            if (!record.sendTo(*injector))
                std::printf("  send failed: %s\n", injector->lastError().c_str());
        }
        const std::vector<std::string> lines = readAvailable(fd);
        const bool same = lines == expected;
        passed = passed && same;
        std::printf("%s: %s\n", title, same ? "ok" : "MISMATCH");
        for (const std::string& line : lines)
            std::printf("  %s\n", line.c_str());
    };
    for (const Step& step : steps) {
        keys->setLayouts(layouts(step.layout));
        run(step.name, step.records, step.expected);
    }
    // What the program does on pause, stop and exit.
    run("releaseAll", held.takeReleases(),
        { "EV_KEY KEY_A 0", syn, "EV_KEY KEY_LEFTSHIFT 0", syn, "EV_KEY BTN_LEFT 0", syn });

    unsigned char down[KEY_MAX / 8 + 1] = {};
    if (ioctl(fd, EVIOCGKEY(sizeof down), down) < 0)
        passed = false;
    int stillDown = 0;
    for (unsigned char bits : down)
        stillDown += bits != 0;
    std::printf("keys and buttons down after releaseAll: %s\n", stillDown ? "SOME" : "none");
    passed = passed && stillDown == 0;
    close(fd);
    injector.reset();
    std::printf("RESULT %s\n", passed ? "PASS" : "FAIL");
    return passed ? 0 : 1;
}
