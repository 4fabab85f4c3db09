#include "tools/check_command.h"

#include <algorithm>
#include <cstdio>

#include "tools/open_file.h"
#include "tools/settings_check_list.h"
#include "tools/settings_map.h"

namespace {

struct CheckOptions {
    std::string file;
    bool json = false;
    bool help = false;
    std::string mapFile;
};

bool parseArguments(const std::vector<std::string>& arguments, CheckOptions* options) {
    bool haveFile = false;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& a = arguments[i];
        if (a == "--json") {
            options->json = true;
        } else if (a == "--help" || a == "-h" || a == "/?") {
            options->help = true;
        } else if (a == "--map" && i + 1 < arguments.size()) {
            options->mapFile = arguments[++i];
        } else if (!a.empty() && a[0] != '-' && !haveFile) {
            options->file = a;
            haveFile = true;
        } else {
            return false;
        }
    }
    return true;
}

bool readWholeFile(const std::string& path, std::string* text) {
    std::FILE* file = openFile(path, "rb");
    if (file == nullptr) return false;
    char buffer[65536];
    size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) text->append(buffer, got);
    bool failed = std::ferror(file) != 0;
    std::fclose(file);
    return !failed;
}

bool writeWholeFile(const std::string& path, const std::string& text) {
    std::FILE* file = openFile(path, "wb");
    if (file == nullptr) return false;
    bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    return std::fclose(file) == 0 && written;
}

// A number for JSON: integers as they are, others with the digits a float holds.
std::string jsonNumber(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.9g", value);
    return text;
}

std::string jsonString(const std::string& s) {
    std::string out = "\"";
    for (char c : s) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", c);
            out += escape;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

// The file's name without its folder.
std::string baseName(const std::string& path) {
    size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

double percentOf(int rolls) { return 100.0 * rolls / spawnRollCount; }

// Why a mode gets fewer rolls than the percent written for it: the shares
// before it reach past roll 99, or a negative one takes rolls away.
const char* shortOfItsShare(const SpawnChances& chances, const SpawnOdds& odds, int mode) {
    int32_t chance = chances.of[mode];
    if (chance <= 0 || odds.rolls[mode] >= std::min(chance, spawnRollCount)) return nullptr;
    double before = 0;  // where the shares before this one end, without the game's 32-bit wrap
    for (int m = 0; m < mode; ++m) before += chances.of[m];
    if (before >= spawnRollCount) return "the shares before it take every roll";
    if (before + chance > spawnRollCount) return "the rolls end at 99";
    return "a negative share before it takes rolls";
}

void printText(const std::string& file, const SettingsCheck& check) {
    int counts[3] = {};
    for (const SettingsFinding& f : check.findings) ++counts[static_cast<int>(f.severity)];
    // The file's path once (a folder's whole path before every finding would
    // wrap each one in a console window), then each finding by its line.
    std::printf("%s\n", file.c_str());
    for (const SettingsFinding& f : check.findings) {
        if (f.line > 0)
            std::printf("  line %d: %s: %s\n", f.line, severityName(f.severity), f.message.c_str());
        else
            std::printf("  %s: %s\n", severityName(f.severity), f.message.c_str());
    }
    std::printf("\nHow you come back: the roll is a number from 1 to 99, and each share takes that many of\n"
                "the 99 rolls, in this order:\n");
    const SpawnOdds& odds = check.odds;
    for (int m = 0; m < spawnModeCount; ++m) {
        int rolls = odds.rolls[m] + (odds.fallBackMode == m ? odds.fallBackRolls : 0);
        std::printf("  %-23s %2d of 99 rolls (%.1f%%)", spawnModes[m].name, rolls, percentOf(rolls));
        if (odds.fallBackMode == m && odds.fallBackRolls > 0) std::printf(", with the fall-back");
        if (const char* why = shortOfItsShare(odds.chances, odds, m))
            std::printf(", not %ld: %s", static_cast<long>(odds.chances.of[m]), why);
        std::printf("\n");
    }
    if (odds.fallBackRolls > 0)
        std::printf("  fall-back: %d rolls go to the %s, with a sound\n", odds.fallBackRolls,
                    spawnModes[odds.fallBackMode].name);
    std::printf("  near the place of death: %d%% of list, road, air and map spawns\n", odds.closeRolls);
    std::printf("\nCustom points in use and defined: %zu\n", check.customPoints.size());
    size_t shown = 0;
    for (const CheckedCustomPoint& p : check.customPoints) {
        if (++shown > 20) {
            std::printf("  ...\n");
            break;
        }
        std::printf("  %d: x %.1f, y %.1f, z %.1f", p.number, static_cast<double>(p.x), static_cast<double>(p.y),
                    static_cast<double>(p.z));
        if (p.line > 0) std::printf("  (line %d)", p.line);
        std::printf("\n");
    }
    std::printf("\n%s: %d error(s), %d warning(s), %d note(s)\n", baseName(file).c_str(), counts[2], counts[1],
                counts[0]);
}

void printJson(const std::string& file, const SettingsCheck& check, int status) {
    std::string out = "{\"file\":" + jsonString(file) + ",\"status\":" + std::to_string(status) + ",\"findings\":[";
    for (size_t i = 0; i < check.findings.size(); ++i) {
        const SettingsFinding& f = check.findings[i];
        out += std::string(i ? "," : "") + "{\"line\":" + std::to_string(f.line) + ",\"severity\":\"" +
               severityName(f.severity) + "\",\"message\":" + jsonString(f.message) + "}";
    }
    out += "],\"modes\":[";
    const SpawnOdds& odds = check.odds;
    for (int m = 0; m < spawnModeCount; ++m) {
        int rolls = odds.rolls[m] + (odds.fallBackMode == m ? odds.fallBackRolls : 0);
        out += std::string(m ? "," : "") + "{\"mode\":" + jsonString(spawnModes[m].name) +
               ",\"key\":" + jsonString(settingKey(spawnModes[m].chance).name) + ",\"rolls\":" + std::to_string(rolls) +
               ",\"percent\":" + jsonNumber(percentOf(rolls)) + "}";
    }
    out += "],\"fallBack\":{\"mode\":" + jsonString(spawnModes[odds.fallBackMode].name) +
           ",\"rolls\":" + std::to_string(odds.fallBackRolls) +
           "},\"closeChance\":" + std::to_string(odds.closeChance) + ",\"customPoints\":[";
    for (size_t i = 0; i < check.customPoints.size(); ++i) {
        const CheckedCustomPoint& p = check.customPoints[i];
        out += std::string(i ? "," : "") + "{\"number\":" + std::to_string(p.number) + ",\"x\":" + jsonNumber(p.x) +
               ",\"y\":" + jsonNumber(p.y) + ",\"z\":" + jsonNumber(p.z) + ",\"line\":" + std::to_string(p.line) + "}";
    }
    out += "]}\n";
    std::fputs(out.c_str(), stdout);
}

}  // namespace

void printCheckHelp(const CheckCommandName& name) {
    std::printf(
        "%s reads a Pelorin.ini with the plug-in's own reader and explains it line by\n"
        "line: misspelt keys (with the key you probably meant), keys outside [Player_Respawn],\n"
        "duplicates, missing keys and what Pelorin does instead, values that are not numbers\n"
        "or make no sense, the odds of each way of coming back, and your custom points.\n"
        "\n"
        "usage: %s [FILE] [--json] [--map map.svg]\n"
        "  FILE           the settings file to check (%s)\n"
        "  --map map.svg  also draws where you may come back (open map.svg in a web browser)\n"
        "  --json         prints the same as JSON, for tools\n"
        "  --help         this text\n"
        "\n"
        "Exit status: 0 nothing to worry about, 1 warnings, 2 errors (or the file cannot be read).\n",
        name.command, name.command, name.defaultFileText);
}

int runCheckCommand(const CheckCommandName& name, const std::vector<std::string>& arguments,
                    const std::string& defaultFile) {
    CheckOptions options;
    options.file = defaultFile;
    if (!parseArguments(arguments, &options)) {
        std::fprintf(stderr, "usage: %s [FILE] [--json] [--map map.svg]\n%s --help explains it.\n", name.command,
                     name.command);
        return 2;
    }
    if (options.help) {
        printCheckHelp(name);
        return 0;
    }
    std::string text;
    if (!readWholeFile(options.file, &text)) {
        // Windows hides a known ending such as ".txt": a file saved as "Pelorin.ini" by Notepad may be named
        // "Pelorin.ini.txt", which the plug-in never reads.
        // The release ships its settings as Pelorin-default.ini, renamed at the first install.
        std::string named = baseName(options.file) + ".txt";
        bool savedAsText = readWholeFile(options.file + ".txt", &text);
        std::string shipped = options.file.substr(0, options.file.size() - baseName(options.file).size()) +
                              "Pelorin-default.ini";
        bool notRenamed = !savedAsText && baseName(options.file) == "Pelorin.ini" && readWholeFile(shipped, &text);
        std::string error = savedAsText ? "your file is named " + named + ": rename it to " + baseName(options.file) +
                                              " (Windows hides the ending .txt)"
                            : notRenamed ? "there is no Pelorin.ini, but Pelorin-default.ini is there: rename it to "
                                           "Pelorin.ini (the first time you install Pelorin)"
                                         : "the file cannot be read (is it there?)";
        if (options.json)
            std::printf("{\"file\":%s,\"status\":2,\"error\":%s}\n", jsonString(options.file).c_str(),
                        jsonString(error).c_str());
        else
            std::printf("%s: error: %s\n", options.file.c_str(), error.c_str());
        return 2;
    }
    SettingsCheck check = checkSettingsText(text);
    int status = checkExitStatus(check);
    if (options.json)
        printJson(options.file, check, status);
    else
        printText(options.file, check);
    if (!options.mapFile.empty()) {
        if (!writeWholeFile(options.mapFile, settingsMapSvg(check, options.file))) {
            std::fprintf(stderr, "%s: cannot be written\n", options.mapFile.c_str());
            return 2;
        }
        if (!options.json) std::printf("Map written to %s\n", options.mapFile.c_str());
    }
    return status;
}
