// The open drawings in the manager's order, the current one, reactors and the resource-handle stack.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "acad/acdocman.h"
#include "sim/document.h"

namespace vexa::sim {

class DocumentManager : public AcApDocManager {
public:
    // Called for every drawing as it opens (plug-ins get their load message) and closes.
    using DocumentHook = std::function<void(Document&)>;
    void setHooks(DocumentHook opened, DocumentHook closing);
    // Where sent strings go (the host's input), with the document they were sent to.
    using StringSink = std::function<void(Document&, std::wstring_view)>;
    void setStringSink(StringSink sink) { stringSink_ = std::move(sink); }

    Document& newDocument();
    Document& openDocument(const std::wstring& fileName);
    void closeDocument(Document& document);
    void closeAll();
    Document* current() const { return current_; }
    const std::vector<std::unique_ptr<Document>>& documents() const { return documents_; }
    Document* findByFileName(std::wstring_view fileName) const;
    std::size_t resourceDepth() const { return resourceHandles_.size(); }
    HINSTANCE currentResourceHandle() const;

    AcApDocument* curDocument() const override { return current_; }
    AcApDocument* mdiActiveDocument() const override { return current_; }
    AcApDocumentIterator* newAcApDocumentIterator() override;
    int activateDocument(AcApDocument* document, bool passScript = false) override;
    int documentCount() const override { return static_cast<int>(documents_.size()); }
    void addReactor(AcApDocManagerReactor* reactor) override;
    void removeReactor(AcApDocManagerReactor* reactor) override;
    bool pushResourceHandle(HINSTANCE resourceHandle) override;
    bool popResourceHandle() override;
    Acad::ErrorStatus sendStringToExecute(AcApDocument* document, const ACHAR* text, bool activate,
                                          bool wrapUpInactiveDoc, bool echoString) override;

    // A document may be locked again while locked; each lock needs its unlock.
    Acad::ErrorStatus lockDocument(AcApDocument* document, AcAp::DocLockMode mode, const ACHAR* globalCmdName,
                                   const ACHAR* localCmdName, bool prompt) override;
    Acad::ErrorStatus unlockDocument(AcApDocument* document) override;
    std::size_t lockCount() const { return locks_.size(); }

    std::size_t reactorCount() const { return reactors_.size(); }

private:
    Document& add(std::wstring fileName);
    bool isOpen(const AcApDocument* document) const;

    std::vector<std::unique_ptr<Document>> documents_;
    Document* current_ = nullptr;
    std::vector<AcApDocManagerReactor*> reactors_;
    std::vector<HINSTANCE> resourceHandles_;
    std::vector<const AcApDocument*> locks_;  // one entry per lock held
    DocumentHook opened_;
    DocumentHook closing_;
    StringSink stringSink_;
    int untitledCount_ = 0;
};

}  // namespace vexa::sim
