// Plays the game's half of the photo exchange, pass by pass, as the in-game
// script does: delete the request, sample the photo key, write the request
// when the key is down, pause. Run it in the game's "tidemark\mdb" folder.
//
//   gamesim [--folder DIR] [--keys 0110] [--pause MS] [--wait-reply]
//           [--hold-request] [--read-reply MS]
//
// --keys gives the key's state at each pass (1 = pressed), one pass per
// character. With --wait-reply each request is watched until the program has
// taken it, and the reply is printed. Some games keep their files open:
// --hold-request keeps each request open, without letting anyone delete it,
// until the next pass closes, deletes and writes it again; --read-reply keeps
// the reply open for reading (others may only read it too) for MS
// milliseconds from each request on.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

struct Options {
    std::string folder = ".";
    std::string keys = "1";
    DWORD pause = 1000;
    bool waitReply = false;
    bool holdRequest = false;
    DWORD readReply = 0;
};

bool Parse(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--folder" && hasValue) {
            options.folder = argv[++i];
        } else if (arg == "--keys" && hasValue) {
            options.keys = argv[++i];
        } else if (arg == "--pause" && hasValue) {
            options.pause = static_cast<DWORD>(std::strtoul(argv[++i], nullptr, 10));
        } else if (arg == "--wait-reply") {
            options.waitReply = true;
        } else if (arg == "--hold-request") {
            options.holdRequest = true;
        } else if (arg == "--read-reply" && hasValue) {
            options.readReply = static_cast<DWORD>(std::strtoul(argv[++i], nullptr, 10));
        } else {
            return false;
        }
    }
    return options.keys.find_first_not_of("01") == std::string::npos;
}

bool Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string ReadReply(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return "(no reply file)";
    }
    char buffer[256] = {};
    DWORD read = 0;
    ReadFile(file, buffer, sizeof buffer - 1, &read, nullptr);
    CloseHandle(file);
    std::string reply(buffer, read);
    while (!reply.empty() && (reply.back() == '\n' || reply.back() == '\r')) {
        reply.pop_back();
    }
    return reply;
}

// Writes the request; the handle is handed back when it is to be held open.
HANDLE WriteRequest(const std::string& path, bool hold) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, hold ? FILE_SHARE_READ : 0, nullptr,
                              CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return nullptr;
    }
    DWORD written = 0;
    WriteFile(file, "take 1", 6, &written, nullptr);
    if (hold) {
        return file;
    }
    CloseHandle(file);
    return nullptr;
}

// The reply held open for reading, created empty when it is not there yet.
HANDLE OpenReplyForReading(const std::string& path) {
    HANDLE file =
        CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_ALWAYS, 0, nullptr);
    return file == INVALID_HANDLE_VALUE ? nullptr : file;
}

void CloseHeld(HANDLE& file) {
    if (file) {
        CloseHandle(file);
        file = nullptr;
    }
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (!Parse(argc, argv, options)) {
        std::fprintf(stderr,
                     "usage: gamesim [--folder DIR] [--keys 0110] [--pause MS] [--wait-reply]\n"
                     "               [--hold-request] [--read-reply MS]\n");
        return 2;
    }
    const std::string request = options.folder + "\\takePhoto.db";
    const std::string reply = options.folder + "\\currentPhoto.db";
    int unanswered = 0;
    HANDLE heldRequest = nullptr;

    for (size_t pass = 0; pass < options.keys.size(); ++pass) {
        CloseHeld(heldRequest);
        DeleteFileA(request.c_str());
        const ULONGLONG start = GetTickCount64();
        const bool pressed = options.keys[pass] == '1';
        if (!pressed) {
            std::printf("pass %zu: key up\n", pass + 1);
        } else {
            HANDLE readingReply = options.readReply ? OpenReplyForReading(reply) : nullptr;
            heldRequest = WriteRequest(request, options.holdRequest);
            if (readingReply) {
                Sleep(options.readReply);
                CloseHeld(readingReply);
            }
            if (!options.waitReply) {
                std::printf("pass %zu: key down, photo requested\n", pass + 1);
            } else {
                while (Exists(request) && GetTickCount64() - start < options.pause) {
                    Sleep(2);
                }
                if (Exists(request)) {
                    ++unanswered;
                    std::printf("pass %zu: key down, photo requested, not taken\n", pass + 1);
                } else {
                    std::printf("pass %zu: key down, photo requested, %s after %llu ms\n", pass + 1,
                                ReadReply(reply).c_str(),
                                static_cast<unsigned long long>(GetTickCount64() - start));
                }
            }
        }
        std::fflush(stdout);
        const ULONGLONG spent = GetTickCount64() - start;
        if (spent < options.pause) {
            Sleep(static_cast<DWORD>(options.pause - spent));
        }
    }
    CloseHeld(heldRequest);
    DeleteFileA(request.c_str());
    return unanswered == 0 ? 0 : 1;
}
