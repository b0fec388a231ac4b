// Block definitions for references the database made: the database keeps no definitions, and a
// reference to a block a file lacks is no valid drawing, so such a block is written empty.
#pragma once

#include <string>
#include <vector>

#include "db/database.h"
#include "dxf/dxf_file.h"
#include "dxf/source_drawing.h"

namespace vexa::sim::dxf {

struct MissingBlock {
    std::wstring name;
    std::string recordHandle;  // of its BLOCK_RECORD entry
};

// The block names live references use that the file's BLOCK_RECORD table lacks, with new handles.
std::vector<MissingBlock> missingBlocks(const db::Database& database, SourceDrawing& source);

Record blockRecordEntry(const MissingBlock& block, const std::string& tableHandle);
// BLOCK and ENDBLK with nothing between.
std::vector<Record> emptyBlock(const MissingBlock& block, SourceDrawing& source);

}  // namespace vexa::sim::dxf
