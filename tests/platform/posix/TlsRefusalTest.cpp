// Certificates are verified: a server whose certificate no authority the
// system trusts has signed is a host that cannot be reached, and not one
// request reaches it. (Wine's TLS lets such a certificate pass, so this runs
// on Linux only.)
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <openssl/err.h>
#include <openssl/evp.h>
#include <openssl/ssl.h>
#include <openssl/x509v3.h>
#include <sys/select.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <stdexcept>
#include <string>
#include <thread>

#include "platform/CurlTransport.h"

namespace zarnet {
namespace {

using namespace std::chrono_literals;

// An HTTPS server on 127.0.0.1 with a certificate of its own making, for
// 127.0.0.1 and signed by itself. It counts the handshakes begun and the
// bytes of request that came through one.
class SelfSignedServer {
  public:
    SelfSignedServer() {
        key_ = EVP_EC_gen("P-256");
        cert_ = X509_new();
        X509_set_version(cert_, 2);
        ASN1_INTEGER_set(X509_get_serialNumber(cert_), 1);
        X509_gmtime_adj(X509_getm_notBefore(cert_), -60);
        X509_gmtime_adj(X509_getm_notAfter(cert_), 24 * 3600);
        X509_set_pubkey(cert_, key_);
        X509_NAME* name = X509_get_subject_name(cert_);
        X509_NAME_add_entry_by_txt(name, "CN", MBSTRING_ASC,
                                   reinterpret_cast<const unsigned char*>("127.0.0.1"), -1, -1, 0);
        X509_set_issuer_name(cert_, name);
        // The name matches: only the signature is at fault.
        X509V3_CTX context;
        X509V3_set_ctx(&context, cert_, cert_, nullptr, nullptr, 0);
        X509_EXTENSION* altName =
            X509V3_EXT_conf_nid(nullptr, &context, NID_subject_alt_name, "IP:127.0.0.1");
        X509_add_ext(cert_, altName, -1);
        X509_EXTENSION_free(altName);
        X509_sign(cert_, key_, EVP_sha256());

        tls_ = SSL_CTX_new(TLS_server_method());
        SSL_CTX_use_certificate(tls_, cert_);
        SSL_CTX_use_PrivateKey(tls_, key_);

        listener_ = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof(address);
        if (bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof(address)) != 0 ||
            listen(listener_, 8) != 0 ||
            getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
            throw std::runtime_error("cannot listen");
        }
        port_ = ntohs(address.sin_port);
        thread_ = std::thread([this] { Serve(); });
    }

    ~SelfSignedServer() {
        stopping_ = true;
        thread_.join();
        close(listener_);
        SSL_CTX_free(tls_);
        X509_free(cert_);
        EVP_PKEY_free(key_);
    }

    std::string Url(const std::string& path) const {
        return "https://127.0.0.1:" + std::to_string(port_) + path;
    }
    int Handshakes() const { return handshakes_; }
    int RequestBytes() const { return requestBytes_; }

  private:
    void Serve() {
        while (!stopping_) {
            fd_set ready;
            FD_ZERO(&ready);
            FD_SET(listener_, &ready);
            timeval tick{0, 20000};
            if (select(listener_ + 1, &ready, nullptr, nullptr, &tick) <= 0) {
                continue;
            }
            const int connection = accept(listener_, nullptr, nullptr);
            timeval limit{5, 0};
            setsockopt(connection, SOL_SOCKET, SO_RCVTIMEO, &limit, sizeof(limit));
            SSL* session = SSL_new(tls_);
            SSL_set_fd(session, connection);
            ++handshakes_;
            if (SSL_accept(session) == 1) {
                char buffer[1024];
                const int n = SSL_read(session, buffer, sizeof(buffer));
                requestBytes_ += n > 0 ? n : 0;
            }
            SSL_free(session);
            close(connection);
            ERR_clear_error();
        }
    }

    EVP_PKEY* key_ = nullptr;
    X509* cert_ = nullptr;
    SSL_CTX* tls_ = nullptr;
    int listener_ = -1;
    int port_ = 0;
    std::atomic<bool> stopping_{false};
    std::atomic<int> handshakes_{0};
    std::atomic<int> requestBytes_{0};
    std::thread thread_;
};

TEST(TlsRefusalTest, ASelfSignedCertificateIsRefusedBeforeAnyRequest) {
    SelfSignedServer server;
    CurlTransport transport({1, 15s});
    for (const ProbeMethod method : {ProbeMethod::Head, ProbeMethod::GetFirstByte}) {
        transport.Start({1, server.Url("/p1.jpg"), method});
        std::vector<ProbeAnswer> answers;
        for (int round = 0; round < 300 && answers.empty(); ++round) {
            answers = transport.Collect(100ms);
        }
        ASSERT_EQ(answers.size(), 1u);
        EXPECT_EQ(answers[0].Result, ProbeAnswer::Outcome::Unreachable);
        EXPECT_EQ(answers[0].Reason, "SSL peer certificate or SSH remote key was not OK");
    }
    EXPECT_GE(server.Handshakes(), 1);
    EXPECT_EQ(server.RequestBytes(), 0);
}

}  // namespace
}  // namespace zarnet
