// Files and folders of the simulated machine through the kernel32 calls, with Windows' errors.
#include <fstream>
#include <sstream>

#include "support/host_fixture.h"
#include "win/winbase.h"

namespace {

class Files : public vexa::test::HostTest {
protected:
    std::filesystem::path driveC() { return host.drives().root() / "c"; }
    HANDLE open(const wchar_t* path, DWORD disposition) {
        return CreateFileW(path, GENERIC_READ | GENERIC_WRITE, 0, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    }
};

TEST_F(Files, FoldersAreMadeOneLevelAtATime) {
    EXPECT_TRUE(CreateDirectoryW(L"C:\\Vexa", nullptr));
    EXPECT_TRUE(std::filesystem::is_directory(driveC() / "Vexa"));
    EXPECT_FALSE(CreateDirectoryW(L"c:\\VEXA", nullptr));
    EXPECT_EQ(GetLastError(), ERROR_ALREADY_EXISTS);
    EXPECT_FALSE(CreateDirectoryW(L"C:\\Missing\\Deeper", nullptr));
    EXPECT_EQ(GetLastError(), ERROR_PATH_NOT_FOUND);
    EXPECT_FALSE(CreateDirectoryW(L"Q:\\Elsewhere", nullptr));
    EXPECT_EQ(GetLastError(), ERROR_PATH_NOT_FOUND);
}

TEST_F(Files, CreateNewRefusesAnExistingFileThatOpenExistingKeepsWhole) {
    std::filesystem::create_directories(driveC() / "Vexa");
    std::ofstream(driveC() / "Vexa" / "kept.txt") << "contents";
    EXPECT_EQ(open(L"C:\\vexa\\KEPT.txt", CREATE_NEW), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), ERROR_FILE_EXISTS);
    HANDLE file = open(L"C:\\vexa\\KEPT.txt", OPEN_EXISTING);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    EXPECT_EQ(host.kernelHandles().openCount(), 1u);
    EXPECT_TRUE(CloseHandle(file));
    EXPECT_FALSE(CloseHandle(file));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
    std::ostringstream text;
    text << std::ifstream(driveC() / "Vexa" / "kept.txt").rdbuf();
    EXPECT_EQ(text.str(), "contents");

    EXPECT_EQ(open(L"C:\\Vexa\\none.txt", OPEN_EXISTING), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), ERROR_PATH_NOT_FOUND);
    EXPECT_EQ(open(L"C:\\Vexa", CREATE_ALWAYS), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);
}

TEST_F(Files, DeleteRemovesFilesOnly) {
    HANDLE file = open(L"C:\\probe.tmp", CREATE_NEW);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    CloseHandle(file);
    EXPECT_TRUE(DeleteFileW(L"C:\\PROBE.TMP"));
    EXPECT_FALSE(std::filesystem::exists(driveC() / "probe.tmp"));
    EXPECT_FALSE(DeleteFileW(L"C:\\probe.tmp"));
    EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);
    std::filesystem::create_directories(driveC() / "Folder");
    EXPECT_FALSE(DeleteFileW(L"C:\\Folder"));
    EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);
}

}  // namespace
