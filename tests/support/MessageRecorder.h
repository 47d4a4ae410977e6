#pragma once

#include "widgets/MessageBoxes.h"

#include <QString>

#include <deque>
#include <vector>

namespace testsupport {

// Replaces the message boxes while it lives: records every message and answers
// it from a queue. With the queue empty, warnings and errors get Ok, a
// confirmation gets No and a question Cancel. The previous handler comes
// back on destruction.
class MessageRecorder {
public:
    struct Message {
        widgets::MessageKind kind;
        QString title;
        QString text;
    };

    MessageRecorder();
    ~MessageRecorder();
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    // Queues the answer for the next message.
    void Answer(widgets::MessageAnswer a) { answers_.push_back(a); }

    const std::vector<Message>& Messages() const { return messages_; }
    int Count() const { return static_cast<int>(messages_.size()); }
    // The last message; an empty one when nothing was shown.
    Message Last() const;
    // Number of answers still queued.
    int PendingAnswers() const { return static_cast<int>(answers_.size()); }
    void Clear() {
        messages_.clear();
        answers_.clear();
    }

private:
    std::vector<Message> messages_;
    std::deque<widgets::MessageAnswer> answers_;
    widgets::MessageHandler previous_;
};

}  // namespace testsupport
