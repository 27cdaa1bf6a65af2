#pragma once
// One write of a generic view: the request is synchronous for as long as the
// object lives, and the variables it marks invalid (left out of the write)
// are unmarked again. Both are undone on every way out, also when collecting
// the values or the write raises.

#include <vector>

class VkSNMPRequest2Edits;

class SynchronousWrite {
public:
    explicit SynchronousWrite(VkSNMPRequest2Edits& request);
    ~SynchronousWrite();
    SynchronousWrite(const SynchronousWrite&) = delete;
    SynchronousWrite& operator=(const SynchronousWrite&) = delete;

    // Leaves variable i out of the write.
    void LeaveOut(int i);
    // Undoes the marks now (the async flag stays cleared until the end).
    void Unmark();

private:
    VkSNMPRequest2Edits& request_;
    bool wasAsync_;
    std::vector<int> marked_;
};
