#include "export/write_file.h"

#include "app/app_error.h"

#include <cstdio>
#include <memory>

#if defined(_WIN32)
#include <filesystem>
#else
#include <sys/stat.h>
#endif

namespace brindle {
namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

// Only a plain file may be deleted after a failed write: the path can name a
// device such as /dev/full, which must stay.
bool IsRegularFile(std::FILE* file, [[maybe_unused]] const std::string& path) {
#if defined(_WIN32)
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
#else
    struct stat info {};
    return fstat(fileno(file), &info) == 0 && S_ISREG(info.st_mode);
#endif
}

} // namespace

void WriteWholeFile(const std::string& path, std::span<const uint8_t> bytes) {
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "wb"));
    if (!file)
        throw AppError("Cannot create file " + path);
    const bool regular = IsRegularFile(file.get(), path);

    bool complete =
        bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size();
    // A buffered tail or a delayed error (a full disk, a network share) shows
    // only at the flush or the close.
    complete = std::fflush(file.get()) == 0 && complete;
    complete = std::fclose(file.release()) == 0 && complete;
    if (complete)
        return;
    if (regular)
        std::remove(path.c_str());
    throw AppError("Stream write error");
}

} // namespace brindle
