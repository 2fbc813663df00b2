#pragma once

// Why a photo was not stored.
enum class NotStored {
    NoPicture,
    NoFolder,
    NotAFolder,
    TooLong,
    NotFullPath,
    NameEndsInDotOrSpace,
    DiskFull,
    NotWritten
};
