// The simulated machine's drives and the host services armed to fail.
#include <fstream>

#include <gtest/gtest.h>

#include "sim/faults.h"
#include "sim/win/kernel32/drive_paths.h"

namespace {

using vexa::sim::Faults;
using vexa::sim::win::DrivePaths;

TEST(DrivePaths, DriveCIsAFolderMatchedWithoutRegardToCase) {
    DrivePaths drives;
    std::filesystem::create_directories(drives.root() / "c" / "Vexa");
    std::ofstream(drives.root() / "c" / "Vexa" / "Update.zip") << "zip";
    EXPECT_EQ(drives.toHost(L"C:\\VEXA\\update.ZIP"), drives.root() / "c" / "Vexa" / "Update.zip");
    EXPECT_EQ(drives.toHost(L"c:/Vexa/new.txt"), drives.root() / "c" / "Vexa" / "new.txt");
    EXPECT_EQ(drives.toHost(L"\\\\?\\C:\\Vexa"), drives.root() / "c" / "Vexa");
    EXPECT_EQ(drives.toWindows(drives.root() / "c" / "Vexa" / "Update.zip"), L"C:\\Vexa\\Update.zip");
    EXPECT_EQ(drives.toWindows("/usr/share"), L"Z:\\usr\\share");
    EXPECT_EQ(drives.toHost(L"Z:\\usr\\share"), std::filesystem::path("/usr/share"));
}

TEST(DrivePaths, NothingOutsideTheDrivesAndNoEscapeByDotDot) {
    DrivePaths drives;
    EXPECT_EQ(drives.toHost(L"C:\\..\\..\\etc\\passwd"), drives.root() / "c" / "etc" / "passwd");
    EXPECT_FALSE(drives.toHost(L"relative\\file.txt"));
    EXPECT_FALSE(drives.toHost(L"\\\\server\\share\\file"));
    EXPECT_FALSE(drives.toHost(L"D:\\file"));
    EXPECT_FALSE(drives.toHost(L"C:file"));
    EXPECT_FALSE(drives.toHost(L""));
}

TEST(DrivePaths, ATemporaryMachineIsRemovedAKeptOneStays) {
    std::filesystem::path temporary;
    {
        DrivePaths drives;
        temporary = drives.root();
        EXPECT_TRUE(std::filesystem::is_directory(temporary / "c"));
    }
    EXPECT_FALSE(std::filesystem::exists(temporary));
    const auto kept = std::filesystem::temp_directory_path() / "vexa-kept-machine-test";
    { DrivePaths drives(kept); }
    EXPECT_TRUE(std::filesystem::is_directory(kept / "c"));
    std::filesystem::remove_all(kept);
}

TEST(Faults, AnArmedServiceFailsAtItsNthCallOnce) {
    Faults faults;
    faults.arm(L"acedInvoke", 2);
    EXPECT_FALSE(faults.failsNow(L"acedInvoke"));
    EXPECT_FALSE(faults.failsNow(L"acedSSGet"));
    EXPECT_EQ(faults.pending().size(), 1u);
    EXPECT_TRUE(faults.failsNow(L"acedInvoke"));
    EXPECT_FALSE(faults.failsNow(L"acedInvoke"));
    EXPECT_TRUE(faults.pending().empty());
}

}  // namespace
