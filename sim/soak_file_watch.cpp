#include "settings/settings_keys.h"
#include "sim/soak_file_watch.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <string_view>
#include <vector>

#include "ini/ini_reader.h"
#include "settings/custom_spawn_key.h"

namespace sim::soak {
namespace {

constexpr uint32_t missingSkin = 0xFFFFFFFFu;
// The file is looked at after every few turns (a stat each), and before every
// save of the player's: the plug-in writes it whole, so no state of it between
// two looks can escape the comparison with the last one.
constexpr uint64_t checkEveryTurns = 4;

// Reads with pread, which the editor's saves of the soak do not strike.
bool readByPosition(const std::string& path, std::string* text) {
    int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    text->clear();
    char buffer[65536];
    for (off_t at = 0;;) {
        ssize_t n = pread(fd, buffer, sizeof buffer, at);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        text->append(buffer, static_cast<size_t>(n));
        at += n;
    }
    close(fd);
    return true;
}

}  // namespace

// Which file the path names, its size and write time (all zero when it names none).
SettingsFileWatch::Stamp SettingsFileWatch::stampOf(const std::string& path) {
    struct stat status;
    if (stat(path.c_str(), &status) != 0) return Stamp{};
    return Stamp{static_cast<uint64_t>(status.st_dev), static_cast<uint64_t>(status.st_ino),
                 static_cast<uint64_t>(status.st_size), static_cast<uint64_t>(status.st_mtim.tv_sec),
                 static_cast<uint64_t>(status.st_mtim.tv_nsec)};
}

namespace {

std::vector<std::string_view> linesOf(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    }
    return lines;
}

std::string trimmedLower(std::string_view text) {
    size_t first = text.find_first_not_of(" \t"), last = text.find_last_not_of(" \t");
    std::string lowered;
    if (first == std::string_view::npos) return lowered;
    for (char c : text.substr(first, last - first + 1)) lowered += lowerAscii(c);
    return lowered;
}

// The key of a "key=value" line, as the reader compares it; empty for any other line.
std::string keyOf(std::string_view line) {
    size_t equals = line.find('=');
    if (equals == std::string_view::npos || trimmedLower(line).front() == ';') return "";
    return trimmedLower(line.substr(0, equals));
}

bool isCustomPointKey(const std::string& key) {
    return key.rfind("custom_spawn_", 0) == 0 && key.size() > 15 && key[key.size() - 2] == '_' &&
           (key.back() == 'x' || key.back() == 'y' || key.back() == 'z');
}

// The keys that came after the first release, which the first start adds to
// an older file with the values they already had.
bool laterKey(const std::string& key) {
    int index = settingKeyIndex(key);
    return index >= 0 && takesShippedValueWhenMissing(settingKeys[index]);
}

bool pluginWrites(const std::string& key) {
    return key == stored_last_used_skinKeyName || key == number_of_custom_spawn_points_in_useKeyName ||
           isCustomPointKey(key) || laterKey(key);
}

uint32_t storedSkinOf(const std::string& text) {
    ProfileSection section;
    parseProfileSection(text, "Player_Respawn", &section);
    return profileInt(section, stored_last_used_skinKeyName, missingSkin);
}

// The custom points as the reader reads them, from point 1 to the last key's
// number: each point's three values as written ("" for a missing one, which
// a missing key and an empty value alike read as).
using PointValues = std::vector<std::string>;
PointValues pointsOf(const std::string& text) {
    int32_t last = 0;
    for (std::string_view line : linesOf(text)) last = std::max(last, customSpawnKeyPoint(keyOf(line)));
    ProfileSection section;
    parseProfileSection(text, "Player_Respawn", &section);
    PointValues points;
    char key[customSpawnKeySize];
    for (int32_t point = 1; point <= last; ++point) {
        std::string values;
        for (int axis = 0; axis < 3; ++axis) {
            formatCustomSpawnKey(point, axis, key, sizeof key);
            std::string_view value;
            values += findProfileValue(section, key, &value) ? std::string(value) : std::string();
            values += '|';
        }
        points.push_back(values);
    }
    return points;
}

std::string quoted(std::string_view line) { return "\"" + std::string(line.substr(0, 80)) + "\""; }

}  // namespace

SettingsFileWatch::SettingsFileWatch(World& world, ViolationSink& sink) : w_(world), sink_(sink) {
    if (const Entity* player = w_.player()) {
        lastModel_ = player->model;
        chosenSkins_.insert(lastModel_);
    }
}

void SettingsFileWatch::playerSaved(const std::string& text) {
    accepted_ = text;
    seenStamp_ = Stamp{};  // the next look compares the file with his text
    uint32_t typed = storedSkinOf(text);
    if (typed != missingSkin) chosenSkins_.insert(typed);
}

// A new file took the name: it shares nothing with the other name, and it
// has the editor's permissions (writable) whatever the old one had.
void SettingsFileWatch::playerReplacedFile() {
    hardLink_ = false;
    readOnly_ = false;
}

void SettingsFileWatch::playerChangesInMenu(const std::string& key) { menuKeys_.insert(trimmedLower(key)); }

void SettingsFileWatch::playerDeletesPointInMenu() { menuDelete_ = true; }

void SettingsFileWatch::playerMadeReadOnly(bool readOnly) { readOnly_ = readOnly; }

void SettingsFileWatch::playerLinked(bool symbolic, const std::string& target) {
    symbolicLink_ = symbolic;
    hardLink_ = !symbolic;
    (symbolic ? target_ : otherName_) = target;
}

std::string SettingsFileWatch::currentText() const {
    std::string text;
    readByPosition(target_, &text);
    return text;
}

void SettingsFileWatch::afterGameFrame() {
    const Entity* player = w_.player();
    if (!player || player->model == lastModel_) return;
    lastModel_ = player->model;
    if (!player->dead && !w_.beingArrested && w_.gameRespawn.stage == GameRespawnStage::None)
        chosenSkins_.insert(lastModel_);
}

void SettingsFileWatch::afterScriptTurn() {
    afterGameFrame();
    if (++turns_ % checkEveryTurns == 0) checkNow();
}

void SettingsFileWatch::checkNow() {
    checkLink();
    Stamp stamp = stampOf(target_);
    if (stamp == seenStamp_) return;
    seenStamp_ = stamp;
    std::string text;
    if (!readByPosition(target_, &text) || text == accepted_) return;
    if (readOnly_) {
        sink_.report(Violation::SettingsFileDamaged, "a read-only settings file was written");
    } else {
        checkText(text);
        if (menuDelete_) checkPoints(text);
        checkStoredSkin(text);
    }
    accepted_ = text;
}

// Walks the accepted text and the new one line by line: equal lines, a value
// of a key the plug-in writes (or he changes in the menu) set anew, or a line
// of such a key added. A custom point of the player's set anew is overwritten
// (unless he deletes one in the menu: then checkPoints judges the points, and
// their lines may go); anything else is damage.
void SettingsFileWatch::checkText(const std::string& text) {
    std::vector<std::string_view> before = linesOf(accepted_), now = linesOf(text);
    std::set<std::string> keysBefore;
    bool sectionBefore = false;
    for (std::string_view line : before) {
        keysBefore.insert(keyOf(line));
        sectionBefore = sectionBefore || trimmedLower(line) == "[player_respawn]";
    }
    size_t i = 0, j = 0;
    while (i < before.size() || j < now.size()) {
        if (i < before.size() && j < now.size() && before[i] == now[j]) {
            ++i, ++j;
            continue;
        }
        std::string keyNow = j < now.size() ? keyOf(now[j]) : "";
        bool menuSets = menuKeys_.count(keyNow) != 0;
        if (!keyNow.empty() && (pluginWrites(keyNow) || menuSets) && i < before.size() && keyOf(before[i]) == keyNow) {
            if (isCustomPointKey(keyNow) && !menuDelete_)
                sink_.report(Violation::CustomPointOverwritten,
                             "the player's " + quoted(before[i]) + " was written as " + quoted(now[j]));
            if (menuSets) menuKeys_.erase(keyNow);
            ++i, ++j;
            continue;
        }
        if (menuDelete_ && i < before.size() && isCustomPointKey(keyOf(before[i]))) {
            ++i;
            continue;
        }
        // A missing key's line comes after the section's last entry, so it
        // may stand before lines of his (a comment below it): they must follow.
        bool added = (!keyNow.empty() && (pluginWrites(keyNow) || menuSets) && !keysBefore.count(keyNow)) ||
                     (j < now.size() && !sectionBefore && trimmedLower(now[j]) == "[player_respawn]");
        if (added) {
            if (menuSets) menuKeys_.erase(keyNow);
            ++j;
            continue;
        }
        sink_.report(Violation::SettingsFileDamaged,
                     "line " + std::to_string(i + 1) + " of the player's file, " +
                         (i < before.size() ? quoted(before[i]) : std::string("its end")) + ", became " +
                         (j < now.size() ? quoted(now[j]) : std::string("the end")) + "; " +
                         std::to_string(accepted_.size()) + " bytes before, " + std::to_string(text.size()) + " now");
        return;
    }
}

// With a delete of his under way, the points are his as before (new ones of
// a save added after them), or his with one gone and every later one a
// number up.
void SettingsFileWatch::checkPoints(const std::string& text) {
    PointValues before = pointsOf(accepted_), now = pointsOf(text);
    size_t same = 0;
    while (same < now.size() && same < before.size() && now[same] == before[same]) ++same;
    if (same == before.size()) return;
    if (now.size() + 1 == before.size() && std::equal(now.begin() + same, now.end(), before.begin() + same + 1)) {
        menuDelete_ = false;
        return;
    }
    sink_.report(Violation::CustomPointOverwritten,
                 "the menu's delete left points other than his with one gone: " + std::to_string(before.size()) +
                     " before, " + std::to_string(now.size()) + " now, the first difference at point " +
                     std::to_string(same + 1));
}

void SettingsFileWatch::checkStoredSkin(const std::string& text) {
    uint32_t before = storedSkinOf(accepted_), now = storedSkinOf(text);
    if (now == before || chosenSkins_.count(now)) return;
    sink_.report(Violation::StoredSkinReplaced, "stored_last_used_skin became " +
                                                    std::to_string(static_cast<int32_t>(now)) +
                                                    ", a skin the player did not choose");
}

void SettingsFileWatch::checkLink() {
    struct stat link, file;
    if (symbolicLink_ && (lstat("Pelorin.ini", &link) != 0 || !S_ISLNK(link.st_mode)))
        sink_.report(Violation::LinkBroken, "Pelorin.ini is no longer a symbolic link to " + target_);
    if (hardLink_ && (stat("Pelorin.ini", &link) != 0 || stat(otherName_.c_str(), &file) != 0 ||
                      link.st_ino != file.st_ino))
        sink_.report(Violation::LinkBroken, "Pelorin.ini no longer shares its file with " + otherName_);
}

}  // namespace sim::soak
