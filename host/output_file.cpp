// output_file.cpp - buffered output file (see output_file.h).

#include "output_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "import_error.h"

namespace aap::host {

OutputFile::OutputFile(const std::filesystem::path& path) {
    if (path == "-") {
        name_ = "standard output";
        fd_ = STDOUT_FILENO;
    } else {
        name_ = path.string();
        fd_ = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
        if (fd_ < 0) {
            throw ImportError("cannot create " + name_ + ": " + std::strerror(errno));
        }
        owns_fd_ = true;
    }
    buffer_.reserve(kFlushSize + 64 * 1024);
}

OutputFile::~OutputFile() {
    if (owns_fd_ && fd_ >= 0) ::close(fd_);
}

void OutputFile::write_out() {
    const char* data = buffer_.data();
    std::size_t left = buffer_.size();
    while (left > 0) {
        const ssize_t written = ::write(fd_, data, left);
        if (written < 0) {
            if (errno == EINTR) continue;
            throw ImportError("cannot write " + name_ + ": " + std::strerror(errno));
        }
        data += written;
        left -= static_cast<std::size_t>(written);
    }
    buffer_.clear();
}

void OutputFile::close() {
    write_out();
    if (owns_fd_) {
        const int fd = fd_;
        fd_ = -1;
        if (::close(fd) != 0) {
            throw ImportError("cannot write " + name_ + ": " + std::strerror(errno));
        }
    }
}

}  // namespace aap::host
