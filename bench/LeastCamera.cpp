// The least camera: what any camera of the game's requests must do, and
// nothing more. It waits on a change notification of the game's
// "tidemark\mdb", and for each request copies the screen with BitBlt into a
// DIB section made once, writes it as a new _bmp_N.bmp in one go, writes the
// reply and deletes the request. The benchmark measures it beside vdrcam.exe,
// in the same conditions, as the floor.
//   least_camera MDB_FOLDER SHOT_FOLDER FIRST_NUMBER
#include <windows.h>

#include <cstdlib>
#include <string>

#include "BareCopy.h"

int main(int argc, char** argv) {
    if (argc < 4) {
        return 2;
    }
    const std::string mdb = argv[1];
    const std::string shots = argv[2];
    long number = std::atol(argv[3]);
    const std::string request = mdb + "\\takePhoto.db";
    const std::string reply = mdb + "\\currentPhoto.db";
    HANDLE changes = FindFirstChangeNotificationA(mdb.c_str(), FALSE, FILE_NOTIFY_CHANGE_FILE_NAME);
    for (;;) {
        WaitForSingleObject(changes, 100);
        FindNextChangeNotification(changes);
        if (GetFileAttributesA(request.c_str()) == INVALID_FILE_ATTRIBUTES) {
            continue;
        }
        BareCopyAndWrite(shots + "\\_bmp_" + std::to_string(number) + ".bmp");
        const std::string line = "currentPhoto=" + std::to_string(number++) + "\r\n";
        HANDLE answer =
            CreateFileA(reply.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                        CREATE_ALWAYS, 0, nullptr);
        DWORD written = 0;
        WriteFile(answer, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
        CloseHandle(answer);
        DeleteFileA(request.c_str());
    }
}
