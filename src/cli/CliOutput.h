#pragma once

#include <cstddef>
#include <ostream>
#include <streambuf>

namespace kav::cli {

// A stream buffer over a file descriptor that checks every write, as a report sent to a full
// disk or a closed descriptor must not pass for a whole one. The first failing write is
// remembered with its errno; everything after it is dropped, and the stream using the buffer
// goes bad.
class CheckedOutputBuffer : public std::streambuf {
 public:
  explicit CheckedOutputBuffer(int fd);
  CheckedOutputBuffer(const CheckedOutputBuffer&) = delete;
  CheckedOutputBuffer& operator=(const CheckedOutputBuffer&) = delete;

  // Writes what is buffered and closes the descriptor. Returns 0, or the errno of the first
  // write, flush or close that failed. A descriptor that was never open is no failure when
  // nothing was written to it.
  int Close();

 protected:
  int_type overflow(int_type c) override;
  std::streamsize xsputn(const char* text, std::streamsize count) override;
  int sync() override;

 private:
  bool WriteAll(const char* text, std::size_t count);
  bool Drain();

  int fd_;
  int error_ = 0;
  char buffer_[1 << 16];
};

// Sends `stream` (standard output) through a checked buffer on `fd` for the object's life.
// Finish ends the output as GNU tools do: when any write, the final flush or the close
// failed, it says "kavdrift-cli: write error: REASON" on `errors` and returns the trouble
// status, otherwise `status`.
class CheckedStdout {
 public:
  CheckedStdout(std::ostream& stream, int fd);
  ~CheckedStdout();
  CheckedStdout(const CheckedStdout&) = delete;
  CheckedStdout& operator=(const CheckedStdout&) = delete;

  int Finish(int status, std::ostream& errors);

 private:
  std::ostream& stream_;
  std::streambuf* previous_;
  CheckedOutputBuffer buffer_;
};

}  // namespace kav::cli
