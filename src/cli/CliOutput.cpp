#include "cli/CliOutput.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "cli/CliExitStatus.h"

namespace kav::cli {

CheckedOutputBuffer::CheckedOutputBuffer(int fd) : fd_(fd) {
  setp(buffer_, buffer_ + sizeof buffer_);
}

bool CheckedOutputBuffer::WriteAll(const char* text, std::size_t count) {
  while (count > 0 && error_ == 0) {
    const ssize_t put = ::write(fd_, text, count);
    if (put < 0) {
      if (errno != EINTR) error_ = errno;
      continue;
    }
    text += put;
    count -= static_cast<std::size_t>(put);
  }
  return error_ == 0;
}

bool CheckedOutputBuffer::Drain() {
  const bool written = WriteAll(pbase(), static_cast<std::size_t>(pptr() - pbase()));
  setp(buffer_, buffer_ + sizeof buffer_);
  return written;
}

CheckedOutputBuffer::int_type CheckedOutputBuffer::overflow(int_type c) {
  if (!Drain()) return traits_type::eof();
  if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
  *pptr() = traits_type::to_char_type(c);
  pbump(1);
  return c;
}

std::streamsize CheckedOutputBuffer::xsputn(const char* text, std::streamsize count) {
  if (error_ != 0) return 0;
  const auto size = static_cast<std::size_t>(count);
  if (size <= static_cast<std::size_t>(epptr() - pptr())) {
    std::memcpy(pptr(), text, size);
    pbump(static_cast<int>(size));
    return count;
  }
  // A large piece goes out in one call instead of through the buffer.
  if (!Drain() || !WriteAll(text, size)) return 0;
  return count;
}

int CheckedOutputBuffer::sync() {
  return Drain() ? 0 : -1;
}

int CheckedOutputBuffer::Close() {
  Drain();
  // A write to a descriptor that is not open has failed already; EBADF here means nothing
  // was written, which is no failure.
  if (::close(fd_) != 0 && error_ == 0 && errno != EINTR && errno != EBADF) {
    error_ = errno;
  }
  return error_;
}

CheckedStdout::CheckedStdout(std::ostream& stream, int fd)
    : stream_(stream), previous_(stream.rdbuf()), buffer_(fd) {
  stream_.rdbuf(&buffer_);
}

CheckedStdout::~CheckedStdout() {
  stream_.rdbuf(previous_);
}

int CheckedStdout::Finish(int status, std::ostream& errors) {
  const int error = buffer_.Close();
  if (error == 0) return status;
  errors << "kavdrift-cli: write error: " << std::strerror(error) << '\n';
  return ExitTrouble;
}

}  // namespace kav::cli
