// Standard output of a command, with every write checked: output that cannot
// be written (a full disk, a closed pipe) is an error of the command, never a
// silent success.
#pragma once

#include <string_view>

namespace zenpa::cli {

class StandardOutput {
public:
  // Writes the bytes; false once any write has failed (later writes are
  // skipped, so a long command can stop at once).
  bool Write(std::string_view bytes);
  // The same, then flushed at once: for output that comes slowly, so that an
  // interrupted run keeps what it wrote.
  bool WriteNow(std::string_view bytes);
  bool Failed() const { return error_ != 0; }

  // Flushes and closes standard output (text printed to it directly
  // included). When anything failed, says "zenpa: write error: " and the
  // system's reason on standard error and returns 1; otherwise status.
  int Close(int status);

private:
  int error_ = 0; // errno of the first failure
};

} // namespace zenpa::cli
