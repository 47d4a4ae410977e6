#include "tests/support/MessageRecorder.h"

namespace testsupport {

MessageRecorder::MessageRecorder() {
    previous_ =
        widgets::SetMessageHandler([this](widgets::MessageKind kind, const QString& title, const QString& text) {
            messages_.push_back({kind, title, text});
            if (!answers_.empty()) {
                const widgets::MessageAnswer a = answers_.front();
                answers_.pop_front();
                return a;
            }
            if (kind == widgets::MessageKind::Confirmation) return widgets::MessageAnswer::No;
            if (kind == widgets::MessageKind::Question) return widgets::MessageAnswer::Cancel;
            return widgets::MessageAnswer::Ok;
        });
}

MessageRecorder::~MessageRecorder() { widgets::SetMessageHandler(std::move(previous_)); }

MessageRecorder::Message MessageRecorder::Last() const {
    if (messages_.empty()) return {widgets::MessageKind::Warning, QString(), QString()};
    return messages_.back();
}

}  // namespace testsupport
