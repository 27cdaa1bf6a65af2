#include "sim/tftp_client.h"

#include <algorithm>
#include <cstring>
#include <curl/curl.h>

namespace sim {

namespace {

struct Source {
    const std::string* content;
    size_t offset;
    bool stall;
};

struct Target {
    std::string* content;
    bool stall;
};

size_t WriteInto(char* data, size_t size, size_t count, void* target) {
    auto* into = static_cast<Target*>(target);
    if (into->stall && !into->content->empty()) return 0;  // aborts the transfer
    into->content->append(data, size * count);
    return size * count;
}

size_t ReadFrom(char* buffer, size_t size, size_t count, void* source) {
    auto* from = static_cast<Source*>(source);
    if (from->stall && from->offset > 0) return CURL_READFUNC_ABORT;
    size_t n = std::min(size * count, from->content->size() - from->offset);
    std::memcpy(buffer, from->content->data() + from->offset, n);
    from->offset += n;
    return n;
}

// The URL of `file` on the server, the name escaped.
std::string UrlOf(CURL* curl, const TftpServer& server, const std::string& file) {
    char* escaped = curl_easy_escape(curl, file.c_str(), static_cast<int>(file.size()));
    std::string url = "tftp://" + server.address + ":" + std::to_string(server.port) + "/" +
                      (escaped ? escaped : "");
    curl_free(escaped);
    return url;
}

// Common options: plain requests, a short connect time-out, no signals
// (the transfer runs on a worker thread).
void SetCommonOptions(CURL* curl, const TftpServer& server, const std::string& url) {
    curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
    curl_easy_setopt(curl, CURLOPT_TFTP_NO_OPTIONS, 1L);
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(server.connectTimeoutMs));
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "tftp");
}

TftpOutcome Perform(CURL* curl) {
    CURLcode code = curl_easy_perform(curl);
    curl_easy_cleanup(curl);
    // The error buffer is not used: for TFTP it holds a stale socket message
    // even on success; the code names the failure.
    if (code == CURLE_OK) return {true, "ok"};
    return {false, curl_easy_strerror(code)};
}

}  // namespace

void TftpGlobalInit() { curl_global_init(CURL_GLOBAL_DEFAULT); }

void TftpGlobalCleanup() { curl_global_cleanup(); }

TftpOutcome TftpGet(const TftpServer& server, const std::string& file, std::string& content) {
    content.clear();
    CURL* curl = curl_easy_init();
    if (curl == nullptr) return {false, "cannot start a transfer"};
    SetCommonOptions(curl, server, UrlOf(curl, server, file));
    Target target{&content, server.stallAfterFirstBlock};
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, &WriteInto);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &target);
    return Perform(curl);
}

TftpOutcome TftpPut(const TftpServer& server, const std::string& file, const std::string& content) {
    CURL* curl = curl_easy_init();
    if (curl == nullptr) return {false, "cannot start a transfer"};
    Source source{&content, 0, server.stallAfterFirstBlock};
    SetCommonOptions(curl, server, UrlOf(curl, server, file));
    curl_easy_setopt(curl, CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(curl, CURLOPT_READFUNCTION, &ReadFrom);
    curl_easy_setopt(curl, CURLOPT_READDATA, &source);
    curl_easy_setopt(curl, CURLOPT_INFILESIZE_LARGE, static_cast<curl_off_t>(content.size()));
    return Perform(curl);
}

}  // namespace sim
