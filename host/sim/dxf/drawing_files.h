// DXF files of open drawings: opening one into a document and saving a document as one.
#pragma once

#include <filesystem>

namespace vexa::sim {
class Document;
class Host;
}  // namespace vexa::sim

namespace vexa::sim::dxf {

bool isDxfName(const std::filesystem::path& path);

// Reads the file into the document's new database and makes the drawing's $CLAYER current.
// Throws std::runtime_error naming the file and line.
void openDxfDrawing(Host& host, Document& document, const std::filesystem::path& file);

// Written beside the target first, so a failed save leaves the old file whole. Throws on failure.
void saveDxfDrawing(Host& host, Document& document, const std::filesystem::path& file);

}  // namespace vexa::sim::dxf
