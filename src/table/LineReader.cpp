// SPDX-License-Identifier: GPL-3.0-or-later
#include "table/LineReader.h"

#include "base/RunTimeError.h"

namespace nuklorama {

bool LineReader::Fill() {
    end_ = source_(buffer_.data(), buffer_.size());
    begin_ = 0;
    return end_ > 0;
}

bool LineReader::NextByteReady() {
    for (;;) {
        if (begin_ == end_ && !Fill()) return false;
        if (!skipLineFeed_) return true;
        skipLineFeed_ = false;
        if (buffer_[begin_] == '\n') ++begin_;
    }
}

bool LineReader::AtEnd() {
    return !inLine_ && !NextByteReady();
}

void LineReader::ReadLine(std::string& line) {
    if (!inLine_) {
        if (!NextByteReady()) throw RunTimeError(ErrorKind::InputPastEndOfFile);
        partial_.clear();
        inLine_ = true;
    }
    for (;;) {
        if (begin_ == end_ && !Fill()) break;  // the last line has no line end
        const char* data = buffer_.data();
        std::size_t stop = begin_;
        while (stop < end_ && data[stop] != '\n' && data[stop] != '\r')
            ++stop;
        partial_.append(data + begin_, stop - begin_);
        if (stop < end_) {
            skipLineFeed_ = data[stop] == '\r';
            begin_ = stop + 1;
            break;
        }
        begin_ = end_;
    }
    inLine_ = false;
    line.swap(partial_);
}

}  // namespace nuklorama
