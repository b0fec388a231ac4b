#include "support/loopback_server.h"

#include <algorithm>
#include <memory>
#include <stdexcept>
#include <vector>

namespace vexa::test {

namespace {

// A whole number of pattern periods, so any offset starts inside it.
constexpr std::size_t patternBytes = 251 * 1024;

const std::vector<char>& pattern() {
    static const std::vector<char> bytes = [] {
        std::vector<char> filled(patternBytes + 251);
        for (std::size_t i = 0; i < filled.size(); ++i) filled[i] = LoopbackServer::generatedByte(i);
        return filled;
    }();
    return bytes;
}

}  // namespace

LoopbackServer::LoopbackServer() : server_(std::make_unique<httplib::Server>()), scheme_("http") { bind(); }

LoopbackServer::LoopbackServer(const std::filesystem::path& certificate, const std::filesystem::path& key)
    : server_(std::make_unique<httplib::SSLServer>(certificate.c_str(), key.c_str())), scheme_("https") {
    bind();
}

void LoopbackServer::bind() {
    server_->set_read_timeout(std::chrono::seconds(2));
    server_->set_write_timeout(std::chrono::seconds(2));
    server_->set_pre_routing_handler([this](const httplib::Request&, httplib::Response&) {
        ++requests_;
        return httplib::Server::HandlerResponse::Unhandled;
    });
    port_ = server_->bind_to_any_port("127.0.0.1");
    if (port_ <= 0) throw std::runtime_error("no loopback port to listen on");
}

LoopbackServer::~LoopbackServer() {
    stopping_ = true;
    server_->stop();
    if (thread_.joinable()) thread_.join();
}

void LoopbackServer::start() {
    thread_ = std::thread([this] { server_->listen_after_bind(); });
    // stop() is only heard once the server runs.
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!server_->is_running() && std::chrono::steady_clock::now() < giveUp) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

std::string LoopbackServer::url(std::string_view path) const {
    return scheme_ + "://127.0.0.1:" + std::to_string(port_) + std::string(path);
}

std::wstring LoopbackServer::wideUrl(std::string_view path) const {
    const std::string text = url(path);
    return std::wstring(text.begin(), text.end());
}

bool LoopbackServer::pause(std::chrono::milliseconds duration) const {
    const auto until = std::chrono::steady_clock::now() + duration;
    while (!stopping_ && std::chrono::steady_clock::now() < until) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return !stopping_;
}

void LoopbackServer::serveGenerated(const std::string& path, std::uint64_t size) {
    server_->Get(path, [size](const httplib::Request&, httplib::Response& response) {
        response.set_content_provider(size, "application/octet-stream",
                                      [](std::size_t offset, std::size_t length, httplib::DataSink& sink) {
                                          const std::size_t start = offset % 251;
                                          const std::size_t count = std::min(length, patternBytes);
                                          return sink.write(pattern().data() + start, count);
                                      });
    });
}

}  // namespace vexa::test
