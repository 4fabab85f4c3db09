#include <windows.h>

#include <vector>

#include "platform/file_primitives.h"
#include "platform/files.h"
#include "platform/rewrite_journal.h"

namespace {

constexpr DWORD shareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

// A path in the system's own (UTF-16) form, ending in a NUL: held in place
// when it is of ordinary length, so that the once-a-second read allocates
// nothing. (Not a std::wstring, whose code would grow Pelorin.asi by a sixth.)
class WidePath {
public:
    explicit WidePath(std::string_view path) {
        int length = path.empty() ? 0
                                  : MultiByteToWideChar(CP_UTF8, 0, path.data(), static_cast<int>(path.size()), nullptr, 0);
        wchar_t* into = inPlace_;
        if (static_cast<size_t>(length) >= inPlaceLength) {
            longer_.resize(static_cast<size_t>(length) + 1);
            into = longer_.data();
        }
        if (length > 0) MultiByteToWideChar(CP_UTF8, 0, path.data(), static_cast<int>(path.size()), into, length);
        into[length] = L'\0';
        text_ = into;
    }
    WidePath(const WidePath&) = delete;
    WidePath& operator=(const WidePath&) = delete;
    const wchar_t* c_str() const { return text_; }

private:
    static constexpr size_t inPlaceLength = MAX_PATH + 1;
    wchar_t inPlace_[inPlaceLength];
    std::vector<wchar_t> longer_;
    const wchar_t* text_ = inPlace_;
};

std::string utf8Of(const wchar_t* wide, int length) {
    int size = length <= 0 ? 0 : WideCharToMultiByte(CP_UTF8, 0, wide, length, nullptr, 0, nullptr, nullptr);
    std::string path(static_cast<size_t>(size), '\0');
    if (size > 0) WideCharToMultiByte(CP_UTF8, 0, wide, length, &path[0], size, nullptr, nullptr);
    return path;
}

HANDLE handleOf(OsFile file) { return reinterpret_cast<HANDLE>(file); }
OsFile osFileOf(HANDLE handle) { return reinterpret_cast<OsFile>(handle); }

HANDLE openShared(const char* path, DWORD access) {
    return CreateFileW(WidePath(path).c_str(), access, shareAll, nullptr, OPEN_EXISTING, 0, nullptr);
}

// The security descriptor's DACL (who may do what) of an open file.
bool accessListOf(HANDLE file, std::vector<char>* descriptor) {
    DWORD needed = 0;
    GetKernelObjectSecurity(file, DACL_SECURITY_INFORMATION, nullptr, 0, &needed);
    descriptor->resize(needed);
    return needed != 0 && GetKernelObjectSecurity(file, DACL_SECURITY_INFORMATION, descriptor->data(), needed, &needed);
}

}  // namespace

OsFile openForReading(const char* path) { return osFileOf(openShared(path, GENERIC_READ)); }

OsFile openForRewriting(const std::string& path) {
    return osFileOf(CreateFileW(WidePath(path).c_str(), GENERIC_READ | GENERIC_WRITE,
                                FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                                nullptr));
}

OsFile createJournal(const std::string& path) {
    return osFileOf(CreateFileW(WidePath(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL | FILE_FLAG_WRITE_THROUGH, nullptr));
}

// The replacement takes what ReplaceFile carries over: the attributes, the
// creation time and the DACL. (ReplaceFile itself is not used: some of its
// failures leave the settings file under another name.) A target we may not
// delete (and so not rename over) gets no replacement.
OsFile createReplacement(const std::string& target, std::string* temporaryPath) {
    HANDLE original = openShared(target.c_str(), READ_CONTROL | FILE_READ_ATTRIBUTES | DELETE);
    if (original == INVALID_HANDLE_VALUE) return noFile;
    FILE_BASIC_INFO info;  // not GetFileInformationByHandle, which also asks the volume (see fileNumberOf)
    std::vector<char> descriptor;
    bool known = GetFileInformationByHandleEx(original, FileBasicInfo, &info, sizeof info) &&
                 accessListOf(original, &descriptor);
    CloseHandle(original);
    if (!known) return noFile;
    *temporaryPath = target + temporaryFileSuffix;
    WidePath temporary(*temporaryPath);
    DeleteFileW(temporary.c_str());  // left by a crash, perhaps with other attributes
    DWORD kept = info.FileAttributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE |
                                          FILE_ATTRIBUTE_NOT_CONTENT_INDEXED);
    // Write-through: Windows then performs the rename over the target as one step.
    HANDLE file = CreateFileW(temporary.c_str(), GENERIC_WRITE | WRITE_DAC, 0, nullptr, CREATE_ALWAYS,
                              (kept ? kept : FILE_ATTRIBUTE_NORMAL) | FILE_FLAG_WRITE_THROUGH, nullptr);
    if (file == INVALID_HANDLE_VALUE) return noFile;
    FILETIME created{static_cast<DWORD>(info.CreationTime.LowPart), static_cast<DWORD>(info.CreationTime.HighPart)};
    if (!SetFileTime(file, &created, nullptr, nullptr) ||
        !SetKernelObjectSecurity(file, DACL_SECURITY_INFORMATION, descriptor.data())) {
        CloseHandle(file);
        DeleteFileW(temporary.c_str());
        return noFile;
    }
    return osFileOf(file);
}

bool closeFile(OsFile file) { return CloseHandle(handleOf(file)) != 0; }

// The file's number on its volume, as the system's own file-information query
// gives it (FileInternalInformation): GetFileInformationByHandle and FileIdInfo
// also ask the volume's serial number, which costs a millisecond under Wine
// (and Proton), where the query costs microseconds.
bool fileNumberOf(HANDLE file, uint64_t* number) {
    struct Status {
        LONG status;
        ULONG_PTR information;
    };
    using Query = LONG(WINAPI*)(HANDLE, Status*, void*, ULONG, int);
    constexpr int fileInternalInformation = 6;
    static const Query query = reinterpret_cast<Query>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQueryInformationFile")));
    Status status;
    LARGE_INTEGER index;
    if (query != nullptr && query(file, &status, &index, sizeof index, fileInternalInformation) >= 0) {
        *number = static_cast<uint64_t>(index.QuadPart);
        return true;
    }
    BY_HANDLE_FILE_INFORMATION info;
    if (!GetFileInformationByHandle(file, &info)) return false;
    *number = (static_cast<uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow;
    return true;
}

bool stampOfOpenFile(OsFile file, FileStamp* stamp) {
    FILE_STANDARD_INFO standard;
    FILE_BASIC_INFO basic;
    uint64_t number;
    HANDLE handle = handleOf(file);
    if (!GetFileInformationByHandleEx(handle, FileStandardInfo, &standard, sizeof standard) || standard.Directory ||
        !GetFileInformationByHandleEx(handle, FileBasicInfo, &basic, sizeof basic) || !fileNumberOf(handle, &number))
        return false;
    // The volume is left out (0): a settings file replaced by one of another
    // volume with the same number, size and write time is not a case to pay
    // that millisecond for.
    *stamp = FileStamp{0, number, static_cast<uint64_t>(standard.EndOfFile.QuadPart),
                       static_cast<uint64_t>(basic.LastWriteTime.QuadPart), standard.NumberOfLinks};
    return true;
}

bool stampOfPath(const std::string& path, FileStamp* stamp) {
    HANDLE file = openShared(path.c_str(), FILE_READ_ATTRIBUTES);
    if (file == INVALID_HANDLE_VALUE) return false;
    bool known = stampOfOpenFile(osFileOf(file), stamp);
    CloseHandle(file);
    return known;
}

bool seekToStart(OsFile file) { return seekTo(file, 0); }

bool seekTo(OsFile file, uint64_t offset) {
    LARGE_INTEGER at{};
    at.QuadPart = static_cast<LONGLONG>(offset);
    return SetFilePointerEx(handleOf(file), at, nullptr, FILE_BEGIN) != 0;
}

long long readSome(OsFile file, char* buffer, size_t size) {
    DWORD wanted = static_cast<DWORD>(size > 0x40000000 ? 0x40000000 : size);
    DWORD got = 0;
    return ReadFile(handleOf(file), buffer, wanted, &got, nullptr) ? static_cast<long long>(got) : -1;
}

bool writeAll(OsFile file, std::string_view content) {
    size_t done = 0;
    while (done < content.size()) {
        DWORD chunk = static_cast<DWORD>(content.size() - done > 0x40000000 ? 0x40000000 : content.size() - done);
        DWORD written = 0;
        if (!WriteFile(handleOf(file), content.data() + done, chunk, &written, nullptr) || written == 0) return false;
        done += written;
    }
    return true;
}

bool endHere(OsFile file) { return SetEndOfFile(handleOf(file)) != 0; }

bool flushToDisk(OsFile file) { return FlushFileBuffers(handleOf(file)) != 0; }

bool reserveRoom(OsFile, size_t) { return true; }

// As the system names the file itself ("\\?\C:\..."): behind every symbolic
// link and junction of the path.
bool finalPath(const char* path, std::string* target) {
    HANDLE file = CreateFileW(WidePath(path).c_str(), FILE_READ_ATTRIBUTES, shareAll, nullptr, OPEN_EXISTING,
                              FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    // The first call tells the room needed (with the NUL), the second fills it
    // and tells the length (without).
    DWORD room = GetFinalPathNameByHandleW(file, nullptr, 0, FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
    std::vector<wchar_t> name(room + 1);
    DWORD length =
        room == 0 ? 0 : GetFinalPathNameByHandleW(file, name.data(), room, FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
    CloseHandle(file);
    if (length == 0 || length >= room) return false;
    *target = utf8Of(name.data(), static_cast<int>(length));
    return !target->empty();
}

// The read-only attribute, then an open for writing, which the system refuses
// for an ACE that denies us the write and for a file another program locked.
// The open writes nothing and leaves the write time as it was.
bool mayWrite(const std::string& path) {
    DWORD attributes = GetFileAttributesW(WidePath(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)))
        return false;
    HANDLE file = openShared(path.c_str(), FILE_WRITE_DATA | FILE_APPEND_DATA);
    if (file == INVALID_HANDLE_VALUE) return false;
    CloseHandle(file);
    return true;
}

// A file that another program holds open without sharing its deletion makes
// the rename fail, and stays as it was.
bool renameOver(const std::string& from, const std::string& to) {
    return MoveFileExW(WidePath(from).c_str(), WidePath(to).c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) !=
           0;
}

bool removeFile(const std::string& path) { return DeleteFileW(WidePath(path).c_str()) != 0; }

bool pathExists(const std::string& path) { return GetFileAttributesW(WidePath(path).c_str()) != INVALID_FILE_ATTRIBUTES; }

std::vector<std::string> filesStartingWith(const std::string& prefix) {
    std::vector<std::string> found;
    size_t nameStart = prefix.find_last_of("\\/");
    nameStart = nameStart == std::string::npos ? 0 : nameStart + 1;
    WidePath namePrefix(std::string_view(prefix).substr(nameStart));
    size_t nameLength = wcslen(namePrefix.c_str());
    WIN32_FIND_DATAW entry;
    HANDLE search = FindFirstFileW(WidePath(prefix + "*").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE) return found;
    do {
        // The pattern also matches short (8.3) names: the long name must start so.
        if (wcsncmp(entry.cFileName, namePrefix.c_str(), nameLength) == 0)
            found.push_back(prefix.substr(0, nameStart) + utf8Of(entry.cFileName, static_cast<int>(wcslen(entry.cFileName))));
    } while (FindNextFileW(search, &entry));
    FindClose(search);
    return found;
}

void flushFolderOf(const std::string&) {}

bool fileExists(const char* path) {
    DWORD attributes = GetFileAttributesW(WidePath(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool appendToFile(const char* path, std::string_view content) {
    HANDLE file = CreateFileW(WidePath(path).c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    bool written = writeAll(osFileOf(file), content);
    return CloseHandle(file) != 0 && written;
}

bool renameFile(const char* from, const char* to) {
    return MoveFileExW(WidePath(from).c_str(), WidePath(to).c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
}

bool fileSize(const char* path, uint64_t* size) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(WidePath(path).c_str(), GetFileExInfoStandard, &data)) return false;
    *size = (static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    return true;
}
