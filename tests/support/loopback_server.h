// A real HTTP server on the loopback interface at a free port, serving on its own threads for
// one test. Handlers that wait do so in short slices, so stopping the server is quick.
#pragma once

#include <httplib.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <thread>

namespace vexa::test {

class LoopbackServer {
public:
    // Bound to 127.0.0.1; routes are added through routes() before start().
    LoopbackServer();
    // The same over TLS, with a certificate and key in PEM files.
    LoopbackServer(const std::filesystem::path& certificate, const std::filesystem::path& key);
    ~LoopbackServer();
    LoopbackServer(const LoopbackServer&) = delete;
    LoopbackServer& operator=(const LoopbackServer&) = delete;

    httplib::Server& routes() { return *server_; }
    void start();

    std::string url(std::string_view path) const;
    std::wstring wideUrl(std::string_view path) const;
    // Requests that reached the server so far.
    int requests() const { return requests_; }

    // Waits for the duration, or less when the server stops; false when it stopped.
    bool pause(std::chrono::milliseconds duration) const;

    // Serves size bytes of generatedByte at path without holding them in memory.
    void serveGenerated(const std::string& path, std::uint64_t size);
    static char generatedByte(std::uint64_t offset) { return static_cast<char>(offset % 251); }

private:
    void bind();

    std::unique_ptr<httplib::Server> server_;
    std::string scheme_;
    int port_ = -1;
    std::thread thread_;
    std::atomic<bool> stopping_{false};
    std::atomic<int> requests_{0};
};

}  // namespace vexa::test
