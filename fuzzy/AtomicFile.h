#pragma once

#include "fuzzy/Errors.h"

#include <string>
#include <string_view>
#include <vector>

namespace fuzzy {

// A file that could not be written. what() is a sentence for the user in
// the active language; the file on disk is as it was before the attempt.
class ESaveError : public Error {
public:
    using Error::Error;
};

// One file of an output: its name and its whole contents.
struct OutputFile {
    std::string FileName;
    std::string_view bytes;
};

// The one writer of every file the programs and fuzzysim produce: the bytes
// go into a new file in the target's folder, which then replaces the target.
// On any failure the old file is untouched, nothing is left behind and
// ESaveError tells why. A symbolic link is kept and the file it names is
// written (also when that file does not exist yet); an existing file's
// permissions are kept.
//
// What stands under the name decides how it is written: a regular file is
// replaced as above; a character device or a named pipe (`-o /dev/null`, a
// FIFO a program reads from) is written into as it is, never replaced; a
// folder or anything else is refused.
//
// InputFile names the file the output was made from (empty: none): a target
// that is that very file (the same inode, under any name or link) is refused
// before anything is written, so that an export never replaces its project.
//
// The new file has no name until it is complete where the system allows it
// (Linux's O_TMPFILE), so that being killed leaves nothing behind; every name
// it gets is known to the handlers of SIGTERM, SIGINT and SIGHUP before it
// exists, and they remove it before the process ends. A file size limit
// (SIGXFSZ) is reported as a full disk instead of ending the process, a pipe
// whose reader went away (SIGPIPE) as a failure.
void WriteFileAtomic(const std::string& FileName, std::string_view bytes, const std::string& InputFile = {});
// The same for an output made from several files (a solution sheet from its
// exercise and the reference solution): none of them is ever replaced.
void WriteFileAtomic(const std::string& FileName, std::string_view bytes, const std::vector<std::string>& InputFiles);

// Several files as one change (a C source and its header): every file is
// complete on disk before the first one replaces its target, so a failure
// while writing (a full disk, a file size limit) leaves all old files as they
// were; should a later replacement fail, the ones before it are put back.
// Refused before anything is written when any target is the input file or
// two targets are the same file. At most four files.
void WriteFilesAtomic(const std::vector<OutputFile>& files, const std::string& InputFile = {});

}  // namespace fuzzy
