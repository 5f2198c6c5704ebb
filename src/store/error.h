#pragma once
// The one error type of the program: thrown by the store and by any rule that cannot go on. It carries a
// message for the director and the cause behind it (the file and the system's reason, say), so that a
// window can show the one and the log can keep both.

#include <stdexcept>
#include <string>

namespace tallyvex::store {

class Error : public std::runtime_error {
public:
    // what() is the message followed by ": " and the cause, or the message alone when there is no cause.
    // `code` is a library's own result code (SQLite's), 0 when there is none.
    explicit Error(const std::string& message, const std::string& cause = {}, int code = 0)
        : std::runtime_error(cause.empty() ? message : message + ": " + cause),
          m_message(message),
          m_cause(cause),
          m_code(code) {}

    const std::string& message() const { return m_message; }
    // The bare cause ("Permission denied") when known, else the whole message.
    const std::string& cause() const { return m_cause.empty() ? m_message : m_cause; }
    int code() const { return m_code; }

private:
    std::string m_message;
    std::string m_cause;
    int m_code = 0;
};

}  // namespace tallyvex::store
