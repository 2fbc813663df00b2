// Per-capture storage figures with the real FreeImage: the bitmap file, and
// the JPEG stages (load, rescale, 24-bit conversion, save) of each mode, at
// three screen sizes. Each figure is the median of several runs, in ms.
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "Stats.h"
#include "core/photo/BitmapFile.h"
#include "core/photo/JpegExport.h"

namespace {

// FreeImage with a stopwatch around each call the pipeline makes.
struct StageTimes {
    double load = 0, rescale = 0, convert = 0, save = 0;
};
StageTimes gStages;
const FreeImageApi* gReal = nullptr;

template <typename Call>
auto Timed(double& total, Call call) {
    Stopwatch watch;
    auto result = call();
    total += watch.Milliseconds();
    return result;
}

void* Load(int format, const char* path, int flags) {
    return Timed(gStages.load, [&] { return gReal->Load(format, path, flags); });
}
void* Rescale(void* bitmap, int width, int height, int filter) {
    return Timed(gStages.rescale, [&] { return gReal->Rescale(bitmap, width, height, filter); });
}
void* Convert(void* bitmap) {
    return Timed(gStages.convert, [&] { return gReal->ConvertTo24Bits(bitmap); });
}
int Encode(int format, void* bitmap, void* memory, int flags) {
    return Timed(gStages.save, [&] { return gReal->SaveToMemory(format, bitmap, memory, flags); });
}

DibImage ScreenLikePicture(int width, int height) {
    DibImage image;
    image.width = width;
    image.height = height;
    image.bitsPerPixel = 32;
    image.pixels.resize(static_cast<size_t>(DibImage::Stride(width, 32)) * height);
    // Gradients with some detail, so the JPEG coder has real work to do.
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            uint8_t* pixel = &image.pixels[(static_cast<size_t>(y) * width + x) * 4];
            pixel[0] = static_cast<uint8_t>(x * 255 / width);
            pixel[1] = static_cast<uint8_t>(y * 255 / height);
            pixel[2] = static_cast<uint8_t>((x ^ y) & 0xFF);
        }
    }
    return image;
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::atoi(argv[1]) : 5;
    gReal = &FreeImage();
    FreeImageApi timed = *gReal;
    timed.Load = Load;
    timed.Rescale = Rescale;
    timed.ConvertTo24Bits = Convert;
    timed.SaveToMemory = Encode;

    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "vdrcam-bench";
    std::filesystem::create_directories(folder);
    const std::string bmp = (folder / "_bmp_0.bmp").string();
    const std::string jpg = (folder / "0.jpg").string();

    std::printf("%-10s %-22s %9s %9s %9s %9s %9s %9s\n", "screen", "mode", "bmp", "load", "rescale",
                "24-bit", "encode", "total");
    const std::pair<int, int> sizes[] = {{1280, 720}, {1920, 1080}, {3840, 2160}};
    for (const auto& [width, height] : sizes) {
        const DibImage picture = ScreenLikePicture(width, height);
        std::vector<double> write;
        for (int i = 0; i < runs; ++i) {
            std::filesystem::remove(bmp);  // a photo never replaces another
            Stopwatch watch;
            SaveNewBitmapFile(picture, bmp + ".tmp", bmp);
            write.push_back(watch.Milliseconds());
        }
        const double bmpWrite = Median(write);
        const std::string screen = std::to_string(width) + "x" + std::to_string(height);
        std::printf("%-10s %-22s %9.1f %9s %9s %9s %9s %9.1f\n", screen.c_str(), "BMP only",
                    bmpWrite, "-", "-", "-", "-", bmpWrite);

        const std::pair<const char*, std::optional<JpegSize>> modes[] = {
            {"full-size JPEG", std::nullopt}, {"rescaled JPEG 1204x1204", JpegSize{1204, 1204}}};
        for (const auto& [name, size] : modes) {
            std::vector<double> load, rescale, convert, save, total;
            for (int i = 0; i < runs; ++i) {
                gStages = {};
                Stopwatch watch;
                ExportJpeg(timed, {0, bmp, jpg, jpg + ".tmp", size});
                total.push_back(watch.Milliseconds());
                load.push_back(gStages.load);
                rescale.push_back(gStages.rescale);
                convert.push_back(gStages.convert);
                save.push_back(gStages.save);
            }
            char rescaleText[16] = "-";
            if (size) {
                std::snprintf(rescaleText, sizeof rescaleText, "%.1f", Median(rescale));
            }
            std::printf("%-10s %-22s %9.1f %9.1f %9s %9.1f %9.1f %9.1f\n", screen.c_str(), name,
                        bmpWrite, Median(load), rescaleText, Median(convert), Median(save),
                        bmpWrite + Median(total));
        }
    }
    std::filesystem::remove_all(folder);
    return 0;
}
