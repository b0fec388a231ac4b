#include "dxf/drawing_files.h"

#include <fstream>
#include <sstream>

#include "dxf/drawing_reader.h"
#include "dxf/drawing_writer.h"
#include "dxf/dxf_error.h"
#include "sim/host.h"

namespace vexa::sim::dxf {

bool isDxfName(const std::filesystem::path& path) { return upperCase(path.extension().wstring()) == L".DXF"; }

void openDxfDrawing(Host& host, Document& document, const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + file.string());
    std::stringstream bytes;
    bytes << in.rdbuf();
    try {
        ReadDrawing drawing = readDrawing(bytes.str(), document.database());
        document.setDxfSource(std::make_unique<SourceDrawing>(std::move(drawing.source)));
        if (!drawing.currentLayer.empty()) host.sysvars().force(L"CLAYER", drawing.currentLayer);
    } catch (const DxfError& error) {
        throw std::runtime_error(file.string() + ": " + error.what());
    }
}

void saveDxfDrawing(Host& host, Document& document, const std::filesystem::path& file) {
    if (document.dxfSource() == nullptr) document.setDxfSource(std::make_unique<SourceDrawing>(newDrawingSource()));
    const auto clayer = host.variable(L"CLAYER");
    const std::wstring* layer = clayer ? std::get_if<std::wstring>(&*clayer) : nullptr;
    const std::string text = writeDrawing(document.database(), *document.dxfSource(), layer ? *layer : L"0");
    std::filesystem::path partial = file;
    partial += ".partial";
    {
        std::ofstream out(partial, std::ios::binary | std::ios::trunc);
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
        if (!out.flush()) throw std::runtime_error("cannot write " + file.string());
    }
    std::filesystem::rename(partial, file);
}

}  // namespace vexa::sim::dxf
