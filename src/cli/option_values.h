// Option values of the commands, read with a message that names the option
// and what it accepts, so that a bad command line says what is wrong.
// Messages go to standard error as "zenpa COMMAND: ..."; a command that meets
// one exits 2.
#pragma once

#include "cli/commands.h"

#include <optional>
#include <string>
#include <string_view>

namespace zenpa::cli {

// The value after option args[i] (i moves onto it) as a whole number from lo
// to hi; otherwise says "COMMAND: OPTION needs a whole number from LO to HI".
std::optional<long long> TakeWholeNumber(std::string_view command, const Args &args, std::size_t &i,
                                         long long lo, long long hi);

// The same into an int; false after the message.
bool TakeInt(std::string_view command, const Args &args, std::size_t &i, long long lo, long long hi,
             int &target);

// The value after option args[i] (i moves onto it) when it is one of the
// comma-separated choices; otherwise says "COMMAND: OPTION needs one of
// CHOICES".
std::optional<std::string> TakeChoice(std::string_view command, const Args &args, std::size_t &i,
                                      std::string_view choices);

// "COMMAND: unknown option 'ARG'".
void UnknownOption(std::string_view command, const std::string &arg);

// "COMMAND: TEXT" on standard error.
void Complain(std::string_view command, const std::string &text);

} // namespace zenpa::cli
