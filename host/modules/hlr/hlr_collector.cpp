// The collector of the hidden-line service: entities in, output records out.
#include "acad/hlrapi.h"

AsdkHlrCollector::~AsdkHlrCollector() = default;

AsdkHlrData* AsdkHlrCollector::getOutputData(int index) const {
    if (index < 0 || index >= getOutputDataCount()) return nullptr;
    return output_[static_cast<std::size_t>(index)].get();
}

void AsdkHlrCollector::addOutputData(AcDbEntity* entity, int visibility) {
    output_.push_back(std::make_unique<AsdkHlrData>(entity, visibility));
}
