// The image pipeline many times over, for a leak checker: full-size and
// rescaled JPEGs from captures of a small screen, through the same steps a
// real capture takes.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>

#include "core/exchange/SystemWorld.h"
#include "core/photo/StorePhoto.h"

int main(int argc, char** argv) {
    const int captures = argc > 1 ? std::atoi(argv[1]) : 2000;
    const std::filesystem::path root =
        std::filesystem::temp_directory_path() / "vdrcam-soak-pipeline";
    std::filesystem::remove_all(root);
    std::filesystem::create_directories(root / "game" / "tidemark" / "mdb");
    std::filesystem::create_directories(root / "shots");
    CaptureSettings settings;
    settings.gameFolder = (root / "game").string();
    settings.shotFolder = (root / "shots").string();
    settings.shotWidth = "80";
    settings.shotHeight = "60";
    Variant photoNumber = 0;

    DibImage picture;
    picture.width = 160;
    picture.height = 120;
    picture.bitsPerPixel = 32;
    picture.pixels.assign(static_cast<size_t>(DibImage::Stride(160, 32)) * 120, 0x5A);

    SystemWorld world;
    ReplyFile reply{world};
    JpegQueue jpegs;
    TakenNumbers numbers{kCurrentPhotos};
    for (int i = 0; i < captures; ++i) {
        // Alternate full-size and rescaled JPEGs.
        settings.resizeShots = i % 2;
        settings.saveAsJpeg = 1;
        CapturePhoto(
            settings, photoNumber, [&] { return std::optional<DibImage>(picture); }, reply, jpegs,
            numbers);
        if (i % 100 == 99) {
            jpegs.Finish();
            std::filesystem::remove_all(root / "shots");
            std::filesystem::create_directories(root / "shots");
        }
    }
    const bool replied =
        std::filesystem::exists(root / "game" / "tidemark" / "mdb" / "currentPhoto.db");
    std::filesystem::remove_all(root);
    std::printf("%d captures through the image pipeline, last number %s\n", captures,
                photoNumber.Text().c_str());
    return replied ? 0 : 1;
}
