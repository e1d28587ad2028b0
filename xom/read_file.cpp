#include "xom/read_file.h"

#include "app/app_error.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>

#if !defined(_WIN32)
#include <sys/stat.h>
#endif

namespace brindle {
namespace {

constexpr int64_t kSizeLimit = int64_t{1} << 31; // sizes are signed 32-bit

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

[[noreturn]] void Fail(const char* what, const std::string& path, const std::string& reason) {
    throw AppError(std::string(what) + " file \"" + path + "\". " + reason);
}

int64_t SizeOf(std::FILE* file) {
#if defined(_WIN32)
    if (_fseeki64(file, 0, SEEK_END) != 0)
        return -1;
    int64_t size = _ftelli64(file);
    return _fseeki64(file, 0, SEEK_SET) == 0 ? size : -1;
#else
    if (fseeko(file, 0, SEEK_END) != 0)
        return -1;
    int64_t size = ftello(file);
    return fseeko(file, 0, SEEK_SET) == 0 ? size : -1;
#endif
}

} // namespace

ByteBlock ReadWholeFile(const std::string& path) {
    errno = 0;
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file)
        Fail("Cannot open", path, std::strerror(errno));
#if !defined(_WIN32)
    // A folder opens for reading here; say what it is rather than a size.
    struct stat info {};
    if (fstat(fileno(file.get()), &info) == 0 && S_ISDIR(info.st_mode))
        Fail("Cannot open", path, std::strerror(EISDIR));
#endif
    int64_t size = SizeOf(file.get());
    if (size < 0)
        Fail("Cannot read", path, std::strerror(errno));
    if (size >= kSizeLimit)
        Fail("Cannot open", path, "The file is 2 GiB or larger");

    ByteBlock block = ByteBlock::Uninitialized(static_cast<size_t>(size) + 1);
    size_t got = std::fread(block.data(), 1, static_cast<size_t>(size), file.get());
    if (std::ferror(file.get()))
        Fail("Cannot read", path, std::strerror(errno ? errno : EIO));
    if (got != static_cast<size_t>(size))
        Fail("Cannot read", path, "The file changed while it was read");
    block.data()[size] = 0;
    return block;
}

ByteBlock FileBufferOf(std::span<const uint8_t> bytes) {
    if (bytes.size() >= static_cast<uint64_t>(kSizeLimit))
        throw AppError("The container is 2 GiB or larger");
    ByteBlock block = ByteBlock::Uninitialized(bytes.size() + 1);
    if (!bytes.empty())
        std::memcpy(block.data(), bytes.data(), bytes.size());
    block.data()[bytes.size()] = 0;
    return block;
}

} // namespace brindle
