#pragma once

#include <unistd.h>

#include <utility>

namespace zarnet {

// An open file descriptor, closed by its owner however the owner's scope
// ends; -1 owns nothing.
class Descriptor {
  public:
    Descriptor() = default;
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() { Close(); }
    Descriptor(Descriptor&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    Descriptor& operator=(Descriptor&& other) noexcept {
        if (this != &other) {
            Close();
            fd_ = std::exchange(other.fd_, -1);
        }
        return *this;
    }

    bool Open() const { return fd_ >= 0; }
    int Get() const { return fd_; }

    void Close() {
        if (fd_ >= 0) {
            ::close(fd_);
            fd_ = -1;
        }
    }

  private:
    int fd_ = -1;
};

}  // namespace zarnet
