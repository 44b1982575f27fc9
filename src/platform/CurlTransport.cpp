#include "platform/CurlTransport.h"

#include <curl/curl.h>

#include <charconv>
#include <map>
#include <mutex>
#include <thread>
#include <utility>

#include "platform/LocalFiles.h"
#include "platform/SystemNetwork.h"

namespace zarnet {

namespace {

void InitialiseCurlOnce() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

// The address as it goes on the wire: after the host, bytes that may not
// stand in an address as they are (blanks, controls, quotes and angle
// brackets, and every byte of a character beyond ASCII) are escaped, as a
// browser does with the UTF-8 of what it is given.
std::string WireUrl(const std::string& url) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    const std::size_t scheme = url.find("://");
    const std::size_t path = scheme == std::string::npos ? 0 : url.find_first_of("/?#", scheme + 3);
    if (path == std::string::npos) {
        return url;
    }
    std::string wire = url.substr(0, path);
    for (std::size_t i = path; i < url.size(); ++i) {
        const auto byte = static_cast<unsigned char>(url[i]);
        if (byte <= 0x20 || byte >= 0x7F || byte == '"' || byte == '<' || byte == '>') {
            wire += '%';
            wire += kHex[byte >> 4];
            wire += kHex[byte & 0x0F];
        } else {
            wire += url[i];
        }
    }
    return wire;
}

// The length of the whole file from "bytes 0-0/12345"; nothing for "*".
std::optional<std::uint64_t> TotalOfRange(std::string_view range) {
    const std::size_t slash = range.rfind('/');
    if (slash == std::string_view::npos) {
        return std::nullopt;
    }
    const std::string_view total = range.substr(slash + 1);
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(total.data(), total.data() + total.size(), value);
    if (error != std::errc() || end != total.data() + total.size()) {
        return std::nullopt;
    }
    return value;
}

std::string HeaderOf(CURL* easy, const char* name) {
    curl_header* header = nullptr;
    if (curl_easy_header(easy, name, 0, CURLH_HEADER, -1, &header) == CURLHE_OK &&
        header != nullptr && header->value != nullptr) {
        return header->value;
    }
    return {};
}

// Failures that say the host cannot be reached at all, rather than that one
// request went wrong. A timeout is one of them only when not even the
// request went out: the connection or its handshake never came about.
bool MeansUnreachable(CURLcode code, CURL* easy) {
    switch (code) {
        case CURLE_COULDNT_RESOLVE_PROXY:
        case CURLE_COULDNT_RESOLVE_HOST:
        case CURLE_COULDNT_CONNECT:
        case CURLE_SSL_CONNECT_ERROR:
        case CURLE_PEER_FAILED_VERIFICATION:
        case CURLE_SSL_CERTPROBLEM:
        case CURLE_SSL_CIPHER:
        case CURLE_SSL_ISSUER_ERROR:
        case CURLE_SSL_PINNEDPUBKEYNOTMATCH:
        case CURLE_SSL_INVALIDCERTSTATUS:
        case CURLE_SSL_CACERT_BADFILE:
        case CURLE_SSL_CRL_BADFILE:
            return true;
        case CURLE_OPERATION_TIMEDOUT: {
            long sent = 0;
            curl_easy_getinfo(easy, CURLINFO_REQUEST_SIZE, &sent);
            return sent == 0;
        }
        default:
            return false;
    }
}

struct Transfer {
    std::uint64_t Id = 0;
    CURL* Easy = nullptr;
    CURLU* Url = nullptr;
    // A GET is ended once its first byte of content arrives.
    bool StoppedAtContent = false;

    ~Transfer() {
        curl_easy_cleanup(Easy);
        curl_url_cleanup(Url);
    }
};

extern "C" std::size_t StopAtContent(char*, std::size_t, std::size_t, void* transfer) {
    static_cast<Transfer*>(transfer)->StoppedAtContent = true;
    return 0;  // ends the transfer
}

ProbeAnswer PlainAnswer(std::uint64_t id, ProbeAnswer::Outcome outcome, std::string reason) {
    ProbeAnswer answer;
    answer.Id = id;
    answer.Result = outcome;
    answer.Reason = std::move(reason);
    return answer;
}

ProbeAnswer AnswerOf(const Transfer& transfer, CURLcode code) {
    CURL* easy = transfer.Easy;
    if (code != CURLE_OK && !(code == CURLE_WRITE_ERROR && transfer.StoppedAtContent)) {
        return PlainAnswer(transfer.Id,
                           MeansUnreachable(code, easy) ? ProbeAnswer::Outcome::Unreachable
                                                        : ProbeAnswer::Outcome::Failed,
                           curl_easy_strerror(code));
    }
    ProbeAnswer answer;
    answer.Id = transfer.Id;
    answer.Result = ProbeAnswer::Outcome::Response;
    long status = 0;
    curl_easy_getinfo(easy, CURLINFO_RESPONSE_CODE, &status);
    answer.Status = static_cast<int>(status);
    char* text = nullptr;
    if (curl_easy_getinfo(easy, CURLINFO_REDIRECT_URL, &text) == CURLE_OK && text != nullptr) {
        answer.Location = text;
    }
    text = nullptr;
    if (curl_easy_getinfo(easy, CURLINFO_CONTENT_TYPE, &text) == CURLE_OK && text != nullptr) {
        answer.ContentType = text;
    }
    if (status == 206) {
        answer.Length = TotalOfRange(HeaderOf(easy, "Content-Range"));
    } else {
        curl_off_t length = -1;
        if (curl_easy_getinfo(easy, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &length) == CURLE_OK &&
            length >= 0) {
            answer.Length = static_cast<std::uint64_t>(length);
        }
    }
    answer.ETag = HeaderOf(easy, "ETag");
    curl_off_t retryAfter = 0;
    if (curl_easy_getinfo(easy, CURLINFO_RETRY_AFTER, &retryAfter) == CURLE_OK && retryAfter > 0) {
        answer.RetryAfterSeconds = static_cast<std::int64_t>(retryAfter);
    }
    return answer;
}

}  // namespace

class CurlTransport::Impl {
  public:
    explicit Impl(const Settings& settings) : settings_(settings) {
        InitialiseCurlOnce();
        multi_ = curl_multi_init();
        const long connections = settings.Connections;
        curl_multi_setopt(multi_, CURLMOPT_MAX_TOTAL_CONNECTIONS, connections);
        curl_multi_setopt(multi_, CURLMOPT_MAX_HOST_CONNECTIONS, connections);
        curl_multi_setopt(multi_, CURLMOPT_MAXCONNECTS, connections);
    }

    ~Impl() {
        AbortAll();
        curl_multi_cleanup(multi_);
    }

    Impl(const Impl&) = delete;
    Impl& operator=(const Impl&) = delete;

    void Start(const ProbeRequest& request) {
        if (request.Method == ProbeMethod::LocalFile) {
            ready_.push_back(LookUp(request));
            return;
        }
        auto transfer = std::make_unique<Transfer>();
        transfer->Id = request.Id;
        transfer->Easy = curl_easy_init();
        transfer->Url = curl_url();
        if (transfer->Easy == nullptr || transfer->Url == nullptr || multi_ == nullptr) {
            ready_.push_back(PlainAnswer(request.Id, ProbeAnswer::Outcome::Failed,
                                         curl_easy_strerror(CURLE_OUT_OF_MEMORY)));
            return;
        }
        const CURLUcode parsed =
            curl_url_set(transfer->Url, CURLUPART_URL, WireUrl(request.Target).c_str(), 0);
        if (parsed != CURLUE_OK) {
            ready_.push_back(
                PlainAnswer(request.Id, ProbeAnswer::Outcome::Failed, curl_url_strerror(parsed)));
            return;
        }
        // A user name or password in the address never goes out.
        for (const CURLUPart part : {CURLUPART_USER, CURLUPART_PASSWORD, CURLUPART_OPTIONS}) {
            curl_url_set(transfer->Url, part, nullptr, 0);
        }
        CURL* easy = transfer->Easy;
        curl_easy_setopt(easy, CURLOPT_CURLU, transfer->Url);
        curl_easy_setopt(easy, CURLOPT_PROTOCOLS_STR, "http,https");
        curl_easy_setopt(easy, CURLOPT_USERAGENT, userAgent_.c_str());
        curl_easy_setopt(easy, CURLOPT_NOSIGNAL, 1L);
        const long timeout = static_cast<long>(settings_.Timeout.count());
        curl_easy_setopt(easy, CURLOPT_TIMEOUT_MS, timeout);
        curl_easy_setopt(easy, CURLOPT_CONNECTTIMEOUT_MS, timeout);
        curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, StopAtContent);
        curl_easy_setopt(easy, CURLOPT_WRITEDATA, transfer.get());
        if (request.Method == ProbeMethod::Head) {
            curl_easy_setopt(easy, CURLOPT_NOBODY, 1L);
        } else {
            curl_easy_setopt(easy, CURLOPT_RANGE, "0-0");
        }
        system_.Apply(easy, request.Target);
        if (curl_multi_add_handle(multi_, easy) != CURLM_OK) {
            ready_.push_back(PlainAnswer(request.Id, ProbeAnswer::Outcome::Failed,
                                         curl_easy_strerror(CURLE_OUT_OF_MEMORY)));
            return;
        }
        running_.emplace(easy, std::move(transfer));
    }

    std::vector<ProbeAnswer> Collect(std::chrono::milliseconds wait) {
        Drive();
        if (ready_.empty() && wait.count() > 0) {
            if (running_.empty()) {
                std::this_thread::sleep_for(wait);
            } else {
                curl_multi_poll(multi_, nullptr, 0, static_cast<int>(wait.count()), nullptr);
                Drive();
            }
        }
        return std::exchange(ready_, {});
    }

    void AbortAll() {
        for (auto& [easy, transfer] : running_) {
            curl_multi_remove_handle(multi_, easy);
        }
        running_.clear();
        ready_.clear();
    }

  private:
    static ProbeAnswer LookUp(const ProbeRequest& request) {
        std::string reason;
        switch (CheckLocalFile(request.Target, reason)) {
            case LocalFileState::Found:
                return PlainAnswer(request.Id, ProbeAnswer::Outcome::FileFound, {});
            case LocalFileState::Missing:
                return PlainAnswer(request.Id, ProbeAnswer::Outcome::FileMissing, {});
            case LocalFileState::Unreadable:
                break;
        }
        return PlainAnswer(request.Id, ProbeAnswer::Outcome::Failed, reason);
    }

    // Moves every transfer on as far as it goes without waiting, and takes
    // the finished ones.
    void Drive() {
        if (running_.empty()) {
            return;
        }
        int stillRunning = 0;
        curl_multi_perform(multi_, &stillRunning);
        int left = 0;
        while (CURLMsg* message = curl_multi_info_read(multi_, &left)) {
            if (message->msg != CURLMSG_DONE) {
                continue;
            }
            const auto it = running_.find(message->easy_handle);
            if (it == running_.end()) {
                continue;
            }
            const CURLcode code = message->data.result;
            ready_.push_back(AnswerOf(*it->second, code));
            curl_multi_remove_handle(multi_, it->first);
            running_.erase(it);
        }
    }

    Settings settings_;
    std::string userAgent_ = CurlTransport::UserAgent();
    CURLM* multi_ = nullptr;
    SystemNetwork system_;
    std::map<CURL*, std::unique_ptr<Transfer>> running_;
    std::vector<ProbeAnswer> ready_;
};

CurlTransport::CurlTransport(const Settings& settings) : impl_(std::make_unique<Impl>(settings)) {}

CurlTransport::~CurlTransport() = default;

void CurlTransport::Start(const ProbeRequest& request) {
    impl_->Start(request);
}

std::vector<ProbeAnswer> CurlTransport::Collect(std::chrono::milliseconds wait) {
    return impl_->Collect(wait);
}

void CurlTransport::AbortAll() {
    impl_->AbortAll();
}

std::chrono::steady_clock::time_point CurlTransport::Now() const {
    return std::chrono::steady_clock::now();
}

std::string CurlTransport::UserAgent() {
    return "Zarnet/" ZARNET_VERSION;
}

}  // namespace zarnet
