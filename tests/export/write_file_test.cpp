#include "export/write_file.h"

#include "app/app_error.h"
#include "tests/fixture/xom_builder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

#if defined(__linux__)
#include <csignal>
#include <sys/resource.h>
#endif

namespace brindle {
namespace {

using fixture::Bytes;

std::string ErrorOf(const std::string& path, const Bytes& bytes) {
    try {
        WriteWholeFile(path, bytes);
    } catch (const AppError& error) {
        return error.what();
    }
    return "";
}

TEST(WriteWholeFile, CreatesOrReplacesTheFileWithExactlyTheBytes) {
    fixture::TempDir dir;
    const std::string path = (dir / "out.bin").string();
    WriteWholeFile(path, Bytes{1, 2, 3, 0, 5});
    EXPECT_EQ(fixture::ReadFile(path), (Bytes{1, 2, 3, 0, 5}));
    WriteWholeFile(path, Bytes{9});
    EXPECT_EQ(fixture::ReadFile(path), Bytes{9});
    WriteWholeFile(path, Bytes{});
    EXPECT_TRUE(std::filesystem::exists(path));
    EXPECT_EQ(std::filesystem::file_size(path), 0u);
}

TEST(WriteWholeFile, NamesTheChosenPathWhenItCannotCreateTheFile) {
    fixture::TempDir dir;
    std::filesystem::create_directory(dir / "folder");
    for (std::string path : {(dir / "missing" / "out.bin").string(), (dir / "folder").string()}) {
        EXPECT_EQ(ErrorOf(path, Bytes{1}), "Cannot create file " + path);
        EXPECT_EQ(MessageBoxText(ErrorOf(path, Bytes{1})), "Cannot create file " + path + ".");
    }
    EXPECT_FALSE(std::filesystem::exists(dir / "missing"));
}

TEST(WriteWholeFile, ReportsAFullDevice) {
    if (std::FILE* probe = std::fopen("/dev/full", "wb"))
        std::fclose(probe);
    else
        GTEST_SKIP() << "/dev/full cannot be opened here";
    EXPECT_EQ(ErrorOf("/dev/full", Bytes(100, 7)), "Stream write error");
    EXPECT_EQ(ErrorOf("/dev/full", Bytes(1 << 20, 7)), "Stream write error");
    // The device is not a half-made file: it stays.
    EXPECT_TRUE(std::filesystem::exists("/dev/full"));
}

#if defined(__linux__)
// A file-size limit cuts a write short on an ordinary file, the way a full
// disk does.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previous_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        ok_ = setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previous_);
    }
    bool Ok() const { return ok_; }

private:
    rlimit saved_{};
    void (*previous_)(int) = nullptr;
    bool ok_ = false;
};

TEST(WriteWholeFile, LeavesNoHalfMadeFileAfterAShortWrite) {
    fixture::TempDir dir;
    const std::string path = (dir / "short.bin").string();
    fixture::WriteFile(path, Bytes{1, 2, 3});
    std::string error;
    {
        FileSizeLimit limit(4096);
        if (!limit.Ok())
            GTEST_SKIP() << "cannot set a file-size limit";
        error = ErrorOf(path, Bytes(100000, 7));
    }
    EXPECT_EQ(error, "Stream write error");
    EXPECT_FALSE(std::filesystem::exists(path));
}
#endif

} // namespace
} // namespace brindle
