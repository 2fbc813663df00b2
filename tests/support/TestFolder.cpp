#include "TestFolder.h"

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <vector>

#include "RegistryValues.h"
#include "core/settings/SettingsTable.h"

namespace {

// A fresh Wine server hands out the same process ids again, so a run that
// failed must not leave folders behind under the names the next run takes.
const std::string& RunToken() {
    static const std::string token = [] {
        LARGE_INTEGER now{};
        QueryPerformanceCounter(&now);
        return std::to_string(GetCurrentProcessId()) + "-" +
               std::to_string(now.QuadPart % 1000000007);
    }();
    return token;
}

}  // namespace

TestFolder::TestFolder(const std::string& name) {
    static std::atomic<int> counter{0};
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    path_ = std::string(temp) + name + "-" + RunToken() + "-" + std::to_string(counter++);
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
    if (!CreateDirectoryA(path_.c_str(), nullptr)) {
        throw std::runtime_error("cannot make " + path_);
    }
}

TestFolder::~TestFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

void WriteTestFile(const std::string& path, const std::string& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << bytes;
    if (!file) {
        throw std::runtime_error("cannot write " + path);
    }
}

std::string ReadTestFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

std::string ListFolder(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    std::string list;
    for (const auto& name : names) {
        list += (list.empty() ? "" : " ") + name;
    }
    return list;
}

void InstallGame(const TestFolder& game) {
    CreateDirectoryA((game / "tidemark").c_str(), nullptr);
    CreateDirectoryA((game / "tidemark\\mdb").c_str(), nullptr);
    registry::SetText(HKEY_LOCAL_MACHINE, kGameKey, kGameFolderValue, game.Path());
}
