// A whole new file or the old one, never a part, and every failure with its true cause:
// on Linux from errno, on Windows (these tests run under Wine too) from the Win32 error.

#include "core/atomic_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#endif

namespace {

namespace fs = std::filesystem;
using strs::FileFailure;
using strs::WriteFileAtomically;

class AtomicFile : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("strs-atomic-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override {
        std::error_code ignored;
        fs::permissions(folder_ / "old.csv", fs::perms::owner_all, ignored);
        fs::remove_all(folder_, ignored);
    }

    std::string path(const char* name) const { return (folder_ / name).string(); }
    std::string old() const {
        const std::string name = path("old.csv");
        std::ofstream(name, std::ios::binary) << "old content";
        return name;
    }
    static std::string contents(const std::string& name) {
        std::ifstream file(name, std::ios::binary);
        return {std::istreambuf_iterator<char>(file), {}};
    }
    // Only the files the test made are left: no temporary file stays behind.
    std::size_t files() const { return std::size_t(std::distance(fs::directory_iterator(folder_), {})); }

    fs::path folder_;
};

TEST_F(AtomicFile, WritesANewFileAndReplacesAnOldOneWhole) {
    EXPECT_FALSE(WriteFileAtomically(path("new.csv"), "first"));
    const std::string name = old();
    EXPECT_FALSE(WriteFileAtomically(name, std::string(100000, 'x')));
    EXPECT_EQ(contents(name), std::string(100000, 'x'));
    EXPECT_EQ(contents(path("new.csv")), "first");
    EXPECT_EQ(files(), 2u);
}

TEST_F(AtomicFile, AFullDiskLeavesTheOldFileWhole) {
    const std::string name = old();
    const auto error = WriteFileAtomically(name, std::string(5000, 'x'), strs::DiskSpace{1000});
    ASSERT_TRUE(error);
    EXPECT_EQ(error->failure, FileFailure::DiskFull);
    EXPECT_FALSE(error->systemText.empty());
    EXPECT_EQ(contents(name), "old content");
    EXPECT_EQ(files(), 1u);
}

TEST_F(AtomicFile, AMissingFolderOrAFolderUnderTheNameIsNamed) {
    const auto missing = WriteFileAtomically(path("missing/new.csv"), "x");
    ASSERT_TRUE(missing);
    EXPECT_EQ(missing->failure, FileFailure::MissingFolder);
    fs::create_directory(folder_ / "folder.csv");
    const auto folder = WriteFileAtomically(path("folder.csv"), "x");
    ASSERT_TRUE(folder);
    EXPECT_EQ(folder->failure, FileFailure::NameIsFolder);
    EXPECT_EQ(files(), 1u);
}

#ifdef _WIN32

// A spreadsheet keeps the table it shows open without sharing it.
TEST_F(AtomicFile, AFileOpenInAnotherProgramIsNotReplaced) {
    const std::string name = old();
    const HANDLE held = CreateFileW(fs::path(name).wstring().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    const auto error = WriteFileAtomically(name, "new");
    CloseHandle(held);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->failure, FileFailure::HeldOpen);
    EXPECT_EQ(contents(name), "old content");
    EXPECT_EQ(files(), 1u);
}

TEST_F(AtomicFile, AReadOnlyFileIsRefused) {
    const std::string name = old();
    ASSERT_TRUE(SetFileAttributesW(fs::path(name).wstring().c_str(), FILE_ATTRIBUTE_READONLY));
    const auto error = WriteFileAtomically(name, "new");
    SetFileAttributesW(fs::path(name).wstring().c_str(), FILE_ATTRIBUTE_NORMAL);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->failure, FileFailure::NoPermission);
    EXPECT_EQ(contents(name), "old content");
    EXPECT_EQ(files(), 1u);
}

#else

TEST_F(AtomicFile, ALinkIsWrittenThroughAndADeviceNeverReplaced) {
    const std::string name = old();
    fs::create_symlink(name, folder_ / "link.csv");
    EXPECT_FALSE(WriteFileAtomically(path("link.csv"), "through"));
    EXPECT_TRUE(fs::is_symlink(folder_ / "link.csv"));
    EXPECT_EQ(contents(name), "through");

    fs::create_symlink(folder_ / "missing" / "x.csv", folder_ / "dangling.csv");
    const auto dangling = WriteFileAtomically(path("dangling.csv"), "x");
    ASSERT_TRUE(dangling);
    EXPECT_EQ(dangling->failure, FileFailure::LinkIntoMissingFolder);
    EXPECT_EQ(dangling->missingFolder, (folder_ / "missing").string());

    fs::create_symlink("/dev/null", folder_ / "device.csv");
    const auto device = WriteFileAtomically(path("device.csv"), "x");
    ASSERT_TRUE(device);
    EXPECT_EQ(device->failure, FileFailure::NotARegularFile);
    EXPECT_EQ(files(), 4u);
}

TEST_F(AtomicFile, TheNewFileKeepsTheOldOnesPermissions) {
    const std::string name = old();
    fs::permissions(name, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_FALSE(WriteFileAtomically(name, "new"));
    EXPECT_EQ(fs::status(name).permissions(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

#endif

}  // namespace
