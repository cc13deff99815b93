#include "platform/host/Options.h"

#include <charconv>
#include <cmath>

#include "platform/ui/Warnings.h"

namespace host {

DeviceProfile deviceProfile(DeviceKind kind) {
    switch (kind) {
        case DeviceKind::phone:
            return {{390.0, 844.0}, "iPhone"};
        case DeviceKind::tablet:
            return {{820.0, 1180.0}, "iPad"};
    }
    return {{390.0, 844.0}, "iPhone"};
}

ParsedOptions parseCommandLine(int argc, const char* const* argv) {
    ParsedOptions parsed;
    Options& options = parsed.options;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        auto value = [&](std::string& into) {
            if (i + 1 >= argc) {
                parsed.error = argument + " needs a value";
                return false;
            }
            into = argv[++i];
            return true;
        };
        std::string text;
        if (argument == "--help" || argument == "-h") {
            options.help = true;
        } else if (argument == "--headless") {
            options.headless = true;
        } else if (argument == "--device") {
            if (!value(text)) return parsed;
            if (text == "phone") {
                options.device = DeviceKind::phone;
            } else if (text == "tablet") {
                options.device = DeviceKind::tablet;
            } else {
                parsed.error = "--device takes phone or tablet, not \"" + text + "\"";
                return parsed;
            }
        } else if (argument == "--preferences") {
            if (!value(text)) return parsed;
            // An empty name (an unset variable in a script) must not fall
            // back to the user's own preferences file.
            if (text.empty()) {
                parsed.error = "--preferences needs a file name, not an empty one";
                return parsed;
            }
            options.preferencesFile = text;
        } else if (argument == "--script") {
            if (!value(text)) return parsed;
            options.scriptFile = text;
        } else if (argument == "--scale") {
            if (!value(text)) return parsed;
            double scale = 0.0;
            const auto result = std::from_chars(text.data(), text.data() + text.size(), scale);
            if (result.ec != std::errc{} || result.ptr != text.data() + text.size() || !std::isfinite(scale) ||
                scale < 0.25 || scale > 8.0) {
                parsed.error = "--scale takes a number from 0.25 to 8, not \"" + text + "\"";
                return parsed;
            }
            options.scale = scale;
        } else {
            parsed.error = "unknown argument \"" + argument + "\"";
            return parsed;
        }
    }
    if (options.headless && options.scriptFile.empty() && !options.help) {
        parsed.error = "--headless needs --script FILE";
    }
    return parsed;
}

std::string usage(const std::string& program) {
    return "usage: " + program +
           " [--device phone|tablet] [--preferences FILE] [--script FILE [--headless] [--scale N]]\n"
           "  --device       the screen to run as: phone (390 x 844, the default) or tablet (820 x 1180)\n"
           "  --preferences  the preferences file (default: $XDG_CONFIG_HOME/" +
           ui::applicationName() +
           "/preferences.json)\n"
           "  --script       carry out the actions in FILE, then end; one action a line:\n"
           "                   tap X Y | tap-button TITLE | back | screenshot FILE.png\n"
           "                 (a title may be quoted to keep blanks at its ends; # starts a comment)\n"
           "  --headless     run the script off-screen, without a window\n"
           "  --scale        pixels per point of headless screenshots (default 2)\n";
}

}  // namespace host
