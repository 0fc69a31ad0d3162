// Packing level of a PDF's streams. QPdfWriter packs every page and font
// with zlib at zlib's default level and has no setting for it; page content
// is long runs of alike text operators, which zlib's fastest level packs
// nearly as small in a third of the time. While a ScopedDeflateLevel lives,
// a zlib stream opened on its thread at the default level takes the given
// level instead; streams opened with a level of their own keep it.
#pragma once

namespace zenpa::ui {

class ScopedDeflateLevel {
public:
  explicit ScopedDeflateLevel(int level);
  ~ScopedDeflateLevel();
  ScopedDeflateLevel(const ScopedDeflateLevel &) = delete;
  ScopedDeflateLevel &operator=(const ScopedDeflateLevel &) = delete;

  static constexpr int kFastest = 1;

private:
  int previous_;
};

} // namespace zenpa::ui
