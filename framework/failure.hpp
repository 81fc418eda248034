#pragma once

#include <string>
#include <utility>

namespace hyx {

// A failure that ends the MATLAB call with its message. Internal code throws
// it; only the entry point turns it into MATLAB's error, after every C++
// object of the call is gone.
class Failure {
public:
    explicit Failure(std::string message) : own_(std::move(message)) {}

    // The library's own error text, passed on unchanged.
    static Failure Library(const char* text) {
        Failure f{std::string()};
        f.library_ = text;
        return f;
    }

    const char* Text() const { return library_ ? library_ : own_.c_str(); }
    bool IsLibraryText() const { return library_ != nullptr; }

private:
    std::string own_;
    const char* library_ = nullptr;
};

}  // namespace hyx
