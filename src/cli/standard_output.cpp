#include "cli/standard_output.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace zenpa::cli {
namespace {

// The reason of a failure that just happened; some streams fail without one.
int LastError() { return errno != 0 ? errno : EIO; }

} // namespace

bool StandardOutput::Write(std::string_view bytes) {
  if (error_ != 0)
    return false;
  errno = 0;
  if (std::fwrite(bytes.data(), 1, bytes.size(), stdout) != bytes.size())
    error_ = LastError();
  return error_ == 0;
}

bool StandardOutput::WriteNow(std::string_view bytes) {
  if (!Write(bytes))
    return false;
  errno = 0;
  if (std::fflush(stdout) != 0)
    error_ = LastError();
  return error_ == 0;
}

int StandardOutput::Close(int status) {
  errno = 0;
  if (std::fflush(stdout) != 0 && error_ == 0)
    error_ = LastError();
  if (std::ferror(stdout) && error_ == 0)
    error_ = EIO;
  errno = 0;
  if (std::fclose(stdout) != 0 && error_ == 0)
    error_ = LastError();
  if (error_ == 0)
    return status;
  std::fprintf(stderr, "zenpa: write error: %s\n", std::strerror(error_));
  return 1;
}

} // namespace zenpa::cli
