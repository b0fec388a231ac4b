// Documents and the document manager.
#pragma once

#include "acad/adscodes.h"
#include "acad/dbmain.h"
#include "win/handles.h"

class AcEdInputPointManager;

class AcApDocument {
public:
    virtual ~AcApDocument() = default;
    // The full path under which the drawing is open.
    virtual const ACHAR* fileName() const = 0;
    // The drawing's own manager of input-point monitors; it lives as long as the drawing.
    virtual AcEdInputPointManager* inputPointManager() = 0;
};

class AcApDocumentIterator {
public:
    virtual ~AcApDocumentIterator() = default;
    virtual bool done() const = 0;
    virtual void step() = 0;
    virtual AcApDocument* document() = 0;
};

class AcApDocManagerReactor {
public:
    virtual ~AcApDocManagerReactor() = default;
    virtual void documentCreated(AcApDocument*) {}
    virtual void documentToBeDestroyed(AcApDocument*) {}
};

namespace AcAp {
enum DocLockMode { kNone = 0, kAutoWrite = 1, kNotLocked = 2, kWrite = 4, kProtectedAutoWrite = 20, kRead = 32, kXWrite = 64 };
}

class AcApDocManager {
public:
    virtual ~AcApDocManager() = default;
    virtual AcApDocument* curDocument() const = 0;
    virtual AcApDocument* mdiActiveDocument() const = 0;
    virtual AcApDocumentIterator* newAcApDocumentIterator() = 0;
    virtual int activateDocument(AcApDocument* document, bool passScript = false) = 0;
    virtual int documentCount() const = 0;
    virtual void addReactor(AcApDocManagerReactor* reactor) = 0;
    virtual void removeReactor(AcApDocManagerReactor* reactor) = 0;
    virtual bool pushResourceHandle(HINSTANCE resourceHandle) = 0;
    virtual bool popResourceHandle() = 0;
    // Queues the text as typed input of the document, after the running command or function
    // returns control: to a command waiting for input, else to the command line.
    virtual Acad::ErrorStatus sendStringToExecute(AcApDocument* document, const ACHAR* text, bool activate = true,
                                                  bool wrapUpInactiveDoc = false, bool echoString = true) = 0;
    // Locks the document for the caller's changes; eLockViolation when the host refuses. Every
    // lock is undone with unlockDocument before the AutoLISP call that took it returns.
    virtual Acad::ErrorStatus lockDocument(AcApDocument* document, AcAp::DocLockMode mode = AcAp::kWrite,
                                           const ACHAR* globalCmdName = nullptr, const ACHAR* localCmdName = nullptr,
                                           bool prompt = true) = 0;
    virtual Acad::ErrorStatus unlockDocument(AcApDocument* document) = 0;
};

AcApDocManager* acDocManagerPtr();
#define acDocManager acDocManagerPtr()
AcApDocument* curDoc();
