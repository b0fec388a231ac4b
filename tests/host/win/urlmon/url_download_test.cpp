// URLDownloadToFileW and the machine's internet cache against a real loopback server.
#include <chrono>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <thread>
#include <vector>

#include "sim/win/wininet/cache_lifetime.h"
#include "support/file_content.h"
#include "support/host_fixture.h"
#include "support/loopback_server.h"
#include "win/urlmon.h"
#include "win/wininet.h"

namespace {

using namespace std::chrono_literals;
using vexa::test::LoopbackServer;

struct Report {
    ULONG progress;
    ULONG max;
    ULONG status;
    DWORD tick;
};

// Records what the download reports, and answers E_ABORT at the first report of abortAt.
class RecordingCallback : public IBindStatusCallback {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void**) override { return E_NOTIMPL; }
    ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE OnStartBinding(DWORD, IBinding*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetPriority(LONG*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE OnLowResource(DWORD) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE OnProgress(ULONG progress, ULONG max, ULONG status, LPCWSTR) override {
        reports.push_back({progress, max, status, GetTickCount()});
        return status == abortAt ? E_ABORT : S_OK;
    }
    HRESULT STDMETHODCALLTYPE OnStopBinding(HRESULT result, LPCWSTR) override {
        stopResult = result;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetBindInfo(DWORD*, BINDINFO*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE OnDataAvailable(DWORD, DWORD, FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE OnObjectAvailable(REFIID, IUnknown*) override { return E_NOTIMPL; }

    bool reported(ULONG status) const {
        for (const Report& report : reports) {
            if (report.status == status) return true;
        }
        return false;
    }

    std::vector<Report> reports;
    ULONG abortAt = 0;
    HRESULT stopResult = 1;
};

class UrlDownload : public vexa::test::HostTest {
protected:
    UrlDownload() { std::filesystem::create_directories(*host.drives().toHost(L"C:\\Vexa")); }

    HRESULT download(std::string_view path, RecordingCallback* callback = nullptr) {
        return URLDownloadToFileW(nullptr, server.wideUrl(path).c_str(), L"C:\\Vexa\\file.bin", 0, callback);
    }
    std::string downloaded() { return vexa::test::fileContent(*host.drives().toHost(L"C:\\Vexa\\file.bin")); }

    LoopbackServer server;
};

TEST_F(UrlDownload, ProgressIsReportedFromFindingTheResourceToTheEndOfTheData) {
    constexpr ULONG size = 3 << 20;
    server.serveGenerated("/file.bin", size);
    server.start();
    RecordingCallback callback;
    ASSERT_EQ(download("/file.bin", &callback), S_OK);
    ASSERT_GE(callback.reports.size(), 4u);
    EXPECT_EQ(callback.reports.front().status, BINDSTATUS_FINDINGRESOURCE);
    EXPECT_TRUE(callback.reported(BINDSTATUS_BEGINDOWNLOADDATA));
    const Report& last = callback.reports.back();
    EXPECT_EQ(last.status, BINDSTATUS_ENDDOWNLOADDATA);
    EXPECT_EQ(last.progress, size);
    EXPECT_EQ(last.max, size);
    ULONG before = 0;
    for (const Report& report : callback.reports) {
        EXPECT_GE(report.progress, before);
        EXPECT_LE(report.progress, size);
        before = report.progress;
    }
    EXPECT_EQ(callback.stopResult, S_OK);
    EXPECT_EQ(std::filesystem::file_size(*host.drives().toHost(L"C:\\Vexa\\file.bin")), size);
}

TEST_F(UrlDownload, AnAbortAnswerStopsTheTransferAndWritesNothing) {
    server.serveGenerated("/file.bin", 3 << 20);
    server.start();
    RecordingCallback callback;
    callback.abortAt = BINDSTATUS_BEGINDOWNLOADDATA;
    EXPECT_EQ(download("/file.bin", &callback), E_ABORT);
    EXPECT_EQ(callback.stopResult, E_ABORT);
    EXPECT_EQ(callback.reports.back().status, BINDSTATUS_BEGINDOWNLOADDATA);
    EXPECT_TRUE(std::filesystem::is_empty(*host.drives().toHost(L"C:\\Vexa")));
}

TEST_F(UrlDownload, TheTickCountIsRealDuringATransferAndSimulatedOutsideIt) {
    server.routes().Get("/file.bin", [this](const httplib::Request&, httplib::Response& response) {
        server.pause(100ms);
        response.set_content("late", "text/plain");
    });
    server.start();
    const DWORD before = GetTickCount();
    std::this_thread::sleep_for(30ms);
    EXPECT_EQ(GetTickCount(), before);
    RecordingCallback callback;
    ASSERT_EQ(download("/file.bin", &callback), S_OK);
    const DWORD first = callback.reports.front().tick;
    const DWORD last = callback.reports.back().tick;
    EXPECT_GE(last - first, 100u);
    const DWORD after = GetTickCount();
    EXPECT_GE(after, last);
    std::this_thread::sleep_for(30ms);
    EXPECT_EQ(GetTickCount(), after);
    Sleep(1000);
    EXPECT_EQ(GetTickCount(), after + 1000);
}

TEST_F(UrlDownload, TheCacheServesAFreshCopyUntilItsEntryIsDeleted) {
    std::mutex guard;
    std::string served = "first version";
    std::string cacheControl = "max-age=3600";
    server.routes().Get("/file.bin", [&](const httplib::Request&, httplib::Response& response) {
        const std::lock_guard lock(guard);
        response.set_header("Cache-Control", cacheControl);
        response.set_content(served, "application/octet-stream");
    });
    server.start();
    const auto change = [&](std::string text, std::string control) {
        const std::lock_guard lock(guard);
        served = std::move(text);
        cacheControl = std::move(control);
    };
    ASSERT_EQ(download("/file.bin"), S_OK);
    change("second version", "no-store");
    RecordingCallback callback;
    ASSERT_EQ(download("/file.bin", &callback), S_OK);
    EXPECT_EQ(downloaded(), "first version");
    EXPECT_TRUE(callback.reported(BINDSTATUS_USINGCACHEDCOPY));
    EXPECT_EQ(server.requests(), 1);

    const std::wstring url = server.wideUrl("/file.bin");
    EXPECT_EQ(DeleteUrlCacheEntryW(url.c_str()), TRUE);
    EXPECT_EQ(DeleteUrlCacheEntryW(url.c_str()), FALSE);
    ASSERT_EQ(download("/file.bin"), S_OK);
    EXPECT_EQ(downloaded(), "second version");
    // A response that forbids keeping it is fetched every time.
    change("third version", "no-store");
    ASSERT_EQ(download("/file.bin"), S_OK);
    EXPECT_EQ(downloaded(), "third version");
    EXPECT_EQ(server.requests(), 3);
}

TEST(CacheLifetime, FollowsTheCachingHeaders) {
    using vexa::sim::win::CachingHeaders;
    using vexa::sim::win::freshLifetime;
    const auto now = std::chrono::system_clock::now();
    const std::string date = "Wed, 09 Dec 2026 03:00:00 GMT";
    EXPECT_EQ(freshLifetime({.cacheControl = "public, max-age=600"}, now), 600s);
    EXPECT_EQ(freshLifetime({.cacheControl = "max-age=600, no-store"}, now), std::nullopt);
    EXPECT_EQ(freshLifetime({.cacheControl = "max-age=0"}, now), std::nullopt);
    EXPECT_EQ(freshLifetime({.pragma = "no-cache", .expires = "Wed, 09 Dec 2026 04:00:00 GMT", .date = date}, now),
              std::nullopt);
    EXPECT_EQ(freshLifetime({.expires = "Wed, 09 Dec 2026 04:00:00 GMT", .date = date}, now), 3600s);
    EXPECT_EQ(freshLifetime({.expires = "0", .date = date}, now), std::nullopt);
    EXPECT_EQ(freshLifetime({.date = date, .lastModified = "Wed, 09 Dec 2026 02:00:00 GMT"}, now), 360s);
    EXPECT_EQ(freshLifetime({}, now), std::nullopt);
}

TEST_F(UrlDownload, AFileAddressReadsAFileOfTheMachine) {
    std::ofstream(*host.drives().toHost(L"C:\\Vexa\\source.txt")) << "local source";
    EXPECT_EQ(URLDownloadToFileW(nullptr, L"file:///C:/Vexa/source.txt", L"C:\\Vexa\\file.bin", 0, nullptr), S_OK);
    EXPECT_EQ(downloaded(), "local source");
    EXPECT_TRUE(FAILED(URLDownloadToFileW(nullptr, L"file:///C:/Vexa/missing.txt", L"C:\\Vexa\\copy.bin", 0, nullptr)));
}

TEST_F(UrlDownload, ATargetFolderThatDoesNotExistFailsTheCall) {
    server.serveGenerated("/file.bin", 10);
    server.start();
    EXPECT_EQ(URLDownloadToFileW(nullptr, server.wideUrl("/file.bin").c_str(), L"C:\\NoSuchFolder\\file.bin", 0, nullptr),
              INET_E_DOWNLOAD_FAILURE);
    EXPECT_EQ(server.requests(), 0);
}

}  // namespace
