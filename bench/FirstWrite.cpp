// What this machine charges when the system first reads a buffer a program
// writes to a file, beside writing the same buffer again: the floor under a
// camera's first photo of a run, whatever the camera. The buffers are
// written over one file whose pages are already made, so that only the
// reading of the buffer differs.
//   first_write FOLDER BYTES
// Prints one line; the file it uses is deleted again.
#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

double WriteOver(int file, const std::vector<char>& data) {
    const auto begun = std::chrono::steady_clock::now();
    size_t written = 0;
    while (written < data.size()) {
        const ssize_t done =
            pwrite(file, data.data() + written, data.size() - written, static_cast<off_t>(written));
        if (done <= 0) {
            std::perror("first_write");
            std::exit(1);
        }
        written += static_cast<size_t>(done);
    }
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - begun;
    return took.count();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: first_write FOLDER BYTES\n");
        return 2;
    }
    const std::string path = std::string(argv[1]) + "/first-write.tmp";
    const size_t bytes = std::strtoull(argv[2], nullptr, 10);
    const int file = open(path.c_str(), O_RDWR | O_CREAT | O_TRUNC, 0644);
    if (file < 0) {
        std::perror(path.c_str());
        return 1;
    }
    // Every buffer filled, and the file's pages made, before anything is timed.
    const std::vector<char> making(bytes, 6);
    const std::vector<char> first(bytes, 7);
    const std::vector<char> second(bytes, 8);
    WriteOver(file, making);
    const double fresh = WriteOver(file, first);
    const double again = WriteOver(file, first);
    const double otherFresh = WriteOver(file, second);
    close(file);
    unlink(path.c_str());
    std::printf(
        "this machine, %.1f MB written over a file: from a buffer the system reads for "
        "the first time %.1f ms, the same buffer again %.1f ms, another new buffer "
        "%.1f ms\n",
        bytes / 1e6, fresh, again, otherFresh);
    return 0;
}
