// output_file.h - a buffered output file written with plain write(2) calls.

#ifndef AAP_HOST_OUTPUT_FILE_H_
#define AAP_HOST_OUTPUT_FILE_H_

#include <filesystem>
#include <string>

namespace aap::host {

// One output file (or standard output) with a large buffer that writers
// append to directly; it is written out in big blocks, never per line.
// Errors (disk full, closed pipe) throw ImportError naming the file.
class OutputFile {
  public:
    // Creates or truncates `path`; "-" means standard output.
    explicit OutputFile(const std::filesystem::path& path);
    ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    // The buffer that writers append to; call flush_if_full() after a record.
    std::string& buffer() { return buffer_; }
    void flush_if_full() {
        if (buffer_.size() >= kFlushSize) write_out();
    }
    // Writes out everything and closes the file; errors throw.
    void close();

  private:
    static constexpr std::size_t kFlushSize = 256 * 1024;
    void write_out();

    std::string name_;
    int fd_ = -1;
    bool owns_fd_ = false;
    std::string buffer_;
};

}  // namespace aap::host

#endif  // AAP_HOST_OUTPUT_FILE_H_
