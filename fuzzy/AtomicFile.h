#pragma once

#include "fuzzy/Errors.h"

#include <string>
#include <string_view>

namespace fuzzy {

// A file that could not be written. what() is a sentence for the user in
// the active language; the file on disk is as it was before the attempt.
class ESaveError : public Error {
public:
    using Error::Error;
};

// The one writer of every file the programs and fuzzysim produce: the bytes
// go into a new file in the target's folder, which then replaces the target.
// On any failure the old file is untouched, nothing is left behind and
// ESaveError tells why. A symbolic link is kept and the file it names is
// replaced; an existing file's permissions are kept.
//
// InputFile names the file the output was made from (empty: none): a target
// that is that very file (the same inode, under any name or link) is refused
// before anything is written, so that an export never replaces its project.
//
// The new file has no name until it is complete where the system allows it
// (Linux's O_TMPFILE), so that being killed leaves nothing behind; elsewhere
// SIGTERM, SIGINT and SIGHUP remove it before the process ends. A file size
// limit (SIGXFSZ) is reported as a full disk instead of ending the process.
void WriteFileAtomic(const std::string& FileName, std::string_view bytes, const std::string& InputFile = {});

}  // namespace fuzzy
