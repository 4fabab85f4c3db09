// Checks that the plug-in's settings reader and writer (ini/ini_reader.cpp)
// agree with the Windows private-profile functions, file by file:
//   ini_conformance.exe <corpus directory> [<linked directory>]
// (the linked directory holds deployed.ini, a symbolic link to its own.ini,
// made beforehand where CreateSymbolicLink makes none, as under Wine).
// Every *.ini file of the corpus, and a few made here (a file with very long
// lines, and a directory named like a settings file), are read by
// GetPrivateProfileIntA (default -1) and GetPrivateProfileStringA (default "0",
// 32-byte buffer) and by our reader, over a fixed list of keys of section
// "Player_Respawn". Then our writer makes the plug-in's writes (an existing
// key, the stored skin as a negative decimal, a new key) and Windows reads the
// written file: the written keys must read as written, every other key as
// before, and our reader must agree. Last, our file replacement is tried on a
// read-only, a locked and a hidden file, a file whose DACL denies us the
// write, one of a UTF-8 path whose DACL must stay, a file another program
// saved after our read, a hard-linked file and a symbolic link, and the start-up clean-up
// after a crash. Every mismatch is printed; exit code 1 if there is any.
//
// Where our reader deliberately reads a file otherwise than Windows, the file
// is listed below with the reason, its differences are printed as such, and
// the check fails if the listed difference no longer shows.
#include <windows.h>
#include <sddl.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "platform/files.h"
#include "platform/rewrite_journal.h"
#include "ini/ini_reader.h"
#include "ini/ini_writer.h"

namespace {

const char* const section = "Player_Respawn";

// The paths here are UTF-8, as our file functions take them; every other file
// call gets them wide, so that a folder of any name works. Only the Windows
// reader of the comparison takes them in the ANSI code page: the
// private-profile functions we compare with are its ANSI ones, and they can
// open a file only in a folder that code page can name.
std::wstring wide(const std::string& utf8) {
    int size = MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), -1, nullptr, 0);
    std::wstring text(size > 0 ? size - 1 : 0, L'\0');
    if (size > 1) MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), -1, &text[0], size);
    return text;
}

std::string utf8Of(const wchar_t* text) {
    int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string bytes(size > 0 ? size - 1 : 0, '\0');
    if (size > 1) WideCharToMultiByte(CP_UTF8, 0, text, -1, &bytes[0], size, nullptr, nullptr);
    return bytes;
}

std::string ansiPath(const std::string& utf8) {
    const std::wstring path = wide(utf8);
    int size = WideCharToMultiByte(CP_ACP, 0, path.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string bytes(size > 0 ? size - 1 : 0, '\0');
    if (size > 1) WideCharToMultiByte(CP_ACP, 0, path.c_str(), -1, &bytes[0], size, nullptr, nullptr);
    return bytes;
}

const char* const keys[] = {
    "random_player_respawns", "RANDOM_PLAYER_RESPAWNS", "in_air_player_spawn_chance", "first_wait_time",
    "FIRST_WAIT_TIME", "slow_motion_at_wasted_and_busted_screens", "stored_last_used_skin",
    "number_of_custom_spawn_points_in_use", "custom_spawn_1_x", "custom_spawn_1_y", "custom_spawn_1_z",
    "custom_spawn_2_x", "custom_spawn_12_z", "activate_controller", "respawn_on_demand_key_2_of_2",
    "preferred_spawn_distance", "land_vehicle_type", "air_vehicle_type", "spaced key", "quoted_number",
    "quoted_negative", "single_quoted", "unbalanced_quote", "mixed_quotes", "empty_quotes", "lone_quote",
    "inner_quotes", "spaced_quotes", "plus_sign", "minus_zero", "trailing_letters", "letters_only", "decimal_int",
    "min_int", "max_uint", "wrap_uint", "hash_negative", "hash_positive", "hex_value", "long_digits",
    "float_letters", "float_exponent", "double_minus", "sign_space", "empty_value", "blank_value", "long_text",
    "long_quoted", "long_float", "exactly_31", "exactly_32", "long_key_value_with_spaces", "missing_key",
    "new_key", "a", "b", "c", "binary_value", "octal_value", "upper_hex", "negative_hex", "hex_letters",
    "leading_zeros"};

// The plug-in's writes, in order.
const char* const writes[][2] = {
    {"random_player_respawns", "7"}, {"stored_last_used_skin", "-1692223931"}, {"new_key", "12"}};

// Files that our reader deliberately reads otherwise than Windows, and why.
struct KnownDifference {
    const char* file;
    const char* reason;
};
const KnownDifference knownDifferences[] = {
    {"16_utf16_no_mark.ini",
     "UTF-16LE without its byte-order mark: Windows reads the bytes and finds no key; we read the text, so that "
     "a file saved so by an editor does not silently lose every setting"},
};

const char* knownDifferenceOf(const std::string& name) {
    for (const KnownDifference& known : knownDifferences)
        if (name == known.file) return known.reason;
    return nullptr;
}

struct Tally {
    int files = 0;
    int keys = 0;
    int mismatches = 0;
    int documented = 0;
};

// One key as Windows reads it from a file.
struct WindowsValue {
    int number;
    std::string text;
    DWORD length;
};

WindowsValue windowsValue(const std::string& path, const char* key) {
    char text[32];
    const std::string ansi = ansiPath(path);
    DWORD length = GetPrivateProfileStringA(section, key, "0", text, sizeof text, ansi.c_str());
    return WindowsValue{static_cast<int>(GetPrivateProfileIntA(section, key, -1, ansi.c_str())), text, length};
}

void flushProfileCache(const std::string& path) {
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, ansiPath(path).c_str());
}

// Compares every key of the list, read from path by Windows and from text by
// us; differences count as documented when the file is listed. Returns the
// number of differences.
int compareKeys(const std::string& label, const std::string& path, const std::string& text, bool documented,
                Tally* tally) {
    flushProfileCache(path);
    ProfileSection parsed;
    parseProfileSection(text, section, &parsed);
    int differences = 0;
    const char* kind = documented ? "documented difference" : "MISMATCH";
    for (const char* key : keys) {
        ++tally->keys;
        WindowsValue windows = windowsValue(path, key);
        int ourInt = static_cast<int>(profileInt(parsed, key, 0xFFFFFFFFu));
        char ourText[32];
        size_t ourLength = profileString(parsed, key, "0", ourText, sizeof ourText);
        if (windows.number != ourInt) {
            ++differences;
            std::printf("%s: %s [%s] int: windows %d, ours %d\n", kind, label.c_str(), key, windows.number, ourInt);
        }
        if (windows.length != ourLength || windows.text != ourText) {
            ++differences;
            std::printf("%s: %s [%s] string: windows \"%s\" (%lu), ours \"%s\" (%lu)\n", kind, label.c_str(), key,
                        windows.text.c_str(), static_cast<unsigned long>(windows.length), ourText,
                        static_cast<unsigned long>(ourLength));
        }
    }
    (documented ? tally->documented : tally->mismatches) += differences;
    return differences;
}

bool writeFile(const std::string& path, const std::string& content) {
    HANDLE file = CreateFileW(wide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    bool done = WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr) &&
                written == content.size();
    return CloseHandle(file) && done;
}

// Our writes, then Windows reads the written file: each written key as
// written, every other key as in the original, and our reader agreeing.
int compareAfterWrites(const std::string& name, const std::string& path, const std::string& text,
                       const std::string& scratch, bool documented, Tally* tally) {
    std::string written = text;
    for (const auto& write : writes) written = withProfileValue(written, section, write[0], write[1]);
    if (!writeFile(scratch, written)) {
        std::printf("MISMATCH: %s: cannot write %s\n", name.c_str(), scratch.c_str());
        ++tally->mismatches;
        return 1;
    }
    int differences = compareKeys(name + " (written by us)", scratch, written, documented, tally);
    flushProfileCache(path);
    flushProfileCache(scratch);
    const char* kind = documented ? "documented difference" : "MISMATCH";
    for (const char* key : keys) {
        std::string expected;
        for (const auto& write : writes)
            if (_stricmp(write[0], key) == 0) expected = write[1];
        WindowsValue after = windowsValue(scratch, key);
        WindowsValue before = windowsValue(path, key);
        bool holds = expected.empty() ? after.text == before.text && after.number == before.number
                                      : after.text == expected;
        if (!holds) {
            ++differences;
            (documented ? tally->documented : tally->mismatches)++;
            std::printf("%s: %s [%s] after our writes windows reads \"%s\", expected \"%s\"\n", kind, name.c_str(), key,
                        after.text.c_str(), expected.empty() ? before.text.c_str() : expected.c_str());
        }
    }
    DeleteFileW(wide(scratch).c_str());
    return differences;
}

void checkFile(const std::string& name, const std::string& path, const std::string& scratch, Tally* tally) {
    ++tally->files;
    const char* reason = knownDifferenceOf(name);
    std::string text;
    int differences = 0;
    if (!readWholeFile(path.c_str(), &text)) {
        // Not readable as a file (a directory): we read no key, as Windows
        // must not either, and our writer leaves it alone.
        differences += compareKeys(name + " (unreadable)", path, "", reason != nullptr, tally);
        if (replaceFileContent(path.c_str(), "", FileStamp{}, "[Player_Respawn]\r\nrandom_player_respawns=7\r\n") !=
            ReplaceResult::Failed) {
            std::printf("MISMATCH: %s: our writer replaced what is not a file\n", name.c_str());
            ++tally->mismatches;
        }
    } else {
        differences += compareKeys(name, path, text, reason != nullptr, tally);
        differences += compareAfterWrites(name, path, text, scratch, reason != nullptr, tally);
    }
    if (reason != nullptr) {
        std::printf("%s: read otherwise than Windows on purpose: %s\n", name.c_str(), reason);
        if (differences == 0) {
            std::printf("MISMATCH: %s: the documented difference no longer shows\n", name.c_str());
            ++tally->mismatches;
        }
    }
}

std::vector<std::string> corpusFiles(const std::string& directory) {
    std::vector<std::string> names;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(wide(directory + "\\*.ini").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do names.push_back(utf8Of(found.cFileName));
    while (FindNextFileW(search, &found));
    FindClose(search);
    return names;
}

// Files that cannot be kept in the corpus: lines of many kilobytes, and a
// directory where the settings file should be.
void makeGeneratedFiles(const std::string& directory) {
    std::string longLines = "[Player_Respawn]\r\n; " + std::string(100000, 'x') + "\r\nlong_text=" +
                            std::string(70000, '7') + "\r\nrandom_player_respawns=2\r\n" + std::string(200000, 'c') +
                            "=5\r\nlong_quoted=\"" + std::string(5000, 'q') + "\"\r\nfirst_wait_time=4000\r\n";
    writeFile(directory + "\\long_lines.ini", longLines);
    CreateDirectoryW(wide(directory + "\\directory.ini").c_str(), nullptr);
}

void removeGeneratedFiles(const std::string& directory) {
    DeleteFileW(wide(directory + "\\long_lines.ini").c_str());
    RemoveDirectoryW(wide(directory + "\\directory.ini").c_str());
    RemoveDirectoryW(wide(directory).c_str());
}

std::string fileText(const std::string& path) {
    std::string text;
    readWholeFile(path.c_str(), &text);
    return text;
}

// Replaces the file's content as the settings writer does: from a read of it.
ReplaceResult replaceAsRead(const std::string& path, const std::string& content) {
    std::string text;
    FileStamp stamp;
    if (!readWholeFile(path.c_str(), &text, &stamp)) return ReplaceResult::Failed;
    return replaceFileContent(path.c_str(), text, stamp, content);
}

bool exists(const std::string& path) { return GetFileAttributesW(wide(path).c_str()) != INVALID_FILE_ATTRIBUTES; }

// Our writer's file replacement on Windows: a read-only file and one locked by
// another program stay as they were, a written file keeps its attributes, and
// no temporary file is left behind.
void checkReplacement(const std::string& directory, Tally* tally) {
    auto fail = [tally](const char* what) {
        std::printf("MISMATCH: file replacement: %s\n", what);
        ++tally->mismatches;
    };
    const std::string path = directory + "\\replaced.ini";
    const std::string original = "[Player_Respawn]\r\nrandom_player_respawns=1\r\n";
    const std::string changed = "[Player_Respawn]\r\nrandom_player_respawns=2\r\n";

    writeFile(path, original);
    SetFileAttributesW(wide(path).c_str(), FILE_ATTRIBUTE_READONLY);
    if (replaceAsRead(path, changed) != ReplaceResult::Failed || fileText(path) != original)
        fail("a read-only file was written");
    SetFileAttributesW(wide(path).c_str(), FILE_ATTRIBUTE_NORMAL);

    HANDLE lock = CreateFileW(wide(path).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (replaceAsRead(path, changed) == ReplaceResult::Replaced) fail("a locked file was reported written");
    CloseHandle(lock);
    if (fileText(path) != original) fail("a locked file was changed");

    SetFileAttributesW(wide(path).c_str(), FILE_ATTRIBUTE_HIDDEN);
    if (replaceAsRead(path, changed) != ReplaceResult::Replaced || fileText(path) != changed)
        fail("a plain file was not written");
    DWORD attributes = GetFileAttributesW(wide(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_HIDDEN) == 0)
        fail("the file lost its attributes");
    if (exists(path + temporaryFileSuffix)) fail("a temporary file was left");
    SetFileAttributesW(wide(path).c_str(), FILE_ATTRIBUTE_NORMAL);

    // Another program saved the file after our read: its save stays.
    std::string text;
    FileStamp stamp;
    readWholeFile(path.c_str(), &text, &stamp);
    writeFile(path, original + "first_wait_time=1\r\n");
    if (replaceFileContent(path.c_str(), text, stamp, changed + "x=1\r\n") != ReplaceResult::Changed ||
        fileText(path) != original + "first_wait_time=1\r\n")
        fail("a save made after our read was overwritten");
    DeleteFileW(wide(path).c_str());
}

// The DACL of a file in the system's string form; "" when it cannot be read.
std::string accessListOf(const std::wstring& path) {
    DWORD needed = 0;
    GetFileSecurityW(path.c_str(), DACL_SECURITY_INFORMATION, nullptr, 0, &needed);
    std::vector<char> descriptor(needed);
    LPSTR text = nullptr;
    if (needed == 0 || !GetFileSecurityW(path.c_str(), DACL_SECURITY_INFORMATION, descriptor.data(), needed, &needed) ||
        !ConvertSecurityDescriptorToStringSecurityDescriptorA(descriptor.data(), SDDL_REVISION_1,
                                                              DACL_SECURITY_INFORMATION, &text, nullptr))
        return "";
    std::string list = text;
    LocalFree(text);
    return list;
}

bool setAccessList(const std::wstring& path, const char* sddl) {
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (!ConvertStringSecurityDescriptorToSecurityDescriptorA(sddl, SDDL_REVISION_1, &descriptor, nullptr))
        return false;
    bool set = SetFileSecurityW(path.c_str(), DACL_SECURITY_INFORMATION, descriptor) != 0;
    LocalFree(descriptor);
    return set;
}

std::wstring wideOf(const std::string& utf8) {
    std::wstring wide(utf8.size(), L'\0');
    wide.resize(static_cast<size_t>(MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()),
                                                        &wide[0], static_cast<int>(wide.size()))));
    return wide;
}

// What the player set on his file holds: a DACL that denies us the write
// keeps the file as it was (a failed write), a written file keeps its DACL and
// creation time, and a folder or file name beyond ASCII (a UTF-8 path) is
// written like any other.
void checkProtection(const std::string& directory, Tally* tally) {
    auto fail = [tally](const char* what) {
        std::printf("MISMATCH: protected file: %s\n", what);
        ++tally->mismatches;
    };
    const std::string original = "[Player_Respawn]\r\nrandom_player_respawns=1\r\n";
    const std::string changed = "[Player_Respawn]\r\nrandom_player_respawns=2\r\n";
    // "Pelorin – Grüße" and "Einstellungen ß.ini", in UTF-8.
    const std::string folder = directory + "\\Pelorin \xE2\x80\x93 Gr\xC3\xBC\xC3\x9F" "e";
    const std::string path = folder + "\\Einstellungen \xC3\x9F.ini";
    const std::wstring widePath = wideOf(path);
    if (!CreateDirectoryW(wideOf(folder).c_str(), nullptr)) return fail("cannot make a folder of a UTF-8 name");
    HANDLE file = CreateFileW(widePath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(file, original.data(), static_cast<DWORD>(original.size()), &written, nullptr);
    FILETIME created{};
    GetFileTime(file, &created, nullptr, nullptr);
    CloseHandle(file);

    // Everyone is denied the write (and the append); everything else is allowed.
    if (!setAccessList(widePath, "D:P(D;;0x6;;;WD)(A;;FA;;;WD)")) {
        fail("cannot set a DACL that denies the write");
    } else {
        if (replaceAsRead(path, changed) != ReplaceResult::Failed || fileText(path) != original)
            fail("a file whose DACL denies us the write was written");
    }

    const char* const ownList = "D:P(A;;FA;;;WD)(A;;FR;;;BU)";
    setAccessList(widePath, ownList);
    std::string before = accessListOf(widePath);
    Sleep(20);  // a creation time that a new file would not share
    if (replaceAsRead(path, changed) != ReplaceResult::Replaced || fileText(path) != changed)
        fail("a file of a UTF-8 path was not written");
    if (before.empty() || accessListOf(widePath) != before) fail("the written file lost its DACL");
    file = CreateFileW(widePath.c_str(), FILE_READ_ATTRIBUTES, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    FILETIME createdNow{};
    GetFileTime(file, &createdNow, nullptr, nullptr);
    CloseHandle(file);
    // Wine's files have no creation time of their own (it shows the Unix change
    // time): there the kept time cannot show.
    if (CompareFileTime(&created, &createdNow) != 0) {
        std::printf("documented difference: protected file: the creation time changed (under Wine, which keeps "
                    "none)\n");
        ++tally->documented;
    }
    if (GetFileAttributesW(wideOf(path + temporaryFileSuffix).c_str()) != INVALID_FILE_ATTRIBUTES)
        fail("a temporary file was left");
    DeleteFileW(widePath.c_str());
    RemoveDirectoryW(wideOf(folder).c_str());
}

// The two names are one file (volume and file index), which has this many names. (volume and file index) and has this many names.
bool sameFile(const std::string& a, const std::string& b, DWORD names) {
    BY_HANDLE_FILE_INFORMATION infoA{}, infoB{};
    for (auto [name, info] : {std::pair{&a, &infoA}, std::pair{&b, &infoB}}) {
        HANDLE file = CreateFileW(wide(*name).c_str(), FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE |
                                  FILE_SHARE_DELETE, nullptr, OPEN_EXISTING, 0, nullptr);
        if (file == INVALID_HANDLE_VALUE) return false;
        GetFileInformationByHandle(file, info);
        CloseHandle(file);
    }
    return infoA.dwVolumeSerialNumber == infoB.dwVolumeSerialNumber && infoA.nFileIndexLow == infoB.nFileIndexLow &&
           infoA.nFileIndexHigh == infoB.nFileIndexHigh && infoA.nNumberOfLinks == names;
}

// A settings file deployed as a link (as mod managers do) stays one: a hard
// link is rewritten in place, a symbolic link's target is written.
void checkLinks(const std::string& directory, const std::string& linkedDirectory, Tally* tally) {
    auto fail = [tally](const char* what) {
        std::printf("MISMATCH: linked file: %s\n", what);
        ++tally->mismatches;
    };
    const std::string own = directory + "\\own.ini", deployed = directory + "\\deployed.ini";
    const std::string original = "[Player_Respawn]\r\nrandom_player_respawns=1\r\n";
    const std::string longer = original + "stored_last_used_skin=225514697\r\n";

    writeFile(own, original);
    if (!CreateHardLinkW(wide(deployed).c_str(), wide(own).c_str(), nullptr)) {
        fail("cannot make a hard link");
    } else {
        for (const std::string* content : {&longer, &original}) {
            if (replaceAsRead(deployed, *content) != ReplaceResult::Replaced) fail("a hard-linked file was not written");
            if (fileText(own) != *content) fail("the other name of a hard-linked file does not show the write");
            if (!sameFile(own, deployed, 2)) fail("a hard link was undone");
        }
        if (exists(own + rewriteJournalSuffix) || exists(deployed + rewriteJournalSuffix))
            fail("a journal was left");
        DeleteFileW(wide(deployed).c_str());
    }

    // Wine's CreateSymbolicLink makes nothing (and says it did); there a link
    // that the system made beforehand is given: linked\deployed.ini, a link to
    // linked\own.ini.
    std::string linkedOwn = own, link = deployed;
    if (!linkedDirectory.empty()) {
        linkedOwn = linkedDirectory + "\\own.ini";
        link = linkedDirectory + "\\deployed.ini";
        writeFile(linkedOwn, original);
    } else if (!CreateSymbolicLinkW(wide(deployed).c_str(), wide(own).c_str(), SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE) ||
               !exists(deployed)) {
        fail("cannot make a symbolic link (give a directory with one: see the usage)");
        link.clear();
    }
    if (!link.empty()) {
        if (replaceAsRead(link, longer) != ReplaceResult::Replaced) fail("a symbolic link was not written");
        if (fileText(linkedOwn) != longer) fail("the target of a symbolic link does not show the write");
        if (!linkedDirectory.empty() && fileText(link) != longer) fail("the link does not lead to its target");
        if (exists(linkedOwn + temporaryFileSuffix) || exists(link + temporaryFileSuffix))
            fail("a temporary file was left");
        if (linkedDirectory.empty()) {
            DWORD attributes = GetFileAttributesW(wide(link).c_str());
            if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0)
                fail("a symbolic link was replaced by a plain file");
            DeleteFileW(wide(link).c_str());
        }
    }
    DeleteFileW(wide(own).c_str());
}

// At start: our temporary files go, a rewrite a crash cut short is undone.
void checkRecovery(const std::string& directory, Tally* tally) {
    auto fail = [tally](const char* what) {
        std::printf("MISMATCH: recovery: %s\n", what);
        ++tally->mismatches;
    };
    const std::string path = directory + "\\recovered.ini";
    const std::string oldText = "[Player_Respawn]\r\nrandom_player_respawns=1\r\nfirst_wait_time=5500\r\n";
    const std::string newText = "[Player_Respawn]\r\nrandom_player_respawns=0\r\nfirst_wait_time=6000\r\nx=1\r\n";
    writeFile(path, newText.substr(0, 50) + oldText.substr(50));
    writeFile(path + rewriteJournalSuffix, journalText(oldText, newText));
    writeFile(path + temporaryFileSuffix, newText);
    writeFile(path + ".backup", oldText);
    ReplaceRecovery recovery = recoverInterruptedReplace(path.c_str());
    if (recovery.temporaryFilesRemoved != 1 || exists(path + temporaryFileSuffix)) fail("the temporary file stayed");
    if (!recovery.rewriteUndone || fileText(path) != oldText) fail("the half-rewritten file was not undone");
    if (exists(path + rewriteJournalSuffix)) fail("the journal stayed");
    if (!exists(path + ".backup")) fail("a file of the player's was removed");
    DeleteFileW(wide(path + ".backup").c_str());
    DeleteFileW(wide(path).c_str());
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 2 && argc != 3) {
        std::printf("usage: ini_conformance <corpus directory> [<directory whose deployed.ini is a symbolic link to "
                    "its own.ini>]\n");
        return 2;
    }
    wchar_t full[MAX_PATH];
    if (!GetFullPathNameW(argv[1], MAX_PATH, full, nullptr)) return 2;
    std::string corpus = utf8Of(full);
    std::string linkedDirectory = argc == 3 ? utf8Of(argv[2]) : "";
    wchar_t temporary[MAX_PATH];
    if (!GetTempPathW(MAX_PATH, temporary)) return 2;
    std::string generated = utf8Of(temporary) + "pelorin_conformance_" + std::to_string(GetCurrentProcessId());
    if (!CreateDirectoryW(wide(generated).c_str(), nullptr)) return 2;
    makeGeneratedFiles(generated);
    std::string scratch = generated + "\\written.ini";

    Tally tally;
    std::vector<std::string> names = corpusFiles(corpus);
    if (names.empty()) std::printf("MISMATCH: no .ini files in %s\n", corpus.c_str());
    for (const std::string& name : names) checkFile(name, corpus + "\\" + name, scratch, &tally);
    for (const std::string& name : corpusFiles(generated)) checkFile(name, generated + "\\" + name, scratch, &tally);
    checkReplacement(generated, &tally);
    checkProtection(generated, &tally);
    checkLinks(generated, linkedDirectory, &tally);
    checkRecovery(generated, &tally);
    removeGeneratedFiles(generated);

    std::printf("note: a UTF-8 byte-order mark before the section line (06_bom.ini) is skipped by Wine's reader as by "
                "ours; the Windows reader is known not to skip it. Only our writer writes the file, so what it "
                "writes is what we read.\n");
    std::printf("conformance: %d files, %d keys, %d mismatches, %d documented differences\n", tally.files, tally.keys,
                tally.mismatches, tally.documented);
    return tally.mismatches == 0 && !names.empty() ? 0 : 1;
}
