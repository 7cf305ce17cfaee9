#pragma once

#include <string>
#include <string_view>

namespace zeft {

// The port doctor's fixes are pasted into a POSIX shell, and the names in them (ports, links,
// users, rule files) may be chosen by anybody on the machine.

// name as one shell word that stands for exactly name: single-quoted whole, a quote as '\''.
// Control characters (but the line feed, which the quotes keep) come out of printf with an
// octal escape, so that a terminal shows them as text and the shell still gets the byte.
std::string ShellQuoted(std::string_view name);

// A path as a command's operand: quoted, and never taken for an option ("./-x").
std::string ShellPath(std::string_view path);

// text for a "# " comment line: every control character, the line feed first, as \xNN,
// so that a name cannot end the comment and start a command.
std::string CommentText(std::string_view text);

} // namespace zeft
