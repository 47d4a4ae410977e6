#pragma once

#include <stdexcept>
#include <string>

namespace fuzzy {

// An input/output error with its run-time error code, e.g. 103 = file not open.
// Its message is "E/A-Fehler <code>".
class EInOutError : public std::runtime_error {
public:
    explicit EInOutError(int code);
    int ErrorCode() const noexcept { return code_; }

private:
    int code_;
};

}  // namespace fuzzy
