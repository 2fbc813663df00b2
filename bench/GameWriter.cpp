// The game's side of the exchange, written by another process than the
// camera's: a Linux program making the request in the prefix's files, as a
// game under Wine is to the camera, or a Windows program in the same
// prefix. Each press makes the request and waits until the reply names a
// new photo and the request is gone, woken by the system's notifications so
// that the waiting costs the camera nothing.
//   game_writer MDB_FOLDER PRESSES
// Prints one line per press: the milliseconds from the request's making to
// the new reply, or "lost" after 10 s; after two presses lost in a row it
// stops, as a camera that answers nothing would only be waited for.
#ifdef _WIN32
#include <windows.h>
#else
#include <poll.h>
#include <sys/inotify.h>
#include <unistd.h>
#endif

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

std::string Read(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

bool Exists(const std::string& path) { return static_cast<bool>(std::ifstream(path)); }

// Wakes whoever waits when a name in the folder changes or a file is written.
class FolderChanges {
public:
#ifdef _WIN32
    explicit FolderChanges(const std::string& folder)
        : changes_(FindFirstChangeNotificationA(
              folder.c_str(), FALSE,
              FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_LAST_WRITE)) {}
    void Wait() {
        WaitForSingleObject(changes_, 5);
        FindNextChangeNotification(changes_);
    }

private:
    HANDLE changes_;
#else
    explicit FolderChanges(const std::string& folder) : watch_(inotify_init()) {
        inotify_add_watch(watch_, folder.c_str(), IN_CLOSE_WRITE | IN_DELETE | IN_MOVED_FROM);
    }
    void Wait() {
        pollfd ready{watch_, POLLIN, 0};
        if (poll(&ready, 1, 20) > 0) {
            char events[4096];
            (void)read(watch_, events, sizeof events);
        }
    }

private:
    int watch_;
#endif
};

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        return 2;
    }
#ifdef _WIN32
    const char separator = '\\';
#else
    const char separator = '/';
#endif
    const std::string mdb = argv[1];
    const int presses = std::atoi(argv[2]);
    const std::string request = mdb + separator + "takePhoto.db";
    const std::string reply = mdb + separator + "currentPhoto.db";
    FolderChanges changes(mdb);
    // Requests come at random moments, as a player presses.
    std::mt19937 random(20261210);
    std::uniform_int_distribution<int> pause(50, 250);
    int lostInARow = 0;
    for (int press = 0; press < presses && lostInARow < 2; ++press) {
        std::this_thread::sleep_for(std::chrono::milliseconds(pause(random)));
        const std::string before = Read(reply);
        const Clock::time_point made = Clock::now();
        std::ofstream(request, std::ios::binary) << "take 1";
        bool answered = false;
        while (Clock::now() - made < std::chrono::seconds(10)) {
            if (!answered && Read(reply) != before) {
                answered = true;
                std::printf("%.2f\n",
                            std::chrono::duration<double, std::milli>(Clock::now() - made).count());
            }
            // The next press is a new request, once this one is gone.
            if (answered && !Exists(request)) {
                break;
            }
            changes.Wait();
        }
        if (!answered) {
            std::printf("lost\n");
        }
        lostInARow = answered ? 0 : lostInARow + 1;
        std::fflush(stdout);
    }
    return 0;
}
