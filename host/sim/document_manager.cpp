#include "sim/document_manager.h"

#include <algorithm>

#include "sim/fault_points.h"
#include "sim/system_variables.h"

namespace vexa::sim {

namespace {

class DocumentIterator : public AcApDocumentIterator {
public:
    explicit DocumentIterator(std::vector<Document*> documents) : documents_(std::move(documents)) {}
    bool done() const override { return position_ >= documents_.size(); }
    void step() override { ++position_; }
    AcApDocument* document() override { return done() ? nullptr : documents_[position_]; }

private:
    std::vector<Document*> documents_;
    std::size_t position_ = 0;
};

}  // namespace

void DocumentManager::setHooks(DocumentHook opened, DocumentHook closing) {
    opened_ = std::move(opened);
    closing_ = std::move(closing);
}

Document& DocumentManager::add(std::wstring fileName) {
    documents_.push_back(std::make_unique<Document>(std::move(fileName)));
    Document& document = *documents_.back();
    current_ = &document;
    for (AcApDocManagerReactor* reactor : std::vector(reactors_)) reactor->documentCreated(&document);
    if (opened_) opened_(document);
    return document;
}

Document& DocumentManager::newDocument() { return add(L"Drawing" + std::to_wstring(++untitledCount_) + L".dwg"); }

Document& DocumentManager::openDocument(const std::wstring& fileName) { return add(fileName); }

void DocumentManager::closeDocument(Document& document) {
    current_ = &document;
    if (closing_) closing_(document);
    for (AcApDocManagerReactor* reactor : std::vector(reactors_)) reactor->documentToBeDestroyed(&document);
    auto it = std::find_if(documents_.begin(), documents_.end(), [&](const auto& d) { return d.get() == &document; });
    if (it == documents_.end()) return;
    std::erase(locks_, &document);
    documents_.erase(it);
    current_ = documents_.empty() ? nullptr : documents_.front().get();
}

void DocumentManager::closeAll() {
    while (!documents_.empty()) closeDocument(*documents_.back());
}

Document* DocumentManager::findByFileName(std::wstring_view fileName) const {
    for (const auto& document : documents_) {
        if (upperCase(document->fileName()) == upperCase(fileName)) return document.get();
    }
    return nullptr;
}

HINSTANCE DocumentManager::currentResourceHandle() const {
    return resourceHandles_.empty() ? nullptr : resourceHandles_.back();
}

AcApDocumentIterator* DocumentManager::newAcApDocumentIterator() {
    std::vector<Document*> order;
    for (const auto& document : documents_) order.push_back(document.get());
    return new DocumentIterator(std::move(order));
}

int DocumentManager::activateDocument(AcApDocument* document, bool) {
    auto it = std::find_if(documents_.begin(), documents_.end(), [&](const auto& d) { return d.get() == document; });
    if (it == documents_.end()) return 3;  // Acad::eInvalidInput
    current_ = it->get();
    return 0;
}

void DocumentManager::addReactor(AcApDocManagerReactor* reactor) {
    if (std::find(reactors_.begin(), reactors_.end(), reactor) == reactors_.end()) reactors_.push_back(reactor);
}

void DocumentManager::removeReactor(AcApDocManagerReactor* reactor) { std::erase(reactors_, reactor); }

bool DocumentManager::pushResourceHandle(HINSTANCE resourceHandle) {
    resourceHandles_.push_back(resourceHandle);
    return true;
}

bool DocumentManager::popResourceHandle() {
    if (resourceHandles_.empty()) return false;
    resourceHandles_.pop_back();
    return true;
}

Acad::ErrorStatus DocumentManager::sendStringToExecute(AcApDocument* document, const ACHAR* text, bool activate,
                                                       bool, bool) {
    auto found = std::find_if(documents_.begin(), documents_.end(), [&](const auto& d) { return d.get() == document; });
    if (found == documents_.end() || text == nullptr) return Acad::eInvalidInput;
    if (activate) activateDocument(document);
    if (stringSink_) stringSink_(**found, text);
    return Acad::eOk;
}

bool DocumentManager::isOpen(const AcApDocument* document) const {
    return std::any_of(documents_.begin(), documents_.end(), [&](const auto& d) { return d.get() == document; });
}

Acad::ErrorStatus DocumentManager::lockDocument(AcApDocument* document, AcAp::DocLockMode, const ACHAR*, const ACHAR*,
                                                bool) {
    if (!isOpen(document)) return Acad::eInvalidInput;
    if (serviceFails(L"lockDocument")) return Acad::eLockViolation;
    locks_.push_back(document);
    return Acad::eOk;
}

Acad::ErrorStatus DocumentManager::unlockDocument(AcApDocument* document) {
    const auto held = std::find(locks_.rbegin(), locks_.rend(), document);
    if (held == locks_.rend()) return Acad::eInvalidInput;
    locks_.erase(std::next(held).base());
    return Acad::eOk;
}

}  // namespace vexa::sim
