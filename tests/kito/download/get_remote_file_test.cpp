// "Vexa-GetRemoteFile" against a real HTTP server on the loopback interface.
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <mutex>

#include "support/file_content.h"
#include "support/host_fixture.h"
#include "support/loopback_server.h"

namespace {

using namespace std::chrono_literals;
using vexa::test::LoopbackServer;

// The file the calls write, and the result they give for it, as prin1 prints it.
constexpr wchar_t localPath[] = L"\"C:\\\\Vexa\\\\update.zip\"";

class GetRemoteFile : public vexa::test::HostTest {
protected:
    GetRemoteFile() {
        load({"VexaKito"});
        std::filesystem::create_directories(folder());
    }

    std::filesystem::path folder() { return *host.drives().toHost(L"C:\\Vexa"); }
    std::filesystem::path target() { return folder() / "update.zip"; }
    void writeOldFile() { std::ofstream(target(), std::ios::binary) << "old file"; }
    std::size_t filesInFolder() {
        return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder()), {}));
    }

    std::wstring get(std::string_view path, long limit) { return getFrom(L"\"" + server.wideUrl(path) + L"\"", limit); }
    std::wstring getFrom(const std::wstring& url, long limit) {
        return eval(L"(Vexa-GetRemoteFile " + url + L" " + localPath + L" " + std::to_wstring(limit) + L")");
    }
    // Milliseconds the call took.
    long long timed(std::string_view path, long limit, std::wstring& result) {
        const auto start = std::chrono::steady_clock::now();
        result = get(path, limit);
        return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count();
    }
    void expectOldFileOnly() {
        EXPECT_EQ(vexa::test::fileContent(target()), "old file");
        EXPECT_EQ(filesInFolder(), 1u) << "a temporary file was left beside the target";
    }

    LoopbackServer server;
};

TEST_F(GetRemoteFile, AFileServedWholeReplacesTheOldOneAndTheGivenPathComesBack) {
    server.routes().Get("/update.zip", [](const httplib::Request&, httplib::Response& response) {
        response.set_content("new update", "application/zip");
    });
    server.start();
    writeOldFile();
    EXPECT_EQ(get("/update.zip", 5000), localPath);
    EXPECT_EQ(vexa::test::fileContent(target()), "new update");
    EXPECT_EQ(filesInFolder(), 1u);
    // Exactly the string given, in the caller's spelling, not the file's.
    EXPECT_EQ(eval(L"(Vexa-GetRemoteFile \"" + server.wideUrl("/update.zip") + L"\" \"c:/vexa/UPDATE.ZIP\" 5000)"),
              L"\"c:/vexa/UPDATE.ZIP\"");
    EXPECT_EQ(host.commandLine().transcript(), L"");
}

TEST_F(GetRemoteFile, LimitsOfZeroOrBelowGiveNilAndTheLimitIsSixteenBits) {
    server.routes().Get("/update.zip", [this](const httplib::Request&, httplib::Response& response) {
        server.pause(30ms);
        response.set_content("new update", "application/zip");
    });
    server.start();
    // 40000 read as 16 bits is negative; 67536 is 2000.
    for (const long limit : {0L, -1L, -32768L, 40000L}) {
        EXPECT_EQ(get("/update.zip", limit), L"nil") << limit;
        EXPECT_FALSE(std::filesystem::exists(target())) << limit;
    }
    EXPECT_EQ(get("/update.zip", 67536), localPath);
}

TEST_F(GetRemoteFile, ATricklingServerIsGivenUpAtTheLimitAndTheOldFileKept) {
    server.routes().Get("/update.zip", [this](const httplib::Request&, httplib::Response& response) {
        response.set_chunked_content_provider("application/zip", [this](std::size_t, httplib::DataSink& sink) {
            for (int chunk = 0; chunk < 100 && server.pause(50ms); ++chunk) {
                if (!sink.write("0123456789", 10)) return false;
            }
            sink.done();
            return true;
        });
    });
    server.start();
    writeOldFile();
    std::wstring result;
    const long long took = timed("/update.zip", 300, result);
    EXPECT_EQ(result, L"nil");
    EXPECT_GE(took, 300);
    EXPECT_LT(took, 1000);
    expectOldFileOnly();
}

TEST_F(GetRemoteFile, AStalledServerIsGivenUpAtTheLimit) {
    // Silent before its answer, or stuck after the first bytes of it.
    server.routes().Get("/silent", [this](const httplib::Request&, httplib::Response& response) {
        server.pause(5s);
        response.set_content("late", "text/plain");
    });
    server.routes().Get("/stuck", [this](const httplib::Request&, httplib::Response& response) {
        response.set_chunked_content_provider("application/zip", [this](std::size_t, httplib::DataSink& sink) {
            sink.write("0123456789", 10);
            server.pause(5s);
            return false;
        });
    });
    server.start();
    writeOldFile();
    for (const char* path : {"/silent", "/stuck"}) {
        std::wstring result;
        const long long took = timed(path, 300, result);
        EXPECT_EQ(result, L"nil") << path;
        EXPECT_GE(took, 300) << path;
        EXPECT_LT(took, 1000) << path;
        expectOldFileOnly();
    }
}

TEST_F(GetRemoteFile, ServerErrorsGiveNilAndKeepTheOldFile) {
    server.routes().Get("/broken", [](const httplib::Request&, httplib::Response& response) {
        response.status = 500;
        response.set_content("server error page", "text/html");
    });
    server.start();
    writeOldFile();
    EXPECT_EQ(get("/missing.zip", 5000), L"nil");
    EXPECT_EQ(get("/broken", 5000), L"nil");
    expectOldFileOnly();
    // Nobody listens at a closed port.
    EXPECT_EQ(getFrom(L"\"http://127.0.0.1:1/update.zip\"", 5000), L"nil");
    expectOldFileOnly();
}

TEST_F(GetRemoteFile, RedirectsAreFollowedToWebAddressesOnly) {
    server.routes().Get("/update.zip", [](const httplib::Request&, httplib::Response& response) {
        response.set_content("new update", "application/zip");
    });
    server.routes().Get("/moved", [](const httplib::Request&, httplib::Response& response) {
        response.set_redirect("/update.zip");
    });
    server.routes().Get("/to-dict", [this](const httplib::Request&, httplib::Response& response) {
        response.set_redirect(server.url("/x").replace(0, 4, "dict"));
    });
    server.routes().Get("/loop", [](const httplib::Request&, httplib::Response& response) {
        response.set_redirect("/loop");
    });
    server.start();
    writeOldFile();
    EXPECT_EQ(get("/to-dict", 5000), L"nil");
    EXPECT_EQ(get("/loop", 5000), L"nil");
    const std::string port = server.url("").substr(std::string("http://127.0.0.1:").size());
    for (const char* scheme : {"gopher", "dict", "telnet"}) {
        const std::string address = std::string(scheme) + "://127.0.0.1:" + port + "/update.zip";
        EXPECT_EQ(getFrom(L"\"" + vexa::test::widen(address) + L"\"", 5000), L"nil") << scheme;
    }
    expectOldFileOnly();
    EXPECT_EQ(get("/moved", 5000), localPath);
    EXPECT_EQ(vexa::test::fileContent(target()), "new update");
}

TEST_F(GetRemoteFile, AServerWithAnUntrustedCertificateGivesNil) {
    const std::filesystem::path keys = host.drives().root() / "tls";
    std::filesystem::create_directories(keys);
    const std::string certificate = (keys / "cert.pem").string();
    const std::string made = "openssl req -x509 -newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -nodes -days 1 "
                             "-subj /CN=127.0.0.1 -addext subjectAltName=IP:127.0.0.1 -keyout '" +
                             (keys / "key.pem").string() + "' -out '" + certificate + "' 2>/dev/null";
    ASSERT_EQ(std::system(made.c_str()), 0);
    LoopbackServer tls(certificate, keys / "key.pem");
    tls.routes().Get("/update.zip", [](const httplib::Request&, httplib::Response& response) {
        response.set_content("new update", "application/zip");
    });
    tls.start();
    // A client that trusts the certificate is answered.
    const std::string trusting = "curl -s -f --cacert '" + certificate + "' -o /dev/null '" + tls.url("/update.zip") + "'";
    ASSERT_EQ(std::system(trusting.c_str()), 0);
    writeOldFile();
    EXPECT_EQ(getFrom(L"\"" + tls.wideUrl("/update.zip") + L"\"", 5000), L"nil");
    expectOldFileOnly();
}

TEST_F(GetRemoteFile, ASecondDownloadGetsTheCurrentServerFileNotACachedCopy) {
    std::mutex guard;
    std::string served = "first version";
    server.routes().Get("/update.zip", [&](const httplib::Request&, httplib::Response& response) {
        const std::lock_guard lock(guard);
        response.set_header("Cache-Control", "max-age=3600");
        response.set_content(served, "application/zip");
    });
    server.start();
    EXPECT_EQ(get("/update.zip", 5000), localPath);
    EXPECT_EQ(vexa::test::fileContent(target()), "first version");
    {
        const std::lock_guard lock(guard);
        served = "second version";
    }
    EXPECT_EQ(get("/update.zip", 5000), localPath);
    EXPECT_EQ(vexa::test::fileContent(target()), "second version");
    EXPECT_EQ(server.requests(), 2);
}

TEST_F(GetRemoteFile, AFailedWriteGivesNilAndKeepsTheOldFile) {
    server.serveGenerated("/update.zip", 4 << 20);
    server.start();
    writeOldFile();
    host.faults().arm(L"WriteFile", 3);
    EXPECT_EQ(get("/update.zip", 5000), L"nil");
    expectOldFileOnly();
}

TEST_F(GetRemoteFile, MalformedCallsGiveNilWithoutATransfer) {
    server.serveGenerated("/update.zip", 10);
    server.start();
    const std::wstring url = L"\"" + server.wideUrl("/update.zip") + L"\"";
    for (const std::wstring& arguments : {std::wstring(), url, url + L" " + localPath, url + L" " + localPath + L" \"100\"",
                                          url + L" " + localPath + L" 1.5", url + L" " + localPath + L" nil",
                                          url + L" nil 100", L"5 " + std::wstring(localPath) + L" 100",
                                          L"'(" + url + L") " + localPath + L" 100", url + L" '(\"C:\\\\a\") 100"}) {
        EXPECT_EQ(eval(L"(Vexa-GetRemoteFile " + arguments + L")"), L"nil") << vexa::test::narrow(arguments);
    }
    EXPECT_EQ(server.requests(), 0);
    EXPECT_FALSE(std::filesystem::exists(target()));
    EXPECT_EQ(host.commandLine().transcript(), L"");
}

TEST_F(GetRemoteFile, TwoHundredMegabytesArriveWhole) {
    constexpr std::uint64_t size = 200ull << 20;
    server.serveGenerated("/update.zip", size);
    server.start();
    ASSERT_EQ(get("/update.zip", 32767), localPath);
    ASSERT_EQ(std::filesystem::file_size(target()), size);
    std::ifstream in(target(), std::ios::binary);
    std::vector<char> chunk(1 << 20);
    for (std::uint64_t offset = 0; offset < size; offset += chunk.size()) {
        in.read(chunk.data(), static_cast<std::streamsize>(chunk.size()));
        for (std::size_t i = 0; i < chunk.size(); i += 4093) {
            ASSERT_EQ(chunk[i], LoopbackServer::generatedByte(offset + i)) << "at byte " << offset + i;
        }
    }
}

}  // namespace
