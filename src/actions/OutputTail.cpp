#include "actions/OutputTail.h"

#include "text/PlainText.h"

namespace voltrail {

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v';
}

} // namespace

OutputTail::OutputTail(size_t capacity) : capacity_(capacity) {}

void OutputTail::Append(std::string_view bytes)
{
    if (bytes.size() >= capacity_) {
        dropped_ = dropped_ || !buffer_.empty() || bytes.size() > capacity_;
        buffer_.assign(bytes.substr(bytes.size() - capacity_));
        return;
    }
    buffer_.append(bytes);
    if (buffer_.size() > capacity_) {
        buffer_.erase(0, buffer_.size() - capacity_);
        dropped_ = true;
    }
}

std::string OutputTail::LastLine() const
{
    size_t end = buffer_.size();
    while (end > 0 && IsBlank(buffer_[end - 1]))
        --end;
    if (end == 0)
        return {};
    const size_t newline = buffer_.rfind('\n', end - 1);
    size_t start = newline == std::string::npos ? 0 : newline + 1;
    const bool cut = dropped_ && newline == std::string::npos;
    if (cut) {
        // The kept bytes may begin inside a character: skip its rest.
        while (start < end && (static_cast<unsigned char>(buffer_[start]) & 0xC0) == 0x80)
            ++start;
    }
    while (start < end && IsBlank(buffer_[start]))
        ++start;
    const std::string line = SafeLine(std::string_view(buffer_).substr(start, end - start));
    return TruncateUtf8(cut ? "\xE2\x80\xA6" + line : line, kLongestLine);
}

} // namespace voltrail
