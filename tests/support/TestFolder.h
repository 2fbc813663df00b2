#pragma once

#include <string>

// A fresh folder below the temporary folder for one test, removed afterwards.
class TestFolder {
public:
    explicit TestFolder(const std::string& name = "vdrcam-test");
    ~TestFolder();
    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;

    const std::string& Path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + "\\" + name; }

private:
    std::string path_;
};

void WriteTestFile(const std::string& path, const std::string& bytes);
std::string ReadTestFile(const std::string& path);
// Names of the files in a folder, sorted.
std::string ListFolder(const std::string& folder);

// The game installed in the folder, as its installer leaves it: the folder
// "tidemark\mdb" for the exchange, and the game's key naming the folder.
void InstallGame(const TestFolder& game);
