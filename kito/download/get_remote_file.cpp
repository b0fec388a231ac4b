#include <optional>
#include <string>
#include <vector>

#include "acad/aced.h"
#include "frame/lisp_items.h"
#include "kito/download/UDFCallback.h"
#include "kito/download/download_functions.h"
#include "win/wininet.h"

namespace vexa::kito {

int getRemoteFile(resbuf* args) {
    const std::vector<frame::Element> items = frame::elementsOf(args);
    const ACHAR* url = items.size() > 0 ? items[0].string() : nullptr;
    const ACHAR* localPath = items.size() > 1 ? items[1].string() : nullptr;
    const std::optional<short> timeLimit = items.size() > 2 ? items[2].integer() : std::nullopt;
    if (url == nullptr || localPath == nullptr || !timeLimit) {
        acedRetNil();
        return RTNORM;
    }
    const std::wstring answer = localPath;
    CUDFCallback callback(GetTickCount(), *timeLimit);
    // Fetched anew: a cached copy could be an older file than the server's.
    DeleteUrlCacheEntryW(url);
    const HRESULT result = URLDownloadToFileW(nullptr, url, localPath, 0, &callback);
    if (FAILED(result)) {
        acedRetNil();
    } else {
        acedRetStr(answer.c_str());
    }
    return RTNORM;
}

}  // namespace vexa::kito
