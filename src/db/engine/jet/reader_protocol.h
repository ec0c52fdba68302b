// reader_protocol.h - the messages the Jet reader program sends to the loader.
//
// The reader program (aap-jet-reader) writes a stream of messages to the pipe
// on its descriptor kProtocolFd; the loader in the host process reads them.
// Both ends are built from this tree for the same machine, so integers travel
// in the host's byte order.
//
// A message is   kind (1 byte) | payload length (u32) | payload.
//
//   kTableNames  u32 count, then count x (u32 length, UTF-8 bytes)
//   kColumns     u64 row count from the table's header, u32 column count,
//                then per column: u8 ValueKind, u32 size (characters of a
//                Text column, else 0), u32 length, UTF-8 name
//   kRows        u32 row count, then the rows; per column a presence byte
//                (0 = NULL, 1 = value) followed, for a value, by its bytes:
//                fixed-width kinds by FixedWidth(), the others as u32 length
//                and the bytes (UTF-8 for Text and Memo)
//   kEnd         u64 number of rows sent
//   kError       UTF-8 text saying what failed
//
// Every reader of a payload checks each length against what is left, so a
// confused reader program can make the loader fail but never misread memory.

#ifndef AAP_DB_ENGINE_JET_READER_PROTOCOL_H_
#define AAP_DB_ENGINE_JET_READER_PROTOCOL_H_

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <string>
#include <string_view>

namespace cdb::jet::wire {

static_assert(std::endian::native == std::endian::little,
              "the reader protocol and the Jet decoding assume a little-endian host");

// The descriptor the reader program writes its messages to.
inline constexpr int kProtocolFd = 3;

// Size of the message header: kind byte and payload length.
inline constexpr std::size_t kHeaderSize = 5;

// Largest payload the loader accepts in one message.
inline constexpr std::uint32_t kMaxPayload = 1u << 30;

enum class MessageKind : std::uint8_t {
    kTableNames = 'N',
    kColumns = 'C',
    kRows = 'R',
    kEnd = 'E',
    kError = 'X',
};

// How a column's values travel; each maps to one declared type of the copy.
enum class ValueKind : std::uint8_t {
    kShort = 1,     // int16
    kLong = 2,      // int32
    kByte = 3,      // uint8
    kBit = 4,       // uint8 0/1
    kCurrency = 5,  // int64 ten-thousandths
    kDouble = 6,    // IEEE double
    kSingle = 7,    // IEEE float
    kDateTime = 8,  // IEEE double, the stored OLE date
    kText = 9,      // UTF-8
    kMemo = 10,     // UTF-8
    kBinary = 11,   // raw bytes
};

inline constexpr ValueKind kLastValueKind = ValueKind::kBinary;

// Bytes of a value of fixed width, 0 for the kinds sent with a length.
constexpr std::size_t FixedWidth(ValueKind kind) {
    switch (kind) {
        case ValueKind::kShort:
            return 2;
        case ValueKind::kLong:
            return 4;
        case ValueKind::kByte:
        case ValueKind::kBit:
            return 1;
        case ValueKind::kCurrency:
        case ValueKind::kDouble:
        case ValueKind::kDateTime:
            return 8;
        case ValueKind::kSingle:
            return 4;
        case ValueKind::kText:
        case ValueKind::kMemo:
        case ValueKind::kBinary:
            return 0;
    }
    return 0;
}

// Appends values to a byte buffer.
class ByteWriter {
  public:
    explicit ByteWriter(std::string& out) : out_(out) {}

    template <typename T>
    void Put(T value) {
        char raw[sizeof(T)];
        std::memcpy(raw, &value, sizeof(T));
        out_.append(raw, sizeof(T));
    }
    void PutBytes(const void* data, std::size_t size) {
        out_.append(static_cast<const char*>(data), size);
    }
    void PutSized(std::string_view bytes) {
        Put<std::uint32_t>(static_cast<std::uint32_t>(bytes.size()));
        PutBytes(bytes.data(), bytes.size());
    }

  private:
    std::string& out_;
};

// Thrown by ByteReader when a payload is shorter than its contents claim.
class MalformedMessage : public std::runtime_error {
  public:
    MalformedMessage() : std::runtime_error("a message from the Jet reader is malformed") {}
};

// Reads values from a payload, checking every length against what is left.
class ByteReader {
  public:
    explicit ByteReader(std::string_view data) : data_(data) {}

    template <typename T>
    T Get() {
        T value;
        std::memcpy(&value, Take(sizeof(T)), sizeof(T));
        return value;
    }
    std::string_view GetBytes(std::size_t size) { return {Take(size), size}; }
    std::string_view GetSized() { return GetBytes(Get<std::uint32_t>()); }
    bool AtEnd() const { return pos_ == data_.size(); }

  private:
    const char* Take(std::size_t size) {
        if (size > data_.size() - pos_) throw MalformedMessage();
        const char* at = data_.data() + pos_;
        pos_ += size;
        return at;
    }

    std::string_view data_;
    std::size_t pos_ = 0;
};

}  // namespace cdb::jet::wire

#endif  // AAP_DB_ENGINE_JET_READER_PROTOCOL_H_
