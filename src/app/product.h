// Texts that name the program and its maker: the version text shown in the
// version box and written into the headers of the history and format files,
// and the maker's line and web address (configuration values).
#pragma once

namespace zenpa::app {

// UTF-8 literals; turn them into Shift-JIS with base::Sj where the core needs bytes.
inline constexpr const char *kVersionText = "ＺＥＮＰＡ v3.87";
inline constexpr const char *kProductLine = "数独･もこさん／テキスト印刷";
inline constexpr const char *kMakerLine = "ZENPA project";
inline constexpr const char *kMakerUrl = "https://zenpa.example.org/";
// The short maker mark that ends the header line of the files the program writes.
inline constexpr const char *kMakerMark = " (zenpa.example.org)";

} // namespace zenpa::app
