#pragma once

#include "Errors.h"

#include <string>
#include <string_view>

namespace fuzzy {

// A file that could not be written. what() is a German sentence for the
// user; the file on disk is as it was before the attempt.
class ESaveError : public Error {
public:
    using Error::Error;
};

// The one writer of every file the programs and fuzzysim produce: the bytes
// go into a new file in the target's folder, which then replaces the target.
// On any failure the old file is untouched, nothing is left behind and
// ESaveError tells why. A symbolic link is kept and the file it names is
// replaced; an existing file's permissions are kept.
void WriteFileAtomic(const std::string& FileName, std::string_view bytes);

}  // namespace fuzzy
