// The reason given for a failed file write, for the causes that cannot all be brought
// about on the test machine (no permission as root, a read-only or full disk).

#include "core/file_failure.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <set>

namespace {

using strs::ClassifyFileFailure;
using strs::FileFacts;
using strs::FileFailure;

TEST(FileFailure, SystemErrorsNameTheirCause) {
    const FileFacts existing;
    EXPECT_EQ(ClassifyFileFailure(EACCES, existing), FileFailure::NoPermission);
    EXPECT_EQ(ClassifyFileFailure(EPERM, existing), FileFailure::NoPermission);
    EXPECT_EQ(ClassifyFileFailure(EROFS, existing), FileFailure::ReadOnlyFileSystem);
    EXPECT_EQ(ClassifyFileFailure(ENOSPC, existing), FileFailure::DiskFull);
    EXPECT_EQ(ClassifyFileFailure(EFBIG, existing), FileFailure::FileTooLarge);
    EXPECT_EQ(ClassifyFileFailure(ENAMETOOLONG, existing), FileFailure::InvalidName);
    EXPECT_EQ(ClassifyFileFailure(EIO, existing), FileFailure::Other);
}

TEST(FileFailure, TheFileSystemDecidesWhatAMissingEntryMeans) {
    EXPECT_EQ(ClassifyFileFailure(ENOENT, FileFacts{false, false}), FileFailure::MissingFolder);
    EXPECT_EQ(ClassifyFileFailure(ENOENT, FileFacts{true, false}), FileFailure::FolderRefusesFiles);
    // A folder under the name wins over whatever error the attempt left behind.
    EXPECT_EQ(ClassifyFileFailure(0, FileFacts{true, true}), FileFailure::NameIsFolder);
    EXPECT_EQ(ClassifyFileFailure(0, FileFacts{false, false}), FileFailure::MissingFolder);
    // A write reaches what a link names; whatever the error, a device is never replaced.
    EXPECT_EQ(ClassifyFileFailure(ENOENT, FileFacts{false, false, false, true}), FileFailure::LinkIntoMissingFolder);
    EXPECT_EQ(ClassifyFileFailure(0, FileFacts{true, false, true, false}), FileFailure::NotARegularFile);
}

TEST(FileFailure, EveryCauseHasItsOwnTextInBothLanguages) {
    for (auto language : {strs::MessageLanguage::Russian, strs::MessageLanguage::English}) {
        std::set<std::string> texts;
        for (int i = 0; i < int(FileFailure::Other); ++i) {
            const std::string text = strs::FileFailureText(FileFailure(i), language);
            EXPECT_EQ(text.back(), '.');
            texts.insert(text);
        }
        EXPECT_EQ(texts.size(), std::size_t(FileFailure::Other));
        EXPECT_TRUE(strs::FileFailureText(FileFailure::Other, language).empty());
    }
}

}  // namespace
