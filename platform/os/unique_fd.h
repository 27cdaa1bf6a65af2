#pragma once
// Ownership of one POSIX file descriptor: closed when the owner goes away, so
// no path through the code can leak it.

namespace os {

class UniqueFd {
public:
    explicit UniqueFd(int fd = -1) : fd_(fd) {}
    ~UniqueFd();
    UniqueFd(UniqueFd&& other) noexcept;
    UniqueFd& operator=(UniqueFd&& other) noexcept;
    UniqueFd(const UniqueFd&) = delete;
    UniqueFd& operator=(const UniqueFd&) = delete;

    int Get() const { return fd_; }
    bool Valid() const { return fd_ >= 0; }
    // Closes the descriptor held (if any) and takes fd instead.
    void Reset(int fd = -1);

private:
    int fd_;
};

}  // namespace os
