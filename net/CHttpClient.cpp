#include "net/CHttpClient.h"

#include "net/Utf8Repair.h"

#include <curl/curl.h>

#include <algorithm>
#include <cctype>
#include <mutex>

namespace velmoor {

namespace {

constexpr const char* kAgent = "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.1; SV1; .NET CLR 2.0.50727)";
constexpr const char* kHeaders[] = {
    "Accept: *,*/*",
    "Accept-Language: zh-cn",
    "Content-Type: application/x-www-form-urlencoded",
};
constexpr long kMaxRedirects = 5;

struct EasyCleanup {
    void operator()(CURL* handle) const { curl_easy_cleanup(handle); }
};
struct ListFree {
    void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};
using HeaderList = std::unique_ptr<curl_slist, ListFree>;

void InitCurlOnce()
{
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

// Only http and https are fetched; anything else (including an address without a scheme) is
// refused before any network activity.
bool HasWebScheme(const std::string& url)
{
    const auto colon = url.find("://");
    if (colon == std::string::npos)
        return false;
    std::string scheme = url.substr(0, colon);
    std::transform(scheme.begin(), scheme.end(), scheme.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return (scheme == "http" || scheme == "https") && url.size() > colon + 3;
}

HeaderList BuildHeaders()
{
    curl_slist* list = nullptr;
    for (const char* header : kHeaders) {
        curl_slist* grown = curl_slist_append(list, header);
        if (!grown) {
            curl_slist_free_all(list);
            return nullptr;
        }
        list = grown;
    }
    return HeaderList(list);
}

struct ReplySink {
    std::string bytes;
    bool overflow = false;
};

size_t CollectReply(char* data, size_t size, size_t count, void* user)
{
    auto* sink = static_cast<ReplySink*>(user);
    const size_t n = size * count;
    if (sink->bytes.size() + n > CHttpClient::kMaxReplyBytes) {
        sink->overflow = true;
        return 0;  // makes curl abort the transfer
    }
    sink->bytes.append(data, n);
    return n;
}

std::chrono::milliseconds OrDefault(std::chrono::milliseconds value, std::chrono::milliseconds fallback)
{
    return value.count() > 0 ? value : fallback;
}

}  // namespace

struct CHttpClient::Session {
    std::unique_ptr<CURL, EasyCleanup> handle;
};

CHttpClient::CHttpClient(std::chrono::milliseconds connectTimeout, std::chrono::milliseconds totalTimeout,
                         std::string caFile, CProxyLookup proxies)
    : connectTimeout(OrDefault(connectTimeout, kDefaultConnectTimeout)),
      totalTimeout(OrDefault(totalTimeout, kDefaultTotalTimeout)),
      caFile(std::move(caFile)),
      proxies(std::move(proxies))
{
    InitCurlOnce();
    session = std::make_unique<Session>();
    session->handle.reset(curl_easy_init());
}

CHttpClient::~CHttpClient() = default;

int CHttpClient::HttpGet(const std::string& url, std::string& body)
{
    body.clear();
    if (!HasWebScheme(url) || !session->handle)
        return 1;
    HeaderList headers = BuildHeaders();
    if (!headers)
        return 1;

    CURL* h = session->handle.get();
    curl_easy_reset(h);  // keeps the connection cache, drops the previous request's options
    ReplySink sink;
    curl_easy_setopt(h, CURLOPT_URL, url.c_str());
    curl_easy_setopt(h, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(h, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(h, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(h, CURLOPT_MAXREDIRS, kMaxRedirects);
    curl_easy_setopt(h, CURLOPT_HTTPGET, 1L);
    curl_easy_setopt(h, CURLOPT_HTTP_VERSION, static_cast<long>(CURL_HTTP_VERSION_1_1));
    // The system resolver alone decides: an empty proxy is a direct connection, and the empty
    // exclusion list keeps libcurl from second-guessing it with the environment.
    const std::string proxy = proxies.ProxyFor(url);
    curl_easy_setopt(h, CURLOPT_PROXY, proxy.c_str());
    curl_easy_setopt(h, CURLOPT_NOPROXY, "");
    curl_easy_setopt(h, CURLOPT_USERAGENT, kAgent);
    curl_easy_setopt(h, CURLOPT_HTTPHEADER, headers.get());
    curl_easy_setopt(h, CURLOPT_NOSIGNAL, 1L);  // the heartbeat calls from a worker thread
    curl_easy_setopt(h, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(connectTimeout.count()));
    curl_easy_setopt(h, CURLOPT_TIMEOUT_MS, static_cast<long>(totalTimeout.count()));
    // Certificates are checked in full, host name included: a report or heartbeat must not go to
    // whoever answers with some valid certificate for another name.
    curl_easy_setopt(h, CURLOPT_SSL_VERIFYPEER, 1L);
    curl_easy_setopt(h, CURLOPT_SSL_VERIFYHOST, 2L);
    if (!caFile.empty())
        curl_easy_setopt(h, CURLOPT_CAINFO, caFile.c_str());
    curl_easy_setopt(h, CURLOPT_WRITEFUNCTION, &CollectReply);
    curl_easy_setopt(h, CURLOPT_WRITEDATA, &sink);

    const CURLcode result = curl_easy_perform(h);
    curl_easy_setopt(h, CURLOPT_HTTPHEADER, nullptr);  // the list dies with this call
    if (result == CURLE_OPERATION_TIMEDOUT)
        return 2;
    if (result != CURLE_OK || sink.overflow)
        return 1;
    body = RepairUtf8(sink.bytes);
    return 0;
}

}  // namespace velmoor
