// Broken DXF files: each is refused with a message that names the line, and nothing crashes,
// also when a good file is mutated at random (a fixed seed, so a failure reproduces).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "dxf/drawing_reader.h"
#include "dxf/drawing_writer.h"
#include "dxf/dxf_error.h"

namespace vexa::sim::dxf {
namespace {

std::string readBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

std::string refusal(const std::string& text) {
    db::Database database;
    try {
        readDrawing(text, database);
    } catch (const DxfError& error) {
        return error.what();
    }
    return "read";
}

struct BadFile {
    const char* name;
    const char* message;
};

TEST(DxfBadFiles, EachNamesTheLineOfItsFault) {
    const BadFile files[] = {
        {"truncated.dxf", "line 5543: group 20 has no value: the file ends"},
        {"no-endsec.dxf", "line 18: the file ends inside section ENTITIES (no ENDSEC)"},
        {"wrong-code.dxf", "line 19: a group code was expected, found \" 1O\""},
        {"unknown-code.dxf", "line 19: unknown group code 12345"},
        {"bad-number.dxf", "line 20: group 10 needs a number, found \"one\""},
        {"huge-count.dxf", "line 19: LWPOLYLINE announces 999999999 vertices but has 2"},
        {"non-utf8.dxf", "line 20: the text is not UTF-8"},
        {"binary-garbage.dxf", "line 1: the text is not UTF-8"},
        {"binary-dxf.dxf", "line 1: binary DXF is not read; save the drawing as ASCII DXF"},
        {"old-version.dxf", "line 7: DXF version AC1009 is older than R2000 (AC1015)"},
    };
    for (const BadFile& file : files) {
        EXPECT_EQ(refusal(readBytes(std::filesystem::path(VEXA_BAD_DXF_DIR) / file.name)), file.message) << file.name;
    }
}

// Lines dropped, doubled, cut or overwritten, bytes flipped, counts made huge: the reader
// refuses or reads, and what it reads it writes and reads back.
TEST(DxfBadFiles, MutatedDrawingsAreReadOrRefusedNeverCrash) {
    const std::string good = readBytes(VEXA_GOOD_DXF);
    std::vector<std::string> lines;
    for (std::size_t at = 0; at < good.size();) {
        const std::size_t end = good.find('\n', at);
        lines.push_back(good.substr(at, end - at));
        at = end == std::string::npos ? good.size() : end + 1;
    }
    std::mt19937 random(20261209);
    const char* const replacements[] = {"999999999", "-1", "0", "", "SEQEND", "SECTION", "ENDSEC", "1e308", "nan", "\xff\xfe"};
    int refused = 0;
    for (int round = 0; round < 300; ++round) {
        std::vector<std::string> mutated = lines;
        for (int change = 0; change < 3; ++change) {
            const std::size_t at = random() % mutated.size();
            switch (random() % 5) {
            case 0: mutated.erase(mutated.begin() + static_cast<std::ptrdiff_t>(at)); break;
            case 1: mutated.insert(mutated.begin() + static_cast<std::ptrdiff_t>(at), mutated[at]); break;
            case 2: mutated[at] = replacements[random() % std::size(replacements)]; break;
            case 3: if (!mutated[at].empty()) mutated[at][random() % mutated[at].size()] ^= static_cast<char>(1 << (random() % 8)); break;
            default: mutated.resize(at + 1); break;
            }
        }
        std::string text;
        for (const std::string& line : mutated) text += line + "\n";
        db::Database database;
        try {
            ReadDrawing drawing = readDrawing(text, database);
            db::Database again;
            readDrawing(writeDrawing(database, drawing.source, drawing.currentLayer), again);
            EXPECT_EQ(again.layers().size(), database.layers().size()) << "round " << round;
        } catch (const DxfError& error) {
            EXPECT_EQ(std::string(error.what()).rfind("line ", 0), 0u) << error.what();
            ++refused;
        }
    }
    EXPECT_GT(refused, 50);
}

}  // namespace
}  // namespace vexa::sim::dxf
