#pragma once

#include <filesystem>
#include <string>

// A fresh folder below the temporary folder for one test, removed afterwards.
// Path() is in the programs' form (backslashes), Native() in the host's; the
// file helpers below take the programs' form.
class TestFolder {
public:
    explicit TestFolder(const std::string& name = "vdrcam-test");
    ~TestFolder();
    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;

    const std::string& Path() const { return path_; }
    const std::filesystem::path& Native() const { return native_; }
    std::string operator/(const std::string& name) const { return path_ + "\\" + name; }

private:
    std::filesystem::path native_;
    std::string path_;
};

void WriteTestFile(const std::string& path, const std::string& bytes);
std::string ReadTestFile(const std::string& path);
// Makes folders below the given one until the path is exactly that long.
std::string MakeFolderOfLength(const std::string& below, size_t length);
// Names of the files in a folder, sorted.
std::string ListFolder(const std::string& folder);
