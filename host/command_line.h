// The command line as the host hands it to the program: the argument text, without the
// program's own path. Portable: the platform hands in the command line it was given.
#pragma once
#include <string>
#include <string_view>

namespace host {

// The command line less the program's path (quoted or not) and the blanks after it.
std::string ArgumentTextOf(std::string_view commandLine);

}  // namespace host
