// Files written whole or not at all.

#include <gtest/gtest.h>

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "output/ExportTexts.h"
#include "output/WholeFile.h"

namespace {

class WholeFile : public testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/duvane-whole-XXXXXX";
        ASSERT_NE(::mkdtemp(pattern), nullptr);
        folder_ = pattern;
    }
    void TearDown() override
    {
        for (const std::string& name : names())
            ::unlink((folder_ + "/" + name).c_str());
        ::rmdir((folder_ + "/sub").c_str());
        ::rmdir(folder_.c_str());
    }

    std::vector<std::string> names() const
    {
        std::vector<std::string> found;
        if (DIR* dir = ::opendir(folder_.c_str())) {
            while (const dirent* entry = ::readdir(dir))
                if (std::string name = entry->d_name; name != "." && name != "..")
                    found.push_back(name);
            ::closedir(dir);
        }
        return found;
    }

    static std::string read(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

    static mode_t mode(const std::string& path)
    {
        struct stat s;
        return ::stat(path.c_str(), &s) == 0 ? s.st_mode & 07777 : 0;
    }

    std::string folder_;
};

TEST_F(WholeFile, WritesANewFileWithTheUmasksPermissions)
{
    const std::string path = folder_ + "/line.s4p";
    EXPECT_EQ(writeWholeFile(path, "abc\n"), "");
    EXPECT_EQ(read(path), "abc\n");
    EXPECT_EQ(names(), std::vector<std::string>{"line.s4p"}) << "no temporary file left";
    const mode_t mask = ::umask(0);
    ::umask(mask);
    EXPECT_EQ(mode(path), 0666 & ~mask);
}

TEST_F(WholeFile, ReplacesAFileKeepingItsPermissions)
{
    const std::string path = folder_ + "/line.cir";
    ASSERT_EQ(writeWholeFile(path, "old, and longer than the new\n"), "");
    ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
    EXPECT_EQ(writeWholeFile(path, "new\n"), "");
    EXPECT_EQ(read(path), "new\n");
    EXPECT_EQ(mode(path), 0640u);
    EXPECT_EQ(names().size(), 1u);
}

// Where nothing can be written: an error naming the path, and nothing made
// or changed.
TEST_F(WholeFile, RefusesWhatCannotBeWritten)
{
    const std::string missing = folder_ + "/no/such/folder/x.s2p";
    std::string error = writeWholeFile(missing, "x");
    EXPECT_EQ(error.rfind(std::string(kCannotWriteText) + "\"" + missing + "\": ", 0), 0u) << error;
    EXPECT_TRUE(names().empty());

    const std::string folder = folder_ + "/sub";
    ASSERT_EQ(::mkdir(folder.c_str(), 0755), 0);
    error = writeWholeFile(folder, "x");
    EXPECT_NE(error, "");
    EXPECT_EQ(names(), std::vector<std::string>{"sub"}) << "no temporary file left";

    EXPECT_NE(writeWholeFile(folder_ + "/", "x"), "") << "a folder's name, not a file's";
}

// A folder that may not be written keeps an existing file as it was (root
// may write anywhere, so this needs an ordinary user).
TEST_F(WholeFile, ReadOnlyFolderKeepsTheOldFile)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root writes into read-only folders";
    const std::string path = folder_ + "/table.csv";
    ASSERT_EQ(writeWholeFile(path, "old\n"), "");
    ASSERT_EQ(::chmod(folder_.c_str(), 0555), 0);
    EXPECT_NE(writeWholeFile(path, "new\n"), "");
    ::chmod(folder_.c_str(), 0755);
    EXPECT_EQ(read(path), "old\n");
    EXPECT_EQ(names().size(), 1u);
}

}  // namespace
