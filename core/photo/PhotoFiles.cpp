#include "core/photo/PhotoFiles.h"

#include <algorithm>
#include <cctype>

#include "core/files/init.h"

namespace {

bool Taken(const PhotoNaming& naming, const std::string& folder, int32_t number) {
    return FileExists(naming.bitmap(folder, number)) ||
           (naming.companion && FileExists(naming.companion(folder, number)));
}

}  // namespace

bool IsNumberedName(std::string_view name, std::string_view prefix, std::string_view suffix) {
    if (name.size() < prefix.size() + suffix.size() || !name.starts_with(prefix) ||
        !name.ends_with(suffix)) {
        return false;
    }
    const std::string_view digits =
        name.substr(prefix.size(), name.size() - prefix.size() - suffix.size());
    return !digits.empty() && digits.size() <= 10 &&
           digits.find_first_not_of("0123456789") == std::string_view::npos;
}

std::optional<int32_t> NumberNamed(std::string_view name, std::string_view prefix,
                                   std::string_view suffix) {
    const auto sameLetters = [](std::string_view one, std::string_view other) {
        return std::equal(one.begin(), one.end(), other.begin(), other.end(), [](char a, char b) {
            return std::tolower(static_cast<unsigned char>(a)) ==
                   std::tolower(static_cast<unsigned char>(b));
        });
    };
    if (name.size() <= prefix.size() + suffix.size() ||
        !sameLetters(name.substr(0, prefix.size()), prefix) ||
        !sameLetters(name.substr(name.size() - suffix.size()), suffix)) {
        return std::nullopt;
    }
    const std::string_view digits =
        name.substr(prefix.size(), name.size() - prefix.size() - suffix.size());
    int64_t number = 0;
    for (const char digit : digits) {
        if (digit < '0' || digit > '9' || number > INT32_MAX) {
            return std::nullopt;
        }
        number = number * 10 + (digit - '0');
    }
    // As the programs write it: no leading zero, nothing past the largest number.
    if ((digits.size() > 1 && digits[0] == '0') || number > INT32_MAX) {
        return std::nullopt;
    }
    return static_cast<int32_t>(number);
}

void RemoveLeftScratchFiles(const PhotoNaming& naming, const std::string& folder,
                            const std::vector<std::string>& names) {
    for (const std::string& name : names) {
        if (naming.isScratch(name)) {
            RemoveFile(folder + "\\" + name);
        }
    }
}

size_t LongestShotFolder(const PhotoNaming& naming) {
    return kLongestPath - naming.bitmap("", naming.lastNumber).size();
}

std::optional<int32_t> FirstNumberNotTaken(const PhotoNaming& naming, int32_t from,
                                           const std::function<bool(int32_t)>& taken) {
    for (int32_t number = from; number <= naming.lastNumber; ++number) {
        if (!taken(number)) {
            return number;
        }
        if (number == naming.lastNumber) {
            break;  // the next would overflow the largest last number
        }
    }
    return std::nullopt;
}

std::optional<int32_t> FirstFreeNumber(const PhotoNaming& naming, const std::string& folder,
                                       int32_t from) {
    return FirstNumberNotTaken(naming, from,
                               [&](int32_t number) { return Taken(naming, folder, number); });
}
