#include "TestFolder.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>
#include <vector>

#include "core/files/NativePath.h"

namespace {

// Unique to this run: a fresh Wine server hands out the same process ids
// again, and a run that failed may have left its folders behind.
const std::string& RunToken() {
    static const std::string token = [] {
        std::random_device random;
        const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
        return std::to_string(random()) + "-" + std::to_string(now % 1000000007);
    }();
    return token;
}

}  // namespace

TestFolder::TestFolder(const std::string& name) {
    static std::atomic<int> counter{0};
    native_ = std::filesystem::temp_directory_path() /
              (name + "-" + RunToken() + "-" + std::to_string(counter++));
    path_ = native_.string();
    std::replace(path_.begin(), path_.end(), '/', '\\');
#ifndef _WIN32
    path_ = "C:" + path_;  // the host's root as the programs name it
#endif
    std::error_code error;
    std::filesystem::remove_all(native_, error);
    if (!std::filesystem::create_directory(native_, error)) {
        throw std::runtime_error("cannot make " + path_);
    }
}

TestFolder::~TestFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(native_, ignored);
}

void WriteTestFile(const std::string& path, const std::string& bytes) {
    std::ofstream file(NativePath(path), std::ios::binary | std::ios::trunc);
    file << bytes;
    if (!file) {
        throw std::runtime_error("cannot write " + path);
    }
}

std::string ReadTestFile(const std::string& path) {
    std::ifstream file(NativePath(path), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

std::string MakeFolderOfLength(const std::string& below, size_t length) {
    std::string folder = below;
    while (folder.size() < length) {
        folder += "\\" + std::string(std::min<size_t>(40, length - folder.size() - 1), 'd');
        std::error_code error;
        std::filesystem::create_directory(NativePath(folder), error);
    }
    return folder;
}

std::string ListFolder(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(NativePath(folder), error)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    std::string list;
    for (const auto& name : names) {
        list += (list.empty() ? "" : " ") + name;
    }
    return list;
}
