// jaggo platform: the folder and files of the pictures, through POSIX or Windows' wide-character API.
#include "platform/files.h"

#include <cerrno>
#include <cstring>

#if defined(_WIN32)
#include <sys/stat.h>
#include <wchar.h>
#include <windows.h>

// The C runtime's (msvcrt's) wide-character argument vector: the command line split by the same
// rules as main's argv, which holds its reading in the ANSI code page. mingw-w64's start-up code
// calls it for a wmain.
struct CrtStartupInfo {
    int newmode;
};
extern "C" int __cdecl __wgetmainargs(int* argc, wchar_t*** argv, wchar_t*** environment, int expand_wildcards,
                                      CrtStartupInfo* info);
#else
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>
#endif

namespace jaggo {

namespace {

void say_errno(int error, char* why_not, std::size_t size) {
    std::snprintf(why_not, size, "%s", std::strerror(error));
}

#if defined(_WIN32)

std::wstring wide(const std::string& text) {
    const int n = MultiByteToWideChar(CP_UTF8, 0, text.c_str(), -1, nullptr, 0);
    if (n <= 0) return std::wstring();
    std::wstring out(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.c_str(), -1, &out[0], n);
    out.resize(static_cast<std::size_t>(n - 1));
    return out;
}

std::string utf8(const wchar_t* text) {
    const int n = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (n <= 0) return std::string();
    std::string out(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, &out[0], n, nullptr, nullptr);
    out.resize(static_cast<std::size_t>(n - 1));
    return out;
}

void say_last_error(DWORD error, char* why_not, std::size_t size) {
    char text[300];
    DWORD n = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0, text,
                             sizeof text, nullptr);
    while (n > 0 && (text[n - 1] == '\r' || text[n - 1] == '\n' || text[n - 1] == ' ' || text[n - 1] == '.')) {
        --n;
    }
    text[n] = '\0';
    if (n == 0) {
        std::snprintf(why_not, size, "Windows error %lu", static_cast<unsigned long>(error));
    } else {
        std::snprintf(why_not, size, "%s", text);
    }
}

#endif

}  // namespace

std::string file_argument(int argc, char** argv, const char* arg) {
#if defined(_WIN32)
    int count = 0;
    wchar_t** args = nullptr;
    wchar_t** environment = nullptr;
    CrtStartupInfo info{0};
    if (__wgetmainargs(&count, &args, &environment, 0, &info) < 0) args = nullptr;
    std::string text;
    for (int i = 0; args != nullptr && count == argc && i < argc; ++i) {
        const std::size_t length = std::strlen(argv[i]);
        if (arg < argv[i] || arg > argv[i] + length) continue;
        // Only the option's letters, ASCII, come before the argument: the offset holds in both.
        const std::size_t offset = static_cast<std::size_t>(arg - argv[i]);
        if (offset <= wcslen(args[i])) text = utf8(args[i] + offset);
        break;
    }
    return text.empty() ? std::string(arg) : text;
#else
    (void)argc;
    (void)argv;
    return arg;
#endif
}

std::string path_in_folder(const std::string& folder, const char* name) {
#if defined(_WIN32)
    const bool ends_with_separator = !folder.empty() && (folder.back() == '/' || folder.back() == '\\');
#else
    const bool ends_with_separator = !folder.empty() && folder.back() == '/';
#endif
    return ends_with_separator ? folder + name : folder + "/" + name;
}

bool make_folder(const std::string& path, char* why_not, std::size_t size) {
#if defined(_WIN32)
    const std::wstring name = wide(path);
    if (_wmkdir(name.c_str()) == 0) return true;
    const int error = errno;
    struct _stat64 found;
    if (error == EEXIST && _wstat64(name.c_str(), &found) == 0) {
        if ((found.st_mode & _S_IFDIR) != 0) return true;
        say_errno(ENOTDIR, why_not, size);
        return false;
    }
#else
    if (mkdir(path.c_str(), 0777) == 0) return true;
    const int error = errno;
    struct stat found;
    if (error == EEXIST && stat(path.c_str(), &found) == 0) {
        if (S_ISDIR(found.st_mode)) return true;
        say_errno(ENOTDIR, why_not, size);
        return false;
    }
#endif
    say_errno(error, why_not, size);
    return false;
}

std::FILE* open_for_writing(const std::string& path, char* why_not, std::size_t size) {
#if defined(_WIN32)
    std::FILE* file = _wfopen(wide(path).c_str(), L"wb");
#else
    std::FILE* file = std::fopen(path.c_str(), "wb");
#endif
    if (file == nullptr) say_errno(errno, why_not, size);
    return file;
}

bool close_written(std::FILE* file, char* why_not, std::size_t size) {
    if (std::fclose(file) == 0) return true;
    say_errno(errno, why_not, size);
    return false;
}

bool replace_file(const std::string& from, const std::string& to, char* why_not, std::size_t size) {
#if defined(_WIN32)
    if (MoveFileExW(wide(from).c_str(), wide(to).c_str(), MOVEFILE_REPLACE_EXISTING) != 0) return true;
    say_last_error(GetLastError(), why_not, size);
#else
    if (std::rename(from.c_str(), to.c_str()) == 0) return true;
    say_errno(errno, why_not, size);
#endif
    return false;
}

void remove_file(const std::string& path) {
#if defined(_WIN32)
    _wremove(wide(path).c_str());
#else
    std::remove(path.c_str());
#endif
}

std::string temporary_beside(const std::string& path) {
#if defined(_WIN32)
    const unsigned long process = GetCurrentProcessId();
#else
    const unsigned long process = static_cast<unsigned long>(getpid());
#endif
    return path + "." + std::to_string(process) + ".tmp";
}

}  // namespace jaggo
