// AutoLISP's file functions on the machine's files: a round trip, relative names in the
// drawing's folder, malformed calls, and files a run leaves open.
#include <filesystem>
#include <fstream>

#include "sim/run_audit.h"
#include "support/host_fixture.h"

namespace {

class LispFiles : public vexa::test::HostTest {};

TEST_F(LispFiles, WrittenLinesAndCharactersReadBack) {
    eval(L"(setq f (open \"C:\\\\Notes\\\\part.txt\" \"w\"))");
    EXPECT_EQ(eval(L"f"), L"nil");  // the folder does not exist
    std::filesystem::create_directories(host.drives().root() / "c" / "Notes");
    EXPECT_EQ(eval(L"(setq f (open \"C:\\\\Notes\\\\part.txt\" \"w\"))"), L"#<file \"C:\\Notes\\part.txt\">");
    EXPECT_EQ(eval(L"(type f)"), L"FILE");
    EXPECT_EQ(eval(L"(write-line \"Bolt M8 \u87ba\u6813\" f)"), L"\"Bolt M8 \u87ba\u6813\"");
    EXPECT_EQ(eval(L"(write-char 90 f)"), L"90");
    eval(L"(prin1 \"q\" f)");
    EXPECT_EQ(eval(L"(close f)"), L"nil");
    eval(L"(setq f (open \"c:/notes/PART.txt\" \"a\")) (write-line \"\" f) (write-line \"last\" f) (close f)");

    std::ifstream raw(host.drives().root() / "c" / "Notes" / "part.txt", std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(raw)), std::istreambuf_iterator<char>());
    EXPECT_EQ(bytes, "Bolt M8 \xe8\x9e\xba\xe6\xa0\x93\r\nZ\"q\"\r\nlast\r\n");

    eval(L"(setq f (open \"C:\\\\Notes\\\\part.txt\" \"r\"))");
    EXPECT_EQ(eval(L"(read-line f)"), L"\"Bolt M8 \u87ba\u6813\"");
    EXPECT_EQ(eval(L"(list (read-char f) (read-char f))"), L"(90 34)");
    EXPECT_EQ(eval(L"(read-line f)"), L"\"q\\\"\"");
    EXPECT_EQ(eval(L"(read-line f)"), L"\"last\"");
    EXPECT_EQ(eval(L"(list (read-line f) (read-char f))"), L"(nil nil)");
    eval(L"(close f)");
}

TEST_F(LispFiles, RelativeNamesAreFoundInTheDrawingsFolder) {
    std::filesystem::create_directories(host.drives().root() / "c" / "Parts");
    std::ofstream(host.drives().root() / "c" / "Parts" / "bolts.txt") << "M8\n";
    // A new drawing has no folder: names are looked for in C:\.
    EXPECT_EQ(eval(L"(findfile \"bolts.txt\")"), L"nil");
    EXPECT_EQ(eval(L"(findfile \"Parts\\\\BOLTS.txt\")"), L"\"C:\\\\Parts\\\\BOLTS.txt\"");
    host.documents().openDocument(L"C:\\Parts\\housing.dwg");
    EXPECT_EQ(eval(L"(findfile \"bolts.txt\")"), L"\"C:\\\\Parts\\\\bolts.txt\"");
    EXPECT_EQ(eval(L"(findfile \"C:\\\\Parts\\\\nuts.txt\")"), L"nil");
    EXPECT_EQ(eval(L"(read-line (setq f (open \"bolts.txt\" \"r\")))"), L"\"M8\"");
    eval(L"(close f)");
}

TEST_F(LispFiles, MalformedCallsGiveTheInterpretersErrors) {
    EXPECT_EQ(evalError(L"(open \"C:\\\\x.txt\" \"rw\")"), L"bad argument value: file mode \"rw\"");
    EXPECT_EQ(evalError(L"(open 'x \"r\")"), L"bad argument type: stringp X");
    EXPECT_EQ(evalError(L"(open \"C:\\\\x.txt\")"), L"too few arguments");
    EXPECT_EQ(evalError(L"(read-line \"C:\\\\x.txt\")"), L"bad argument type: filep \"C:\\\\x.txt\"");
    EXPECT_EQ(evalError(L"(close nil)"), L"bad argument type: filep nil");
    EXPECT_EQ(evalError(L"(findfile)"), L"too few arguments");
    EXPECT_EQ(evalError(L"(write-char 0)"), L"bad argument value: character code 0");
    eval(L"(setq f (open \"C:\\\\x.txt\" \"w\"))");
    EXPECT_EQ(evalError(L"(write-line 5 f)"), L"bad argument type: stringp 5");
    eval(L"(close f)");
    // A closed file is no file to read or write; closing it again does nothing.
    EXPECT_EQ(evalError(L"(write-line \"x\" f)"), L"bad argument type: filep #<file \"C:\\x.txt\">");
    EXPECT_EQ(evalError(L"(princ 1 f)"), L"bad argument type: filep #<file \"C:\\x.txt\">");
    EXPECT_EQ(eval(L"(close f)"), L"nil");
    EXPECT_EQ(eval(L"(open \"\" \"r\")"), L"nil");
    // The machine has no network shares; a rooted name is on C:.
    EXPECT_EQ(eval(L"(open \"\\\\\\\\server\\\\x.txt\" \"w\")"), L"nil");
    eval(L"(close (open \"\\\\rooted.txt\" \"w\"))");
    EXPECT_EQ(eval(L"(findfile \"C:\\\\ROOTED.TXT\")"), L"\"C:\\\\ROOTED.TXT\"");
}

TEST_F(LispFiles, AFileLeftOpenIsClosedAndReportedAtTheEndOfTheRun) {
    eval(L"(setq f (open \"C:\\\\log.txt\" \"w\")) (write-line \"kept\" f)");
    eval(L"(close (open \"C:\\\\other.txt\" \"w\"))");
    vexa::sim::auditRunEnd(host);
    const auto faults = host.audit().take();
    ASSERT_EQ(faults.size(), 1u);
    EXPECT_EQ(faults[0], L"the file \"C:\\log.txt\" was left open at the end of the run");
    EXPECT_EQ(evalError(L"(write-line \"more\" f)"), L"bad argument type: filep #<file \"C:\\log.txt\">");
    std::ifstream raw(host.drives().root() / "c" / "log.txt");
    std::string line;
    std::getline(raw, line);
    EXPECT_EQ(line, "kept\r");
}

}  // namespace
